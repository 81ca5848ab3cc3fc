#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "exact/interaction.h"
#include "exact/root.h"
#include "exact/shock.h"
#include "shown_word.h"
#include "textbook_shock.h"

namespace {

using textbook::kDegree;

struct Failure {
  exact::ErrorKind kind;
  std::string message;
};

// Runs a solve that must fail and returns how; a returned result is a test failure.
Failure FailureOf(double M1, double p1, double TetaA, double TetaB) {
  try {
    const exact::Interaction result = exact::SolveInteraction(M1, p1, TetaA, TetaB);
    ADD_FAILURE() << "a result, Fi = " << result.Fi << ", where none exists";
  } catch (const exact::Error& error) {
    return {error.Kind(), error.what()};
  }
  return {exact::ErrorKind::NotConverged, ""};
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// What every solution must be: one pressure and one direction on the two
// sides of the slip line, each shock turning its region onto it.
void ExpectSlipLine(const exact::Interaction& r) {
  EXPECT_NEAR(r.region4.p, r.region5.p, 1e-11 * r.region4.p);
  EXPECT_EQ(r.region4.direction, r.Fi);
  EXPECT_EQ(r.region5.direction, r.Fi);
  EXPECT_NEAR(r.region2.direction - r.shockC.deflection, r.Fi, 1e-12);
  EXPECT_NEAR(r.region3.direction + r.shockD.deflection, r.Fi, 1e-12);
  EXPECT_GE(r.shockC.deflection, 0.0);
  EXPECT_GE(r.shockD.deflection, 0.0);
  EXPECT_LE(r.shockC.deflection, r.limits2.max_deflection);
  EXPECT_LE(r.shockD.deflection, r.limits3.max_deflection);
}

}  // namespace

TEST(ExactInteraction, Mach3Deflections10And5) {
  const exact::Interaction r = exact::SolveInteraction(3.0, 1.0, 10.0, 5.0);
  EXPECT_NEAR(r.Fi, 4.979847, 0.5e-6);
  EXPECT_NEAR(r.region4.p, 2.840072, 0.5e-6);
  EXPECT_NEAR(r.region5.p, 2.840072, 0.5e-6);
  ExpectSlipLine(r);
  // The incident shocks are the single shocks of the free stream.
  EXPECT_NEAR(r.shockA.beta, 27.382691, 0.5e-6);
  EXPECT_NEAR(r.region2.M, 2.505001, 0.5e-6);
  EXPECT_NEAR(r.region2.p, 2.054472, 0.5e-6);
  EXPECT_EQ(r.region2.direction, 10.0);
  EXPECT_EQ(r.region3.direction, -5.0);
  EXPECT_EQ(r.region1.p, 1.0);
  EXPECT_EQ(r.region1.M, 3.0);
  // Regions 4 and 5 follow from regions 2 and 3 through single weak shocks.
  const exact::ShockSolution C = exact::WeakShock(r.region2.M, r.shockC.deflection * kDegree);
  const exact::ShockSolution D = exact::WeakShock(r.region3.M, r.shockD.deflection * kDegree);
  EXPECT_NEAR(r.region4.p, r.region2.p * C.pressure_ratio, 1e-12);
  EXPECT_NEAR(r.region5.p, r.region3.p * D.pressure_ratio, 1e-12);
  EXPECT_NEAR(r.region4.M, C.M2, 1e-12);
  EXPECT_NEAR(r.shockD.beta, D.beta / kDegree, 1e-10);
  EXPECT_GT(r.evaluations, 2);
  EXPECT_LE(r.evaluations, 12);
}

TEST(ExactInteraction, Mach2Deflections15And10) {
  const exact::Interaction r = exact::SolveInteraction(2.0, 1.0, 15.0, 10.0);
  EXPECT_NEAR(r.Fi, 5.00345, 0.5e-5);
  EXPECT_NEAR(r.region4.p, 3.77054, 0.5e-5);
  EXPECT_NEAR(r.region5.p, 3.77054, 0.5e-5);
  ExpectSlipLine(r);
}

TEST(ExactInteraction, EqualDeflectionsGiveAStraightSlipLine) {
  const exact::Interaction r = exact::SolveInteraction(3.0, 1.0, 10.0, 10.0);
  EXPECT_NEAR(r.Fi, 0.0, 1e-9);
  EXPECT_DOUBLE_EQ(r.region4.p, r.region5.p);
  ExpectSlipLine(r);
}

TEST(ExactInteraction, StrongerShockBTurnsTheSlipLineTheOtherWay) {
  const exact::Interaction r = exact::SolveInteraction(3.0, 1.0, 5.0, 10.0);
  EXPECT_NEAR(r.Fi, -4.979847, 0.5e-6);
  EXPECT_NEAR(r.region4.p, 2.840072, 0.5e-6);
  ExpectSlipLine(r);
}

TEST(ExactInteraction, SwappingTheShocksMirrorsThePattern) {
  struct Case {
    double M1, TetaA, TetaB;
  };
  for (const Case c : {Case{3.0, 10.0, 5.0}, Case{2.0, 15.0, 10.0}, Case{5.0, 3.0, 25.0},
                       Case{1.6, 6.0, 2.0}}) {
    const exact::Interaction r = exact::SolveInteraction(c.M1, 1.0, c.TetaA, c.TetaB);
    const exact::Interaction m = exact::SolveInteraction(c.M1, 1.0, c.TetaB, c.TetaA);
    EXPECT_NEAR(m.Fi, -r.Fi, 1e-11 * std::abs(r.Fi)) << c.M1;
    EXPECT_NEAR(m.region4.p, r.region5.p, 1e-11 * r.region5.p) << c.M1;
    EXPECT_NEAR(m.region5.M, r.region4.M, 1e-11) << c.M1;
    EXPECT_NEAR(m.shockC.deflection, r.shockD.deflection, 1e-10) << c.M1;
    EXPECT_NEAR(m.shockD.beta, r.shockC.beta, 1e-10) << c.M1;
    EXPECT_EQ(m.limits2.max_deflection, r.limits3.max_deflection) << c.M1;
    ExpectSlipLine(r);
    ExpectSlipLine(m);
  }
}

TEST(ExactInteraction, PressuresScaleWithFreeStreamPressure) {
  const exact::Interaction unit = exact::SolveInteraction(3.0, 1.0, 10.0, 5.0);
  const exact::Interaction pascal = exact::SolveInteraction(3.0, 101325.0, 10.0, 5.0);
  EXPECT_EQ(pascal.Fi, unit.Fi);
  EXPECT_NEAR(pascal.region2.p, 101325.0 * unit.region2.p, 1e-12 * pascal.region2.p);
  EXPECT_NEAR(pascal.region3.p, 101325.0 * unit.region3.p, 1e-12 * pascal.region3.p);
  EXPECT_NEAR(pascal.region4.p, 101325.0 * unit.region4.p, 1e-12 * pascal.region4.p);
  EXPECT_NEAR(pascal.region5.p, 101325.0 * unit.region5.p, 1e-12 * pascal.region5.p);
  EXPECT_EQ(pascal.region4.M, unit.region4.M);
}

TEST(ExactInteraction, ReportsTheLimitsOfRegionsOneToThree) {
  const exact::Interaction r = exact::SolveInteraction(3.0, 1.0, 10.0, 5.0);
  EXPECT_NEAR(r.limits1.max_deflection, 34.073440, 0.5e-6);
  EXPECT_NEAR(r.limits1.sonic_deflection, 34.008345, 0.5e-6);
  EXPECT_NEAR(r.limits2.max_deflection, exact::MaxDeflection(r.region2.M).theta / kDegree, 1e-12);
  EXPECT_NEAR(r.limits3.max_deflection, exact::MaxDeflection(r.region3.M).theta / kDegree, 1e-12);
  EXPECT_NEAR(r.limits2.sonic_deflection, exact::SonicDeflection(r.region2.M) / kDegree, 1e-12);
  EXPECT_NEAR(r.limits3.max_beta, exact::MaxDeflection(r.region3.M).beta / kDegree, 1e-12);
  // Region 2 is slower than region 3, so it allows less turning.
  EXPECT_LT(r.limits2.max_deflection, r.limits3.max_deflection);
}

TEST(ExactInteraction, WaveOfZeroStrength) {
  // Without shock B the pattern is shock A alone: C vanishes and D repeats A.
  const exact::Interaction r = exact::SolveInteraction(3.0, 1.0, 10.0, 0.0);
  EXPECT_EQ(r.Fi, 10.0);
  EXPECT_EQ(r.shockC.deflection, 0.0);
  EXPECT_EQ(r.region4.p, r.region2.p);
  EXPECT_EQ(r.region5.p, r.region2.p);
  // Without either shock nothing happens, and the slip line runs straight on.
  const exact::Interaction none = exact::SolveInteraction(3.0, 1.0, 0.0, 0.0);
  EXPECT_EQ(none.Fi, 0.0);
  EXPECT_FALSE(std::signbit(none.Fi));
  EXPECT_EQ(none.region4.p, 1.0);
  EXPECT_EQ(none.region5.M, 3.0);
}

TEST(ExactInteraction, OtherGas) {
  const exact::Interaction r = exact::SolveInteraction(3.0, 1.0, 10.0, 5.0, 5.0 / 3.0);
  ExpectSlipLine(r);
  EXPECT_NEAR(r.limits1.max_deflection, exact::MaxDeflection(3.0, 5.0 / 3.0).theta / kDegree, 1e-12);
  // The gas reaches the incident shocks too.
  const exact::ShockSolution A = exact::WeakShock(3.0, 10.0 * kDegree, 5.0 / 3.0);
  EXPECT_EQ(r.region2.p, A.pressure_ratio);
  EXPECT_EQ(r.region2.M, A.M2);
  EXPECT_NE(r.region2.p, exact::SolveInteraction(3.0, 1.0, 10.0, 5.0).region2.p);
}

TEST(ExactInteraction, RegionTwoPolarEndsFirst) {
  // Shock A leaves region 2 barely supersonic; shock C detaches before p4 reaches p5.
  const Failure f = FailureOf(1.6, 1.0, 13.5, 1.0);
  EXPECT_EQ(f.kind, exact::ErrorKind::NoRegularIntersection);
  EXPECT_TRUE(Contains(f.message, "no regular intersection")) << f.message;
  EXPECT_TRUE(Contains(f.message, "region-2 polar ends first")) << f.message;
  EXPECT_TRUE(Contains(f.message, "shock C would detach beyond 0.75\u00b0 at M2 = 1.062")) << f.message;
}

TEST(ExactInteraction, RegionThreePolarEndsFirst) {
  const Failure f = FailureOf(1.6, 1.0, 1.0, 13.5);
  EXPECT_EQ(f.kind, exact::ErrorKind::NoRegularIntersection);
  EXPECT_TRUE(Contains(f.message, "region-3 polar ends first")) << f.message;
  EXPECT_TRUE(Contains(f.message, "shock D would detach beyond 0.75\u00b0 at M3 = 1.062")) << f.message;
}

TEST(ExactInteraction, TransmittedShocksCannotShareTheTurn) {
  const Failure f = FailureOf(1.5, 1.0, 10.0, 10.0);
  EXPECT_EQ(f.kind, exact::ErrorKind::NoRegularIntersection);
  EXPECT_EQ(f.message,
            "no regular intersection: shocks C and D together turn the flow back by at most "
            "1.83\u00b0 + 1.83\u00b0 (detachment at M2 = 1.114 and M3 = 1.114), less than "
            "TetaA + TetaB = 20.00\u00b0");
}

TEST(ExactInteraction, SubsonicRegionTwoTakesNoShock) {
  const Failure f = FailureOf(1.5, 1.0, 12.0, 2.0);
  EXPECT_EQ(f.kind, exact::ErrorKind::NoRegularIntersection);
  EXPECT_TRUE(Contains(f.message, "behind shock A is subsonic (M2 = 0.961)")) << f.message;
}

TEST(ExactInteraction, JustInsideTheRegularRangeStillSolves) {
  // A little weaker shock A than above: the polars cross close to C's detachment.
  const exact::Interaction r = exact::SolveInteraction(1.6, 1.0, 13.4, 1.0);
  ExpectSlipLine(r);
  EXPECT_GT(r.shockC.deflection, 0.9 * r.limits2.max_deflection);
}

TEST(ExactInteraction, CrossingAtTheVeryEndOfAPolar) {
  // Bisect TetaA between a crossing (13.4) and none (13.5) down to the last
  // bits: the crossing slides onto C's detachment, where p4 climbs as the
  // square root of the distance to it. Every step either solves with one
  // pressure and an attached C, or reports no regular intersection.
  double solves = 13.4;
  double fails = 13.5;
  for (int step = 0; step < 60; ++step) {
    const double TetaA = (solves + fails) / 2;
    try {
      const exact::Interaction r = exact::SolveInteraction(1.6, 1.0, TetaA, 1.0);
      EXPECT_NEAR(r.region4.p, r.region5.p, 1e-7 * r.region4.p) << TetaA;
      EXPECT_LE(r.shockC.deflection, r.limits2.max_deflection) << TetaA;
      solves = TetaA;
    } catch (const exact::Error& error) {
      ASSERT_EQ(error.Kind(), exact::ErrorKind::NoRegularIntersection) << TetaA << ": " << error.what();
      fails = TetaA;
    }
  }
  // The boundary: at it C turns the flow by its whole largest deflection.
  const exact::Interaction edge = exact::SolveInteraction(1.6, 1.0, solves, 1.0);
  EXPECT_NEAR(edge.shockC.deflection, edge.limits2.max_deflection, 1e-6);
  EXPECT_NEAR(solves, 13.443037, 1e-6);
}

TEST(ExactInteraction, DetachedIncidentShock) {
  const Failure a = FailureOf(3.0, 1.0, 40.0, 5.0);
  EXPECT_EQ(a.kind, exact::ErrorKind::Detached);
  EXPECT_EQ(a.message,
            "Teta-A = 40\u00b0 is beyond the largest deflection of an attached shock at M1 = 3 (34.07\u00b0)");
  const Failure b = FailureOf(3.0, 1.0, 5.0, 34.1);
  EXPECT_EQ(b.kind, exact::ErrorKind::Detached);
  EXPECT_TRUE(Contains(b.message, "Teta-B = 34.1\u00b0 is beyond")) << b.message;
  try {
    exact::SolveInteraction(3.0, 1.0, 40.0, 5.0);
  } catch (const exact::Error& error) {
    EXPECT_EQ(error.KindName(), "detached");
  }
}

TEST(ExactInteraction, RejectsBadInput) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FailureOf(1.0, 1.0, 10.0, 5.0).kind, exact::ErrorKind::InvalidInput);
  EXPECT_EQ(FailureOf(0.8, 1.0, 10.0, 5.0).kind, exact::ErrorKind::InvalidInput);
  EXPECT_EQ(FailureOf(kNaN, 1.0, 10.0, 5.0).kind, exact::ErrorKind::InvalidInput);
  EXPECT_EQ(FailureOf(3.0, 0.0, 10.0, 5.0).kind, exact::ErrorKind::InvalidInput);
  EXPECT_EQ(FailureOf(3.0, -1.0, 10.0, 5.0).kind, exact::ErrorKind::InvalidInput);
  EXPECT_EQ(FailureOf(3.0, 1.0, -1.0, 5.0).kind, exact::ErrorKind::InvalidInput);
  EXPECT_EQ(FailureOf(3.0, 1.0, 10.0, kNaN).kind, exact::ErrorKind::InvalidInput);
  const Failure f = FailureOf(0.8, 1.0, 10.0, 5.0);
  EXPECT_EQ(f.message, "M1 = 0.8: the free stream must be supersonic (M1 > 1) for a shock to stand in it");
  EXPECT_EQ(exact::KindName(exact::ErrorKind::InvalidInput), "invalid-input");
  EXPECT_EQ(exact::KindName(exact::ErrorKind::NoRegularIntersection), "no-regular-intersection");
}

