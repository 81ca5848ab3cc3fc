// The Mach intersection against three-shock theory and the transition
// criteria against their definitions, each computed here from the textbook
// oblique-shock relations (long double, bisection), apart from the code under test.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "exact/configuration.h"
#include "exact/criteria.h"
#include "exact/interaction.h"
#include "exact/three_shock.h"
#include "textbook_shock.h"

namespace {

using textbook::Bisect;
using textbook::kDeg;
using Real = long double;

Real PressureRatio(Real M, Real beta, Real g = 1.4L) {
  const Real Mn = M * std::sin(beta);
  return 1 + 2 * g / (g + 1) * (Mn * Mn - 1);
}

Real MachBehind(Real M, Real beta, Real g = 1.4L) {
  const Real Mn1 = M * std::sin(beta);
  const Real Mn2 = std::sqrt((1 + (g - 1) / 2 * Mn1 * Mn1) / (g * Mn1 * Mn1 - (g - 1) / 2));
  return Mn2 / std::sin(beta - textbook::Deflection(M, beta, g));
}

// The strong shock's angle for a deflection in degrees.
Real StrongBeta(Real M, Real theta_deg, Real g = 1.4L) {
  return Bisect([&](Real beta) { return theta_deg * kDeg - textbook::Deflection(M, beta, g); },
                textbook::BetaOfMax(M, g), std::numbers::pi_v<Real> / 2);
}

// Pressure behind the stem turning the free stream to direction delta (degrees).
Real StemPressure(Real M1, Real delta_deg) {
  return PressureRatio(M1, StrongBeta(M1, std::abs(delta_deg)));
}

// The symmetric criteria by bisection: thetaD where the reflected polar's tip
// reaches the axis, thetaN where the regular crossing carries the normal
// shock's pressure.
Real SymmetricDetachmentDeg(Real M1) {
  return Bisect(
      [&](Real t) { return textbook::MaxDeflectionDeg(textbook::Weak(M1, t).M2) - t; }, 1.0L,
      textbook::MaxDeflectionDeg(M1) - 1);
}
Real SymmetricVonNeumannDeg(Real M1, Real thetaD) {
  const Real normal = PressureRatio(M1, std::numbers::pi_v<Real> / 2);
  return Bisect(
      [&](Real t) {
        const textbook::Shock A = textbook::Weak(M1, t);
        return A.pressure_ratio * textbook::Weak(A.M2, t).pressure_ratio - normal;
      },
      0.1L, thetaD);
}

exact::ConfigurationKind KindAt(double M1, double TetaA, double TetaB) {
  return exact::FindConfiguration(M1, TetaA, TetaB).kind;
}

bool RegularExists(double M1, double TetaA, double TetaB) {
  try {
    exact::SolveInteraction(M1, 1.0, TetaA, TetaB);
    return true;
  } catch (const exact::Error& error) {
    EXPECT_EQ(error.Kind(), exact::ErrorKind::NoRegularIntersection) << error.what();
    return false;
  }
}

}  // namespace

