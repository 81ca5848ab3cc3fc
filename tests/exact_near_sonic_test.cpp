#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "exact/interaction.h"
#include "exact/polar_curve.h"
#include "exact/shock.h"
#include "textbook_shock.h"

// A free stream barely above M = 1: every shock angle lies within a fraction
// of a degree of the normal and every deflection is tiny, so each quantity is
// checked against the textbook relations evaluated in long double (eleven more
// bits than double), apart from the code under test, for the Mach number as
// the double holds it.
namespace {

using Long = long double;
using textbook::Bisect;
using textbook::kDegree;
constexpr Long kHalfPi = std::numbers::pi_v<Long> / 2;

// tan(theta) = 2 cot(beta) (M^2 sin^2(beta) - 1) / (M^2 (gamma + cos(2 beta)) + 2)
Long Deflection(Long M, Long beta, Long g) {
  const Long s = std::sin(beta);
  return std::atan(2 * (std::cos(beta) / s) * (M * M * s * s - 1) /
                   (M * M * (g + std::cos(2 * beta)) + 2));
}

struct Reference {
  Long beta, pressure_excess, M2;  // shock angle, p2/p1 - 1, Mach number behind
};
Reference Behind(Long M, Long beta, Long g) {
  const Long Mn1_2 = M * M * std::sin(beta) * std::sin(beta);
  const Long Mn2 = std::sqrt((1 + (g - 1) / 2 * Mn1_2) / (g * Mn1_2 - (g - 1) / 2));
  return {beta, 2 * g / (g + 1) * (Mn1_2 - 1), Mn2 / std::sin(beta - Deflection(M, beta, g))};
}

// The shock angle of the largest deflection by golden section.
Long MaxBeta(Long M, Long g) {
  const Long phi = (std::sqrt(5.0L) - 1) / 2;
  Long a = std::asin(1 / M), b = kHalfPi;
  for (int i = 0; i < 200; ++i) {
    const Long c = b - phi * (b - a), d = a + phi * (b - a);
    if (Deflection(M, c, g) < Deflection(M, d, g)) {
      a = c;
    } else {
      b = d;
    }
  }
  return (a + b) / 2;
}

// Weak (between the Mach angle and the largest deflection) or strong shock for theta.
Long ReferenceBeta(Long M, Long theta, Long g, bool weak) {
  const Long top = MaxBeta(M, g);
  const auto f = [&](Long beta) { return Deflection(M, beta, g) - theta; };
  return weak ? Bisect(f, std::asin(1 / M), top) : Bisect(f, top, kHalfPi);
}

double RelativeError(double got, Long want) { return static_cast<double>(std::abs((got - want) / want)); }

// Figures of the near-sonic checks, relative.
constexpr double kNearSonic = 1e-9;

// got holds `digits` of its distance from `base` (the Mach wave's p2/p1 = 1,
// M2 = 1, the normal shock's 90 degrees), or is within two units in the last
// place of the truth when that distance is too small for a double to hold so
// many digits.
testing::AssertionResult Holds(double got, Long want, Long base, double digits = kNearSonic) {
  const Long error = std::abs(got - want);
  const Long allowed = digits * std::abs(want - base) + 2 * std::numeric_limits<double>::epsilon() * std::abs(want);
  if (error <= allowed) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "got " << exact::NumberText(got) << ", want "
                                     << exact::NumberText(static_cast<double>(want)) << ": off by "
                                     << static_cast<double>(error / std::abs(want - base)) << " of "
                                     << static_cast<double>(std::abs(want - base));
}

}  // namespace

