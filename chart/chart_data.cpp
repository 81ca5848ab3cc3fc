#include "chart/chart_data.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "calc/balance.h"
#include "chart/value_text.h"
#include "diagram/colours.h"
#include "exact/configuration.h"
#include "exact/interaction.h"
#include "exact/polar_curve.h"

namespace chart {

namespace {

using exact::kDegree;


// Colours of the solutions, apart from the three of the polars.
constexpr platform::Colour kBlack = 0;
constexpr platform::Colour kPurple = 0x800080;
constexpr platform::Colour kTriplePoint = 0x0060C0;  // dark orange (red in the lowest byte)

std::string Fixed(double x, int decimals) { return ValueText(x, decimals); }

// A shock polar point in the chart's plane, on one side of the upstream direction.
CurvePoint Placed(const exact::PolarPoint& q, const Point& upstream, double side) {
  return {upstream.theta + side * q.theta / kDegree, upstream.p * q.pressure_ratio, q.beta / kDegree,
          q.M2};
}

// The polar of the state (M, upstream): both branches mirrored, and its limits.
Polar MakePolar(int region, platform::Colour colour, double M, double gamma, const Point& upstream,
                int points) {
  const exact::ShockPolar shocks(M, gamma);
  const exact::PolarBranches branches = exact::PolarCurve(shocks, points);
  Polar polar;
  polar.region = region;
  polar.colour = colour;
  polar.M = M;
  polar.gamma = gamma;
  polar.upstream = upstream;

  // Weak: tip, Mach wave, tip. Strong: tip, normal shock, tip. Each side
  // point once, the shared middle point once.
  const auto mirror = [&](const std::vector<exact::PolarPoint>& half, bool middle_last, Curve& curve) {
    const std::size_t n = half.size();
    curve.points.reserve(2 * n - 1);
    for (std::size_t i = 0; i < n; ++i) {
      curve.points.push_back(Placed(half[middle_last ? i : n - 1 - i], upstream, -1.0));
    }
    for (std::size_t i = 1; i < n; ++i) {
      curve.points.push_back(Placed(half[middle_last ? n - 1 - i : i], upstream, +1.0));
    }
  };
  polar.weak.branch = Branch::Weak;
  mirror(branches.weak, false, polar.weak);
  polar.strong.branch = Branch::Strong;
  mirror(branches.strong, true, polar.strong);

  const exact::DeflectionLimit limit = shocks.MaxDeflection();
  const double tip_p = upstream.p * branches.weak.back().pressure_ratio;
  polar.largest_deflection = {Point{upstream.theta - limit.theta / kDegree, tip_p},
                              Point{upstream.theta + limit.theta / kDegree, tip_p}};
  const double sonic = std::min(shocks.SonicDeflection(), limit.theta);
  const double sonic_p = upstream.p * shocks.Weak(sonic).pressure_ratio;
  polar.sonic = {Point{upstream.theta - sonic / kDegree, sonic_p},
                 Point{upstream.theta + sonic / kDegree, sonic_p}};
  return polar;
}

// Behind shock A or B: the region's state as a mark, and its polar when the
// flow there is supersonic. Problems go into the notes.
void AddRegionBehind(ChartData& chart, const exact::ShockPolar& free_stream, int region,
                     char shock, double deflection, double direction, platform::Colour colour,
                     int points) {
  exact::ShockSolution behind;
  try {
    behind = free_stream.Weak(deflection * kDegree);
  } catch (const exact::Error& error) {
    chart.notes.push_back(std::string("Shock ") + shock + ": " + error.what() + "; region " +
                          std::to_string(region) + " is not drawn.");
    return;
  }
  const Point state{direction, behind.pressure_ratio};
  chart.marks.push_back({MarkKind::RegionState, state, colour,
                         "Region " + std::to_string(region) + ": M = " + Fixed(behind.M2, 3) +
                             ", p/p1 = " + Fixed(state.p, 3)});
  if (behind.M2 > 1.0) {
    chart.polars.push_back(MakePolar(region, colour, behind.M2, free_stream.Gamma(), state, points));
  } else {
    chart.notes.push_back("Region " + std::to_string(region) + " is subsonic (M = " +
                          Fixed(behind.M2, 3) + "): it has no shock polar.");
  }
}

std::string Lower(std::string_view text) {
  std::string out(text);
  if (!out.empty()) out[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(out[0])));
  return out;
}

std::string TitleOf(const ChartInputs& in) {
  return "M1 = " + exact::NumberText(in.M1) + ", p1 = " + exact::NumberText(in.p1) +
         ", Teta-A = " + exact::NumberText(in.TetaA) + "\u00b0, Teta-B = " +
         exact::NumberText(in.TetaB) + "\u00b0, \u03b3 = " + exact::NumberText(in.gamma) + " \u2014 " +
         std::string(calc::MethodTitle(in.method));
}

// Where a Mach stem can stand, its triple points: on the strong branch of the
// free-stream polar, which every polar's dashed branch already draws.
void AddTriplePoints(ChartData& chart, const ChartInputs& in) {
  try {
    const exact::Configuration configuration =
        exact::FindConfiguration(in.M1, in.TetaA, in.TetaB, in.gamma);
    for (const exact::ChartMark& mark : exact::TriplePointMarks(configuration)) {
      chart.marks.push_back({MarkKind::Other, {mark.direction, mark.p}, kTriplePoint, mark.label});
    }
    // A Mach intersection says itself why there is no regular one.
    if (configuration.kind == exact::ConfigurationKind::Mach) chart.no_exact_reason = configuration.reason;
    if (configuration.kind == exact::ConfigurationKind::Dual) chart.notes.push_back(configuration.reason);
  } catch (const exact::Error&) {
    // Inputs no configuration is found for are told by the exact solution's reason.
  }
}

void AddSolutions(ChartData& chart, const ChartInputs& in) {
  try {
    const exact::Interaction x = exact::SolveInteraction(in.M1, in.p1, in.TetaA, in.TetaB, in.gamma);
    const Point at{x.Fi, x.region4.p / in.p1};
    chart.exact_solution = at;
    chart.marks.push_back({MarkKind::ExactSolution, at, kBlack,
                           "Exact: Fi = " + Fixed(at.theta, 2) + "\u00b0, p/p1 = " + Fixed(at.p, 3)});
  } catch (const exact::Error& error) {
    chart.no_exact_reason = error.what();
  }
  AddTriplePoints(chart, in);

  // The exact method shows the exact solution itself.
  if (in.method == calc::Method::Exact) return;
  if (!in.shown) {
    chart.notes.push_back("The " + Lower(calc::MethodTitle(in.method)) + " stopped without a solution.");
    return;
  }
  const ShownSolution& s = *in.shown;
  const Point p4{s.Fi, s.p4 / in.p1};
  const Point p5{s.Fi, s.p5 / in.p1};
  if (!std::isfinite(p4.theta) || !std::isfinite(p4.p) || !std::isfinite(p5.p)) return;
  // After a failed search the window may show the exact solution in its rows:
  // that one is marked already, as what it is.
  const auto same = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b)); };
  if (chart.exact_solution && same(p4.theta, chart.exact_solution->theta) &&
      same(p4.p, chart.exact_solution->p) && same(p5.p, chart.exact_solution->p)) {
    return;
  }
  const std::string method(calc::MethodTitle(in.method));
  if (calc::PressuresBalance(s.p4, s.p5, in.p1)) {
    chart.marks.push_back({MarkKind::MethodSolution, p4, kPurple,
                           method + ": Fi = " + Fixed(p4.theta, 2) + "\u00b0, p/p1 = " + Fixed(p4.p, 3)});
  } else {
    chart.marks.push_back({MarkKind::MethodSolution, p4, kPurple,
                           method + " stopped: Fi = " + Fixed(p4.theta, 2) + "\u00b0, p4/p1 = " +
                               Fixed(p4.p, 3)});
    chart.marks.push_back({MarkKind::MethodSolution, p5, kPurple,
                           "p5/p1 = " + Fixed(p5.p, 3) + ", not balanced"});
  }
}

}  // namespace