// The bracketed search on its own.
TEST(ExactRootSearch, FindsACubeRootToTheTolerance) {
  int calls = 0;
  const auto f = [&](double x) {
    ++calls;
    return x * x * x - 2.0;
  };
  const exact::RootBracket r = exact::Toms748Solve(f, 0.0, 2.0, exact::Tolerance{1e-12, 0.0}, 50);
  EXPECT_TRUE(r.converged);
  EXPECT_EQ(r.evaluations, calls);
  EXPECT_LE(r.upper - r.lower, 1e-12 * r.lower);
  EXPECT_LE(r.lower, std::cbrt(2.0));
  EXPECT_GE(r.upper, std::cbrt(2.0));
  EXPECT_LE(calls, 15);
}

TEST(ExactRootSearch, EndsAtARootAtZero) {
  const auto f = [](double x) { return std::sin(x); };
  const exact::RootBracket r = exact::Toms748Solve(f, -1.0, 2.0, exact::Tolerance{1e-12, 1e-15}, 50);
  EXPECT_TRUE(r.converged);
  EXPECT_LE(std::abs(r.lower), 1e-15);
  EXPECT_LE(std::abs(r.upper), 1e-15);
}

TEST(ExactRootSearch, SurvivesATripleRoot) {
  // Interpolation gains little on (x - 1/3)^3; the bisections keep it moving.
  const auto f = [](double x) { return std::pow(x - 1.0 / 3.0, 3); };
  const exact::RootBracket r = exact::Toms748Solve(f, 0.0, 1.0, exact::Tolerance{1e-10, 0.0}, 200);
  EXPECT_TRUE(r.converged);
  EXPECT_NEAR((r.lower + r.upper) / 2, 1.0 / 3.0, 1e-9);
}