TEST(MachIntersection, SymmetricTriplePointMatchesThreeShockTheory) {
  const Real M1 = 5, theta = 25;
  const textbook::Shock A = textbook::Weak(M1, theta);
  // Along the weak branch of the reflected polar, the pressure behind C less
  // that behind the stem at the same direction.
  const auto gap = [&](Real beta) {
    const Real delta = theta - textbook::Deflection(A.M2, beta, 1.4L) / kDeg;
    return A.pressure_ratio * PressureRatio(A.M2, beta) - StemPressure(M1, delta);
  };
  const Real beta_C = Bisect(gap, std::asin(1 / A.M2) + 1e-9L, textbook::BetaOfMax(A.M2, 1.4L));
  const Real theta_C = textbook::Deflection(A.M2, beta_C, 1.4L) / kDeg;
  const Real slip = theta - theta_C;
  const Real beta_stem = StrongBeta(M1, slip);

  const std::optional<exact::TriplePoint> tp = exact::SolveTriplePoint(5.0, 25.0, exact::TripleSide::A);
  ASSERT_TRUE(tp.has_value());
  EXPECT_EQ(tp->kind, exact::TriplePointKind::Direct);  // the slip line leans A's way
  EXPECT_NEAR(tp->slip_line, slip, 1e-6);
  EXPECT_NEAR(tp->transmitted.deflection, theta_C, 1e-6);
  EXPECT_NEAR(tp->transmitted.beta, beta_C / kDeg, 1e-6);
  EXPECT_NEAR(tp->behind_transmitted.M, MachBehind(A.M2, beta_C), 1e-6);
  EXPECT_NEAR(tp->behind_transmitted.p, A.pressure_ratio * PressureRatio(A.M2, beta_C), 1e-6);
  EXPECT_NEAR(tp->stem_beta, beta_stem / kDeg, 1e-6);
  EXPECT_NEAR(tp->behind_stem.M, MachBehind(M1, beta_stem), 1e-6);
  EXPECT_NEAR(tp->behind_stem.p, PressureRatio(M1, beta_stem), 1e-6);
  EXPECT_EQ(tp->behind_stem.direction, tp->slip_line);
  EXPECT_LT(tp->behind_stem.M, 1.0);

  // Triple point B of the same pattern is its mirror image.
  const exact::Configuration c = exact::FindConfiguration(5.0, 25.0, 25.0);
  ASSERT_TRUE(c.triple_point_B.has_value());
  EXPECT_NEAR(c.triple_point_B->slip_line, -slip, 1e-6);
  EXPECT_NEAR(c.triple_point_B->behind_stem.p, tp->behind_stem.p, 1e-9);
  EXPECT_EQ(c.triple_point_B->kind, exact::TriplePointKind::Direct);
}

TEST(MachIntersection, SymmetricCriteriaAndConfigurationsAroundThem) {
  for (const double M1 : {3.0, 4.0, 5.0}) {
    SCOPED_TRACE("M1 = " + std::to_string(M1));
    const Real thetaD = SymmetricDetachmentDeg(M1);
    const Real thetaN = SymmetricVonNeumannDeg(M1, thetaD);
    const exact::TransitionCriteria c = exact::FindCriteria(M1, 10.0);
    ASSERT_TRUE(c.von_neumann_symmetric && c.detachment_symmetric);
    EXPECT_NEAR(*c.von_neumann_symmetric, thetaN, 1e-9);
    EXPECT_NEAR(*c.detachment_symmetric, thetaD, 1e-9);

    const double n = static_cast<double>(thetaN), d = static_cast<double>(thetaD);
    EXPECT_EQ(KindAt(M1, n - 0.01, n - 0.01), exact::ConfigurationKind::Regular);
    EXPECT_EQ(KindAt(M1, n + 0.01, n + 0.01), exact::ConfigurationKind::Dual);
    EXPECT_EQ(KindAt(M1, d - 0.01, d - 0.01), exact::ConfigurationKind::Dual);
    EXPECT_EQ(KindAt(M1, d + 0.01, d + 0.01), exact::ConfigurationKind::Mach);
    // At thetaN the stem stands normal to the free stream at the triple point.
    const auto tp = exact::SolveTriplePoint(M1, n, exact::TripleSide::A);
    ASSERT_TRUE(tp.has_value());
    EXPECT_EQ(tp->kind, exact::TriplePointKind::Stationary) << tp->slip_line;
  }
}

TEST(MachIntersection, KnownFigures) {
  const exact::ShockPolar below(2.19), above(2.21), mach5(5.0);
  EXPECT_FALSE(exact::SymmetricVonNeumann(below).has_value());
  EXPECT_TRUE(exact::SymmetricVonNeumann(above).has_value());
  EXPECT_NEAR(*exact::SymmetricVonNeumann(mach5), 20.86, 0.005);
  EXPECT_NEAR(*exact::SymmetricDetachment(mach5), 27.77, 0.005);
}