ChartData MakeChart(const ChartInputs& in) {
  ChartData chart;
  chart.title = TitleOf(in);
  const int points = std::max(in.points_per_branch, 2);

  try {
    const exact::ShockPolar free_stream(in.M1, in.gamma);
    const Point region1{0.0, 1.0};
    chart.marks.push_back({MarkKind::RegionState, region1, diagram::kBlue,
                           "Region 1: M = " + Fixed(in.M1, 3)});
    chart.polars.push_back(MakePolar(1, diagram::kBlue, in.M1, in.gamma, region1, points));
    AddRegionBehind(chart, free_stream, 2, 'A', in.TetaA, in.TetaA, diagram::kRed, points);
    AddRegionBehind(chart, free_stream, 3, 'B', in.TetaB, -in.TetaB, diagram::kGreen, points);
  } catch (const exact::Error& error) {
    chart.notes.push_back(std::string("Free stream: ") + error.what() + "; nothing is drawn.");
  }

  AddSolutions(chart, in);

  if (std::isfinite(in.p1) && in.p1 > 0.0) {
    int number = 0;
    for (const SearchStep& step : in.search_path) {
      chart.search_path.push_back({++number, step.Fi, step.p4 / in.p1, step.p5 / in.p1});
    }
  }
  chart.fit = FitView(chart);
  return chart;
}

View FitView(const ChartData& chart) {
  double lo = INFINITY, hi = -INFINITY, top = -INFINITY;
  const auto take = [&](double theta, double p) {
    if (!std::isfinite(theta) || !std::isfinite(p)) return;
    lo = std::min(lo, theta);
    hi = std::max(hi, theta);
    top = std::max(top, p);
  };
  for (const Polar& polar : chart.polars) {
    for (const Curve* curve : {&polar.weak, &polar.strong}) {
      for (const CurvePoint& q : curve->points) take(q.theta, q.p);
    }
  }
  for (const Mark& mark : chart.marks) take(mark.at.theta, mark.at.p);
  if (!(lo <= hi)) return {{-10.0, 10.0}, {0.0, 2.0}};
  // A lone point still gets a readable span.
  const double span = std::max(hi - lo, 1.0);
  const double margin = 0.04 * span;
  return {{lo - margin, hi + margin}, {0.0, std::max(top, 1.0) * 1.05}};
}

}  // namespace chart
