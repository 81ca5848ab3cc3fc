// The chart's numbers: polars against the textbook relations, the limits, the
// solutions, the search path and the default view.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "chart/chart_csv.h"
#include "chart/chart_data.h"
#include "chart/from_calculation.h"
#include "chart/nearest.h"
#include "chart/ticks.h"
#include "memory_form.h"
#include "textbook_shock.h"

namespace {

using textbook::kDeg;

// The exact slip line by bisection on the textbook relations: p4 = p5 where
// C turns region 2 by TetaA - Fi and D turns region 3 by Fi + TetaB.
struct Crossing {
  long double Fi, p;
};
Crossing TextbookCrossing(long double M1, long double TetaA, long double TetaB) {
  const textbook::Shock A = textbook::Weak(M1, TetaA), B = textbook::Weak(M1, TetaB);
  const auto p4 = [&](long double Fi) { return A.pressure_ratio * textbook::Weak(A.M2, TetaA - Fi).pressure_ratio; };
  const auto p5 = [&](long double Fi) { return B.pressure_ratio * textbook::Weak(B.M2, Fi + TetaB).pressure_ratio; };
  long double lo = -TetaB, hi = TetaA;  // p4 - p5 falls from positive to negative
  for (int i = 0; i < 100; ++i) {
    const long double mid = (lo + hi) / 2;
    (p4(mid) > p5(mid) ? lo : hi) = mid;
  }
  return {lo, p4(lo)};
}

const chart::Polar& PolarOf(const chart::ChartData& c, int region) {
  for (const chart::Polar& polar : c.polars) {
    if (polar.region == region) return polar;
  }
  throw std::runtime_error("no polar of region " + std::to_string(region));
}

// The exact method's inputs: the solution it shows is the exact one.
chart::ChartInputs Inputs(double M1, double TetaA, double TetaB, double gamma = 1.4) {
  chart::ChartInputs in;
  in.method = calc::Method::Exact;
  in.M1 = M1;
  in.TetaA = TetaA;
  in.TetaB = TetaB;
  in.gamma = gamma;
  return in;
}

}  // namespace

// Every point of both branches of the three polars lies on the oblique-shock
// relations from its upstream state, mirrored about its direction; the limits
// are where the textbook puts them.
TEST(ChartData, PolarsLieOnTheShockRelations) {
  for (const double g : {1.4, 1.3}) {
    const chart::ChartData c = chart::MakeChart(Inputs(3.0, 10.0, 5.0, g));
    ASSERT_EQ(c.polars.size(), 3u);
    const textbook::Shock A = textbook::Weak(3.0L, 10.0L, g), B = textbook::Weak(3.0L, 5.0L, g);
    const struct {
      int region;
      long double M, direction, p;
    } upstream[] = {{1, 3.0L, 0.0L, 1.0L}, {2, A.M2, 10.0L, A.pressure_ratio}, {3, B.M2, -5.0L, B.pressure_ratio}};
    for (const auto& u : upstream) {
      const chart::Polar& polar = PolarOf(c, u.region);
      EXPECT_NEAR(polar.M, static_cast<double>(u.M), 1e-9);
      for (const chart::Curve* curve : {&polar.weak, &polar.strong}) {
        ASSERT_EQ(curve->points.size(), 199u);
        for (std::size_t i = 0; i < curve->points.size(); ++i) {
          const chart::CurvePoint& q = curve->points[i];
          const long double beta = q.beta * kDeg;
          const long double s = std::sin(beta);
          const long double Mn2 = u.M * u.M * s * s;
          const long double theta = textbook::Deflection(u.M, beta, g) / kDeg;
          EXPECT_NEAR(std::abs(q.theta - u.direction), theta, 1e-9) << u.region << " " << i;
          EXPECT_NEAR(q.p, u.p * (1 + 2 * g / (g + 1) * (Mn2 - 1)), 1e-9 * q.p);
          if (i > 0) {
            EXPECT_GT(q.theta, curve->points[i - 1].theta);
          }
        }
        EXPECT_NEAR(curve->points[99].theta, static_cast<double>(u.direction), 1e-12);
      }
      // The weak branch passes through the upstream state, the strong one through the normal shock.
      EXPECT_NEAR(polar.weak.points[99].p, static_cast<double>(u.p), 1e-12);
      EXPECT_NEAR(polar.strong.points[99].p, u.p * (2 * g * u.M * u.M - (g - 1)) / (g + 1), 1e-9);
      const long double max = textbook::MaxDeflectionDeg(u.M, g);
      EXPECT_NEAR(polar.largest_deflection[1].theta - u.direction, max, 1e-9);
      EXPECT_NEAR(u.direction - polar.largest_deflection[0].theta, max, 1e-9);
      EXPECT_NEAR(polar.weak.points.back().theta, polar.largest_deflection[1].theta, 1e-12);
      // Behind the weak shock at the sonic point the flow runs at exactly M = 1.
      const long double sonic = polar.sonic[1].theta - u.direction;
      EXPECT_NEAR(textbook::Weak(u.M, sonic, g).M2, 1.0, 1e-9);
      EXPECT_NEAR(polar.sonic[1].p, u.p * textbook::Weak(u.M, sonic, g).pressure_ratio, 1e-9);
    }
  }
}