TEST(ExactRootSearch, StopsWhenTheBudgetIsUsedUp) {
  const auto f = [](double x) { return std::pow(x - 1.0 / 3.0, 3); };
  const exact::RootBracket r = exact::Toms748Solve(f, 0.0, 1.0, exact::Tolerance{1e-15, 0.0}, 5);
  EXPECT_FALSE(r.converged);
  EXPECT_EQ(r.evaluations, 5);
  EXPECT_LT(r.lower, 1.0 / 3.0);
  EXPECT_GT(r.upper, 1.0 / 3.0);
}

TEST(ExactRootSearch, ARootAtAnEndNeedsNoEvaluation) {
  int calls = 0;
  const auto f = [&](double x) {
    ++calls;
    return x;
  };
  const exact::RootBracket r = exact::Toms748Solve(f, 0.0, 1.0, 0.0, 1.0, exact::Tolerance{}, 10);
  EXPECT_TRUE(r.converged);
  EXPECT_EQ(r.lower, 0.0);
  EXPECT_EQ(r.upper, 0.0);
  EXPECT_EQ(calls, 0);
}

TEST(ExactRootSearch, RefusesABracketWithoutSignChange) {
  const auto f = [](double x) { return x * x + 1.0; };
  try {
    exact::Toms748Solve(f, -1.0, 2.0, exact::Tolerance{}, 10);
    FAIL() << "no error";
  } catch (const exact::Error& error) {
    EXPECT_EQ(error.Kind(), exact::ErrorKind::InvalidInput);
    EXPECT_STREQ(error.what(), "root search: no sign change on [-1, 2]: f = 2 and 5");
  }
}