TEST(MachIntersection, VonNeumannPutsTheRegularCrossingOnTheStrongBranch) {
  struct Case {
    double M1, TetaA;
  };
  for (const Case k : {Case{3.0, 10.0}, Case{4.0, 25.0}, Case{5.0, 15.0}, Case{5.0, 35.0},
                       Case{3.0, 30.0}}) {
    SCOPED_TRACE("M1 = " + std::to_string(k.M1) + ", TetaA = " + std::to_string(k.TetaA));
    const std::optional<double> tb = exact::VonNeumannTetaB(exact::ShockPolar(k.M1), k.TetaA);
    ASSERT_TRUE(tb.has_value());
    const exact::Interaction r = exact::SolveInteraction(k.M1, 1.0, k.TetaA, *tb);
    EXPECT_NEAR(r.region4.p, StemPressure(k.M1, r.Fi), 1e-9);
    // Just before it the crossing lies below the strong branch, just after above.
    const exact::Interaction before = exact::SolveInteraction(k.M1, 1.0, k.TetaA, *tb - 0.01);
    EXPECT_LT(before.region4.p, StemPressure(k.M1, before.Fi));
    const exact::Interaction after = exact::SolveInteraction(k.M1, 1.0, k.TetaA, *tb + 0.01);
    EXPECT_GT(after.region4.p, StemPressure(k.M1, after.Fi));
  }
  // Near the free stream's direction A barely turns the flow: the crossing
  // never leaves the inside of the free-stream polar.
  EXPECT_FALSE(exact::VonNeumannTetaB(exact::ShockPolar(3.0), 1.0).has_value());
}

TEST(MachIntersection, DetachmentIsWhereThePolarsStopCrossing) {
  struct Case {
    double M1, TetaA;
  };
  // Symmetric-like, the region-3 polar ending first, the region-2 polar ending first.
  for (const Case k : {Case{5.0, 20.0}, Case{3.0, 15.901}, Case{3.0, 30.0}, Case{2.0, 5.0},
                       Case{5.0, 40.0}}) {
    SCOPED_TRACE("M1 = " + std::to_string(k.M1) + ", TetaA = " + std::to_string(k.TetaA));
    const std::optional<double> tb = exact::DetachmentTetaB(exact::ShockPolar(k.M1), k.TetaA);
    ASSERT_TRUE(tb.has_value());
    EXPECT_TRUE(RegularExists(k.M1, k.TetaA, *tb - 1e-6));
    EXPECT_FALSE(RegularExists(k.M1, k.TetaA, *tb + 1e-6));
  }
}

TEST(MachIntersection, ConfigurationsTellTheirReasons) {
  // Low Mach number: beyond detachment the three-shock equations have no solution.
  const exact::Configuration low = exact::FindConfiguration(2.0, 14.0, 14.0);
  EXPECT_EQ(low.kind, exact::ConfigurationKind::None);
  EXPECT_FALSE(low.triple_point_A || low.triple_point_B);
  EXPECT_NE(low.reason.find("neither triple point"), std::string::npos) << low.reason;

  const exact::Configuration detached = exact::FindConfiguration(5.0, 42.0, 1.0);
  EXPECT_EQ(detached.kind, exact::ConfigurationKind::None);
  EXPECT_NE(detached.reason.find("42.00\u00b0 exceeds the largest, 41.12\u00b0"), std::string::npos)
      << detached.reason;

  // Just beyond detachment the polars still cross, with D on its strong branch.
  const exact::Configuration strong = exact::FindConfiguration(3.0, 15.901, 26.123);
  EXPECT_EQ(strong.kind, exact::ConfigurationKind::Mach);
  EXPECT_NE(strong.note.find("only with shock D on its strong branch"), std::string::npos)
      << strong.note;
  // Triple point A of a weak shock A is inverse, B's is direct.
  ASSERT_TRUE(strong.triple_point_A && strong.triple_point_B);
  EXPECT_EQ(strong.triple_point_A->kind, exact::TriplePointKind::Inverse);
  EXPECT_EQ(strong.triple_point_B->kind, exact::TriplePointKind::Direct);
  EXPECT_LT(strong.triple_point_A->stem_beta, 180.0);
  EXPECT_GT(strong.triple_point_A->stem_beta, 90.0);

  const exact::Configuration regular = exact::FindConfiguration(3.0, 10.0, 5.0);
  EXPECT_EQ(regular.kind, exact::ConfigurationKind::Regular);
  EXPECT_TRUE(regular.note.empty());
  EXPECT_NE(regular.reason.find("Fi = 4.98\u00b0"), std::string::npos) << regular.reason;
}