// The two cases where the closed form used to give the Mach wave, or call a
// supersonic flow subsonic.
TEST(ExactNearSonic, IncidentShockOfTheReportedCases) {
  const Long g = 1.4L;
  {
    const double M1 = 1.000001, TetaA = 2.5989872434951745e-08;
    const Reference want = Behind(M1, ReferenceBeta(M1, TetaA * static_cast<Long>(kDegree), g, true), g);
    // The figures the report quotes.
    EXPECT_NEAR(static_cast<double>(want.beta) / kDegree, 89.9283262, 0.5e-7);
    EXPECT_NEAR(static_cast<double>(want.pressure_excess), 5.08e-7, 0.005e-7);
    const exact::Interaction r = exact::SolveInteraction(M1, 1.0, TetaA, 0.0);
    EXPECT_TRUE(Holds(r.shockA.beta * kDegree, want.beta, kHalfPi));
    EXPECT_TRUE(Holds(r.region2.p, 1 + want.pressure_excess, 1));
    EXPECT_TRUE(Holds(r.region2.M, want.M2, 1));
    EXPECT_GT(r.region2.M - 1.0, 5.5e-7);
  }
  {
    const double M1 = 1.000002, TetaA = 7.351040095919656e-08;
    const Reference want = Behind(M1, ReferenceBeta(M1, TetaA * static_cast<Long>(kDegree), g, true), g);
    EXPECT_NEAR(static_cast<double>(want.M2), 1.00000113, 0.5e-8);
    const exact::ShockSolution A = exact::WeakShock(M1, TetaA * kDegree);
    EXPECT_TRUE(Holds(A.M2, want.M2, 1));
    EXPECT_TRUE(Holds(A.pressure_ratio, 1 + want.pressure_excess, 1));
    // Region 2 is supersonic, so shock C stands in it: here the pattern is shock A alone.
    const exact::Interaction r = exact::SolveInteraction(M1, 1.0, TetaA, 0.0);
    EXPECT_EQ(r.region2.M, A.M2);
    EXPECT_NEAR(r.region4.p, r.region5.p, 1e-15);
  }
}

// Both branches, the largest and the sonic deflection, for free streams from
// M1 - 1 = 1e-7 up to where the old form was already right.
TEST(ExactNearSonic, PolarHoldsItsDigitsDownToMachOnePlus1e7) {
  for (const double g : {1.4, 1.1, 5.0 / 3.0}) {
    for (const double excess : {1e-7, 3.3e-7, 2e-6, 2e-5, 1e-3}) {
      const double M1 = 1.0 + excess;
      const std::string where = "M1 - 1 = " + exact::ShortText(excess, 3) + ", gamma " + exact::ShortText(g, 4);
      const exact::ShockPolar polar(M1, g);
      const Long top = MaxBeta(M1, g);
      const Long theta_max = Deflection(M1, top, g);
      EXPECT_LT(RelativeError(polar.MaxDeflection().theta, theta_max), kNearSonic) << where;
      // The maximum is flat: the long double search finds its angle to about 1e-9.
      EXPECT_TRUE(Holds(polar.MaxDeflection().beta, top, kHalfPi, 1e-5)) << where;

      const auto sonic_gap = [&](Long beta) { return Behind(M1, beta, g).M2 - 1; };
      const Long sonic = Deflection(M1, Bisect(sonic_gap, std::asin(1 / static_cast<Long>(M1)), top), g);
      EXPECT_LT(RelativeError(polar.SonicDeflection(), sonic), kNearSonic) << where;

      for (const double fraction : {1e-4, 0.1, 0.5, 0.9, 0.995, 0.99999}) {
        const double theta = fraction * polar.MaxDeflection().theta;
        for (const bool weak : {true, false}) {
          const Reference want = Behind(M1, ReferenceBeta(M1, theta, g, weak), g);
          const exact::ShockSolution got = weak ? polar.Weak(theta) : polar.Strong(theta);
          const std::string what = where + (weak ? ", weak" : ", strong") + " at " + exact::ShortText(fraction, 6);
          // Near the tip the shock angle moves as the square root of the deflection left.
          const double digits = fraction > 0.99 ? 1e-6 : kNearSonic;
          EXPECT_TRUE(Holds(got.beta, want.beta, kHalfPi, digits)) << what;
          EXPECT_TRUE(Holds(got.pressure_ratio, 1 + want.pressure_excess, 1, digits)) << what;
          EXPECT_TRUE(Holds(got.M2, want.M2, 1, digits)) << what;
        }
      }
    }
  }
}