// The figures: the exact solution of the default inputs at 4.98 degrees
// and p/p1 = 2.840; at M1 = 5 with 20/20 every polar inside the default view.
TEST(ChartData, ExactSolutionAndDefaultView) {
  const chart::ChartData c = chart::MakeChart(Inputs(3.0, 10.0, 5.0));
  ASSERT_TRUE(c.exact_solution);
  const Crossing x = TextbookCrossing(3.0L, 10.0L, 5.0L);
  EXPECT_NEAR(c.exact_solution->theta, x.Fi, 1e-9);
  EXPECT_NEAR(c.exact_solution->p, x.p, 1e-9);
  EXPECT_EQ(std::round(c.exact_solution->theta * 100), 498);
  EXPECT_EQ(std::round(c.exact_solution->p * 1000), 2840);
  EXPECT_TRUE(c.no_exact_reason.empty());

  const chart::ChartData wide = chart::MakeChart(Inputs(5.0, 20.0, 20.0));
  ASSERT_EQ(wide.polars.size(), 3u);
  for (const chart::Polar& polar : wide.polars) {
    for (const chart::Curve* curve : {&polar.weak, &polar.strong}) {
      for (const chart::CurvePoint& q : curve->points) {
        EXPECT_GT(q.theta, wide.fit.theta.lo);
        EXPECT_LT(q.theta, wide.fit.theta.hi);
        EXPECT_GE(q.p, wide.fit.p.lo);
        EXPECT_LT(q.p, wide.fit.p.hi);
      }
    }
  }
  // By symmetry the slip line runs along the free stream.
  EXPECT_NEAR(wide.exact_solution->theta, 0.0, 1e-9);
}

// Where there is no regular solution, or no polar, the chart says why and never throws.
TEST(ChartData, WhatCannotBeDrawnIsTold) {
  const chart::ChartData none = chart::MakeChart(Inputs(1.5, 10.0, 10.0));
  EXPECT_FALSE(none.exact_solution);
  EXPECT_NE(none.no_exact_reason, "");
  EXPECT_EQ(none.polars.size(), 3u);

  const chart::ChartData detached = chart::MakeChart(Inputs(3.0, 40.0, 5.0));
  ASSERT_EQ(detached.polars.size(), 2u);
  EXPECT_EQ(detached.polars[1].region, 3);
  ASSERT_EQ(detached.notes.size(), 1u);
  EXPECT_EQ(detached.notes[0].rfind("Shock A: ", 0), 0u) << detached.notes[0];

  // Pressures of 1e99 read in a few digits with an exponent.
  for (const chart::Mark& m : chart::MakeChart(Inputs(1e50, 10.0, 5.0)).marks) {
    EXPECT_LT(m.label.size(), 60u) << m.label;
  }

  for (const double M1 : {0.5, double{NAN}, double{INFINITY}}) {
    const chart::ChartData nothing = chart::MakeChart(Inputs(M1, 10.0, 5.0));
    EXPECT_TRUE(nothing.polars.empty());
    EXPECT_EQ(nothing.notes.size(), 1u);
    EXPECT_NE(nothing.no_exact_reason, "");
    EXPECT_LT(nothing.fit.theta.lo, nothing.fit.theta.hi);
  }
}