TEST(ExactInteraction, CrossingAtTheTipOfAPolarIsMonotone) {
  // Near the end of the regular domain D turns by its largest deflection. The
  // reported case, 1e-9 inside that end, and its neighbours all solve; beyond
  // the end every TetaB fails, and no failure lies between two solutions. A
  // failure within 1e-9 of the pressure says it is at the limit, with
  // pressures shown to as many digits as tell them apart.
  const double M1 = 1.227662328206651, TetaA = 0.5429465592006528, gamma = 1.3;
  const double reported = 4.116444173179394;
  for (const double TetaB : {4.1164441731, reported, 4.116444177}) {
    const exact::Interaction r = exact::SolveInteraction(M1, 1.0, TetaA, TetaB, gamma);
    EXPECT_NEAR(r.region4.p, r.region5.p, 1e-7 * r.region4.p) << TetaB;
    EXPECT_NEAR(r.shockD.deflection, r.limits3.max_deflection, 1e-8) << TetaB;
  }
  bool failed = false;
  int at_limit = 0;
  for (int step = 0; step <= 400; ++step) {
    const double TetaB = reported * (1 + step * 1e-11);
    try {
      const exact::Interaction r = exact::SolveInteraction(M1, 1.0, TetaA, TetaB, gamma);
      EXPECT_FALSE(failed) << "a solution beyond a failure at TetaB = " << TetaB;
      // At the tip one rounding of Fi moves p5 by the square root of it.
      EXPECT_NEAR(r.region4.p, r.region5.p, 1e-7 * r.region4.p) << TetaB;
      EXPECT_LE(r.shockD.deflection, r.limits3.max_deflection) << TetaB;
    } catch (const exact::Error& error) {
      failed = true;
      const std::string message = error.what();
      ASSERT_EQ(error.Kind(), exact::ErrorKind::NoRegularIntersection) << message;
      EXPECT_TRUE(Contains(message, "region-3 polar ends first")) << message;
      const std::string p5 = WordAfter(message, "p5 = "), p4 = WordAfter(message, "still below p4 = ");
      ASSERT_FALSE(p5.empty() || p4.empty()) << message;
      EXPECT_LT(std::stod(p5), std::stod(p4)) << message;
      if (Contains(message, "at the limit of the regular domain")) ++at_limit;
    }
  }
  EXPECT_TRUE(failed) << "the sweep did not cross the end of the regular domain";
  EXPECT_GT(at_limit, 0);
}
