#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "exact/polar_curve.h"

namespace {

// Textbook oblique-shock relations in long double, apart from the code under test.
struct Textbook {
  long double theta, p, M2;
};
Textbook TextbookShock(long double M, long double beta, long double g) {
  const long double s = std::sin(beta);
  const long double theta =
      std::atan(2 * (std::cos(beta) / s) * (M * M * s * s - 1) / (M * M * (g + std::cos(2 * beta)) + 2));
  const long double Mn1 = M * s;
  const long double Mn2 = std::sqrt((1 + (g - 1) / 2 * Mn1 * Mn1) / (g * Mn1 * Mn1 - (g - 1) / 2));
  return {theta, 1 + 2 * g / (g + 1) * (Mn1 * Mn1 - 1), Mn2 / std::sin(beta - theta)};
}

}  // namespace

// Every point of both branches lies on the closed-form relations; the weak
// branch rises to the largest deflection and the strong one falls from it.
TEST(ExactPolarCurve, PointsLieOnTheShockRelations) {
  for (const double g : {1.3, 1.4, 5.0 / 3.0}) {
    for (const double M : {1.2, 3.0, 8.0}) {
      const exact::ShockPolar polar(M, g);
      const exact::PolarBranches curve = exact::PolarCurve(polar, 60);
      ASSERT_EQ(curve.weak.size(), 60u);
      ASSERT_EQ(curve.strong.size(), 60u);
      for (const auto* branch : {&curve.weak, &curve.strong}) {
        for (const exact::PolarPoint& point : *branch) {
          const Textbook t = TextbookShock(M, point.beta, g);
          EXPECT_NEAR(point.theta, static_cast<double>(t.theta), 1e-12) << M << " " << point.beta;
          EXPECT_NEAR(point.pressure_ratio, static_cast<double>(t.p), 1e-12 * point.pressure_ratio);
          if (point.theta > 0) {
            EXPECT_NEAR(point.M2, static_cast<double>(t.M2), 1e-11 * point.M2);
          }
        }
      }
      for (std::size_t i = 1; i < 60; ++i) {
        EXPECT_GT(curve.weak[i].theta, curve.weak[i - 1].theta);
        EXPECT_LT(curve.strong[i].theta, curve.strong[i - 1].theta);
      }
      EXPECT_EQ(curve.weak.front().theta, 0.0);
      EXPECT_EQ(curve.weak.front().pressure_ratio, 1.0);
      EXPECT_EQ(curve.weak.back().theta, polar.MaxDeflection().theta);
      EXPECT_EQ(curve.strong.back().theta, 0.0);
      EXPECT_NEAR(curve.strong.back().pressure_ratio, (2 * g * M * M - (g - 1)) / (g + 1), 1e-12 * M * M);
      // Near the tip the angles crowd: the last weak step is far shorter than the first.
      EXPECT_LT(curve.weak[59].beta - curve.weak[58].beta, 0.1 * (curve.weak[1].beta - curve.weak[0].beta));
    }
  }
}