// From a calculation of the window's procedures: the search path step by step
// in p / p1, the method's solution beside the exact one, an unbalanced end as two marks.
TEST(ChartData, SearchPathAndSolutionsOfACalculation) {
  MemoryForm f;
  f.SetInputs("3", "2", "10", "5");
  f.form.hesapla(calc::Method::Iterasyon);
  const chart::ChartData c = chart::MakeChart(chart::InputsOf(f.form, true));
  const auto& path = f.form.Record().search_path;
  ASSERT_EQ(c.search_path.size(), path.size());
  ASSERT_GT(path.size(), 2u);
  for (std::size_t i = 0; i < path.size(); ++i) {
    EXPECT_EQ(c.search_path[i].number, static_cast<int>(i + 1));
    EXPECT_EQ(c.search_path[i].theta, path[i].Fi);
    EXPECT_EQ(c.search_path[i].p4, path[i].p4 / 2);
  }
  int method_marks = 0, exact_marks = 0;
  for (const chart::Mark& m : c.marks) {
    method_marks += m.kind == chart::MarkKind::MethodSolution;
    exact_marks += m.kind == chart::MarkKind::ExactSolution;
  }
  EXPECT_EQ(method_marks, 1);
  EXPECT_EQ(exact_marks, 1);

  chart::ChartInputs search = Inputs(3.0, 10.0, 5.0);
  search.method = calc::Method::Iteras;
  const auto marks_of = [&] {
    const chart::ChartData d = chart::MakeChart(search);
    return std::count_if(d.marks.begin(), d.marks.end(),
                         [](const chart::Mark& m) { return m.kind == chart::MarkKind::MethodSolution; });
  };
  search.shown = chart::ShownSolution{3.0, 2.5, 3.0};
  EXPECT_EQ(marks_of(), 2);  // unbalanced: p4 and p5 apart
  search.shown.reset();      // stopped on a failure
  EXPECT_EQ(marks_of(), 0);
  EXPECT_EQ(chart::MakeChart(search).notes, std::vector<std::string>{"The step search stopped without a solution."});
}

// Ticks of 1, 2 or 5 times a power of ten, written with just enough places.
TEST(ChartData, NiceTicks) {
  const struct {
    double lo, hi;
    int at_most;
    double step, first;
    int decimals;
  } cases[] = {{0, 14.6, 8, 2, 0, 0}, {-3.7, 13.2, 8, 5, 0, 0}, {-23.5, 23.5, 10, 5, -20, 0},
               {0.121, 0.1234, 5, 0.0005, 0.1210, 4}, {2.2, 2.9, 7, 0.1, 2.2, 1}};
  for (const auto& k : cases) {
    const chart::Ticks t = chart::NiceTicks({k.lo, k.hi}, k.at_most);
    EXPECT_DOUBLE_EQ(t.step, k.step) << k.lo << " " << k.hi;
    EXPECT_NEAR(t.first, k.first, 1e-12) << k.lo << " " << k.hi;
    EXPECT_FALSE(std::signbit(t.first) && t.first == 0.0);
    EXPECT_EQ(t.decimals, k.decimals) << k.lo << " " << k.hi;
  }
}

// The readout's nearest point lies on the curve itself, not just near a drawn
// point; the CSV holds every point of every curve.
TEST(ChartData, NearestPointAndCsv) {
  const chart::ChartData c = chart::MakeChart(Inputs(3.0, 10.0, 5.0));
  const chart::PixelScale scale{20.0, 50.0};
  const chart::Polar& polar2 = PolarOf(c, 2);
  const chart::CurvePoint& a = polar2.weak.points[150];
  const chart::CurvePoint& b = polar2.weak.points[151];
  const chart::Point off{(a.theta + b.theta) / 2 + 0.01, (a.p + b.p) / 2};
  const auto near = chart::NearestOnCurves(c, off, scale);
  ASSERT_TRUE(near);
  EXPECT_EQ(near->region, 2);
  EXPECT_EQ(near->branch, chart::Branch::Weak);
  EXPECT_LT(near->distance, 0.3);
  const long double beta = near->point.beta * kDeg;
  EXPECT_NEAR(near->point.theta - 10.0, textbook::Deflection(polar2.M, beta, 1.4L) / kDeg, 1e-9);
  EXPECT_NEAR(near->point.M, textbook::Weak(polar2.M, near->point.theta - 10.0).M2, 1e-9);

  const auto mark = chart::NearestMark(c, {c.exact_solution->theta + 0.1, c.exact_solution->p}, scale, 5.0);
  ASSERT_TRUE(mark);
  EXPECT_EQ(c.marks[*mark].kind, chart::MarkKind::ExactSolution);

  std::istringstream csv(chart::ChartCsv(c));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "region,branch,theta_deg,p_over_p1,beta_deg,M_behind");
  int rows = 0;
  while (std::getline(csv, line)) {
    if (rows == 199 * 2 + 5) {  // region 2, weak, point 5
      double theta = 0, p = 0;
      ASSERT_EQ(std::sscanf(line.c_str(), "2,weak,%lf,%lf", &theta, &p), 2) << line;
      EXPECT_EQ(theta, polar2.weak.points[5].theta);
      EXPECT_EQ(p, polar2.weak.points[5].p);
    }
    ++rows;
  }
  EXPECT_EQ(rows, 3 * 2 * 199);
}