// The drawn polar near M = 1: its points lie on the relations as well.
TEST(ExactNearSonic, PolarPointsKeepTheirDigits) {
  for (const double excess : {1e-7, 2e-6}) {
    const double M1 = 1.0 + excess;
    const exact::ShockPolar polar(M1, 1.4);
    const exact::PolarBranches curve = exact::PolarCurve(polar, 40);
    for (const auto* branch : {&curve.weak, &curve.strong}) {
      for (std::size_t i = 1; i + 1 < branch->size(); ++i) {
        const exact::PolarPoint& point = (*branch)[i];
        const Reference want = Behind(M1, point.beta, 1.4L);
        EXPECT_LT(RelativeError(point.theta, Deflection(M1, point.beta, 1.4L)), kNearSonic) << excess << " " << i;
        EXPECT_TRUE(Holds(point.pressure_ratio, 1 + want.pressure_excess, 1)) << excess << " " << i;
        EXPECT_TRUE(Holds(point.M2, want.M2, 1)) << excess << " " << i;
      }
    }
    // The weak branch starts at the Mach angle itself.
    EXPECT_TRUE(Holds(curve.weak.front().beta, std::asin(1 / static_cast<Long>(M1)), kHalfPi));
  }
}

// Free streams where rounding used to show p5 below p4 with C a Mach wave (or
// p4 below p5 with D one) and call for an expansion: in long double the
// pressures at that end lie the other way, and the crossing is a regular one.
TEST(ExactNearSonic, CrossingNearAMachWaveIsNoExpansion) {
  struct Case {
    double M1, TetaA, TetaB;
  };
  const Long g = 1.4L;
  const auto weak = [&](Long M, Long theta) { return Behind(M, ReferenceBeta(M, theta, g, true), g); };
  for (const Case c : {Case{1.0000011880252817, 5.8068173533431241e-08, 3.2077296910445063e-11},
                       Case{1.0000016553271056, 6.6781615185313691e-09, 4.5854320631201704e-08}}) {
    const Long ta = c.TetaA * static_cast<Long>(kDegree), tb = c.TetaB * static_cast<Long>(kDegree);
    const Reference A = weak(c.M1, ta), B = weak(c.M1, tb);
    const Long p2 = 1 + A.pressure_excess, p3 = 1 + B.pressure_excess;
    // The weaker incident shock's transmitted one may be a Mach wave; the other
    // then turns its region by TetaA + TetaB and must overshoot the first's pressure.
    if (c.TetaA > c.TetaB) {
      EXPECT_GT(p3 * (1 + weak(B.M2, ta + tb).pressure_excess), p2) << c.M1;
    } else {
      EXPECT_GT(p2 * (1 + weak(A.M2, ta + tb).pressure_excess), p3) << c.M1;
    }
    const exact::Interaction r = exact::SolveInteraction(c.M1, 1.0, c.TetaA, c.TetaB);
    EXPECT_NEAR(r.region4.p, r.region5.p, 1e-15) << c.M1;
    EXPECT_GT(r.shockC.deflection, 0.0) << c.M1;
    EXPECT_GT(r.shockD.deflection, 0.0) << c.M1;
  }
}

// Turned by its sonic deflection, the free stream leaves region 2 neither
// sub- nor supersonic to the digits a double holds: the solve says so.
TEST(ExactNearSonic, SonicRegionBehindAnIncidentShockIsUndecided) {
  for (const double M1 : {1.000001, 1.5, 3.0}) {
    const double sonic = exact::SonicDeflection(M1) / kDegree;
    try {
      exact::SolveInteraction(M1, 1.0, sonic, 0.0);
      ADD_FAILURE() << "a result at M1 = " << M1;
    } catch (const exact::Error& error) {
      EXPECT_EQ(error.Kind(), exact::ErrorKind::BeyondPrecision) << error.what();
      EXPECT_EQ(error.KindName(), "beyond-precision");
      EXPECT_NE(std::string(error.what()).find("sonic to the precision of a double"), std::string::npos);
    }
    EXPECT_NO_THROW(exact::SolveInteraction(M1, 1.0, sonic * (1 - 1e-6), 0.0)) << M1;
    try {
      exact::SolveInteraction(M1, 1.0, sonic * (1 + 1e-6), 0.0);
      ADD_FAILURE() << "a result at M1 = " << M1;
    } catch (const exact::Error& error) {
      EXPECT_EQ(error.Kind(), exact::ErrorKind::NoRegularIntersection) << error.what();
    }
  }
}
