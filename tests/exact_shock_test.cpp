#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "exact/shock.h"
#include "textbook_shock.h"

namespace {

using textbook::kDegree;

// The theta-beta-M relation as textbooks write it, in long double and apart
// from the code under test:
//   tan(theta) = 2 cot(beta) (M^2 sin^2(beta) - 1) / (M^2 (gamma + cos(2 beta)) + 2)
long double DeflectionFromAngle(long double M, long double beta, long double gamma) {
  const long double s = std::sin(beta);
  return std::atan(2 * (std::cos(beta) / s) * (M * M * s * s - 1) /
                   (M * M * (gamma + std::cos(2 * beta)) + 2));
}

// The largest deflection by golden-section search over the shock angle, and
// the angle where it is reached.
struct NumericMax {
  long double theta;
  long double beta;
};
NumericMax MaximiseDeflection(double M, double gamma) {
  const long double phi = (std::sqrt(5.0L) - 1) / 2;
  long double a = std::asin(1.0L / M);
  long double b = std::numbers::pi_v<long double> / 2;
  for (int i = 0; i < 200; ++i) {
    const long double c = b - phi * (b - a);
    const long double d = a + phi * (b - a);
    if (DeflectionFromAngle(M, c, gamma) < DeflectionFromAngle(M, d, gamma)) {
      a = c;
    } else {
      b = d;
    }
  }
  const long double beta = (a + b) / 2;
  return {DeflectionFromAngle(M, beta, gamma), beta};
}

exact::ErrorKind KindOf(double M, double theta, double gamma = exact::kGammaAir) {
  try {
    exact::WeakShock(M, theta, gamma);
  } catch (const exact::Error& error) {
    return error.Kind();
  }
  ADD_FAILURE() << "no error for M = " << M << ", theta = " << theta << ", gamma = " << gamma;
  return exact::ErrorKind::NotConverged;
}

const std::vector<double> kMachs{1.05, 1.5, 2.0, 3.0, 5.0, 10.0, 50.0};
const std::vector<double> kGammas{1.3, exact::kGammaAir, 5.0 / 3.0};

}  // namespace

// Figures to the digits given: angles in degrees.
TEST(ExactShock, WeakAndStrongAtMach3Deflection10) {
  const exact::ShockSolution weak = exact::WeakShock(3.0, 10 * kDegree);
  const exact::ShockSolution strong = exact::StrongShock(3.0, 10 * kDegree);
  EXPECT_NEAR(weak.beta / kDegree, 27.382691, 0.5e-6);
  EXPECT_NEAR(strong.beta / kDegree, 86.4083, 0.5e-4);
  EXPECT_NEAR(weak.M2, 2.505001, 0.5e-6);
  EXPECT_NEAR(weak.pressure_ratio, 2.054472, 0.5e-6);
  const exact::ShockAngles both = exact::ShockAnglesFor(3.0, 10 * kDegree);
  EXPECT_DOUBLE_EQ(both.weak, weak.beta);
  EXPECT_DOUBLE_EQ(both.strong, strong.beta);
  // Behind the strong shock the flow is subsonic and nearly normal-shocked.
  EXPECT_NEAR(strong.M2, 0.489242, 0.5e-6);
  EXPECT_NEAR(strong.pressure_ratio, 10.292125, 0.5e-6);
}

TEST(ExactShock, WeakAtMach3Deflection30) {
  const exact::ShockSolution weak = exact::WeakShock(3.0, 30 * kDegree);
  EXPECT_NEAR(weak.beta / kDegree, 52.013840, 0.5e-6);
  EXPECT_NEAR(weak.M2, 1.405934, 0.5e-6);
  EXPECT_NEAR(weak.pressure_ratio, 6.355884, 0.5e-6);
}

TEST(ExactShock, ZeroDeflectionIsTheMachWaveAndTheNormalShock) {
  for (const double M : kMachs) {
    const exact::ShockSolution weak = exact::WeakShock(M, 0.0);
    EXPECT_DOUBLE_EQ(weak.beta, std::asin(1.0 / M)) << M;
    EXPECT_DOUBLE_EQ(weak.M2, M) << M;
    EXPECT_EQ(weak.pressure_ratio, 1.0) << M;
    const exact::ShockSolution strong = exact::StrongShock(M, 0.0);
    EXPECT_DOUBLE_EQ(strong.beta, std::numbers::pi / 2) << M;
    // The normal shock: M2^2 = (1 + 0.2 M^2) / (1.4 M^2 - 0.2), p2/p1 = (7 M^2 - 1) / 6.
    EXPECT_NEAR(strong.M2, std::sqrt((1 + 0.2 * M * M) / (1.4 * M * M - 0.2)), 1e-14) << M;
    EXPECT_NEAR(strong.pressure_ratio, (7 * M * M - 1) / 6, 1e-13 * M * M) << M;
  }
}

TEST(ExactShock, LargestDeflectionForAir) {
  EXPECT_NEAR(exact::MaxDeflection(1.5).theta / kDegree, 12.112669, 0.5e-6);
  EXPECT_NEAR(exact::MaxDeflection(2.0).theta / kDegree, 22.973532, 0.5e-6);
  EXPECT_NEAR(exact::MaxDeflection(3.0).theta / kDegree, 34.073440, 0.5e-6);
  EXPECT_NEAR(exact::MaxDeflection(5.0).theta / kDegree, 41.117663, 0.5e-6);
}

TEST(ExactShock, SonicDeflectionAtMach3) {
  // 34.008345 degrees: M2 = 1 solved by bisection on the shock angle in long
  // double gives the same to 12 digits.
  const double sonic = exact::SonicDeflection(3.0);
  EXPECT_NEAR(sonic / kDegree, 34.008345, 0.5e-6);
  EXPECT_NEAR(exact::WeakShock(3.0, sonic).M2, 1.0, 1e-9);
}

TEST(ExactShock, SonicDeflectionLeavesSonicFlowForEveryGas) {
  for (const double gamma : kGammas) {
    for (const double M : kMachs) {
      const exact::ShockPolar polar(M, gamma);
      const double sonic = polar.SonicDeflection();
      EXPECT_NEAR(polar.Weak(sonic).M2, 1.0, 1e-8) << M << " " << gamma;
      // It lies on the weak branch, just below the largest deflection.
      EXPECT_GT(sonic, 0.0);
      EXPECT_LT(sonic, polar.MaxDeflection().theta);
      EXPECT_GT(polar.Weak(0.999 * sonic).M2, 1.0);
    }
  }
}

TEST(ExactShock, LargestDeflectionMatchesNumericMaximumForOtherGases) {
  for (const double gamma : {1.3, 5.0 / 3.0, 1.4}) {
    for (const double M : {1.2, 1.5, 2.0, 3.0, 5.0, 20.0}) {
      const exact::DeflectionLimit limit = exact::MaxDeflection(M, gamma);
      const NumericMax numeric = MaximiseDeflection(M, gamma);
      EXPECT_NEAR(limit.theta, static_cast<double>(numeric.theta), 1e-13) << M << " " << gamma;
      // The maximum is flat: its angle is known to about the square root of the precision.
      EXPECT_NEAR(limit.beta, static_cast<double>(numeric.beta), 1e-8) << M << " " << gamma;
    }
  }
  // Figures of the two other gases, to the digits of the numeric maximum.
  EXPECT_NEAR(exact::MaxDeflection(3.0, 1.3).theta / kDegree, 37.068538, 0.5e-6);
  EXPECT_NEAR(exact::MaxDeflection(3.0, 5.0 / 3.0).theta / kDegree, 28.139742, 0.5e-6);
}

TEST(ExactShock, WeakBelowLimitAngleBelowStrong) {
  for (const double gamma : kGammas) {
    for (const double M : kMachs) {
      const exact::ShockPolar polar(M, gamma);
      const exact::DeflectionLimit limit = polar.MaxDeflection();
      for (const double fraction : {1e-9, 0.01, 0.3, 0.7, 0.99, 0.999999, 1 - 1e-12}) {
        const exact::ShockAngles angles = polar.Angles(fraction * limit.theta);
        EXPECT_LT(angles.weak, limit.beta) << M << " " << gamma << " " << fraction;
        EXPECT_GT(angles.strong, limit.beta) << M << " " << gamma << " " << fraction;
        EXPECT_GT(angles.weak, std::asin(1.0 / M)) << M << " " << gamma << " " << fraction;
      }
      // At the limit itself the two shocks are one.
      const exact::ShockAngles at_limit = polar.Angles(limit.theta);
      EXPECT_DOUBLE_EQ(at_limit.weak, limit.beta);
      EXPECT_DOUBLE_EQ(at_limit.strong, limit.beta);
    }
  }
}

TEST(ExactShock, AnglesSatisfyTheRelation) {
  for (const double gamma : kGammas) {
    for (const double M : kMachs) {
      const double limit = exact::MaxDeflection(M, gamma).theta;
      // From the Mach wave's neighbourhood to the detachment's.
      for (const double fraction :
           {1e-12, 1e-8, 1e-4, 0.01, 0.1, 0.25, 0.5, 0.75, 0.9, 0.99, 0.9999, 1 - 1e-8, 1.0}) {
        const double theta = fraction * limit;
        const exact::ShockAngles angles = exact::ShockAnglesFor(M, theta, gamma);
        EXPECT_NEAR(static_cast<double>(DeflectionFromAngle(M, angles.weak, gamma)), theta, 1e-12)
            << "weak " << M << " " << gamma << " " << fraction;
        EXPECT_NEAR(static_cast<double>(DeflectionFromAngle(M, angles.strong, gamma)), theta, 1e-12)
            << "strong " << M << " " << gamma << " " << fraction;
      }
    }
  }
}

TEST(ExactShock, PressureRatioAndMachFollowTheNormalShock) {
  // Behind any shock: p2/p1 = 1 + 2 gamma/(gamma+1) (Mn1^2 - 1) and
  // M2 sin(beta - theta) = Mn2 from the normal-shock relation.
  for (const double gamma : kGammas) {
    for (const double M : {1.5, 3.0, 8.0}) {
      const exact::ShockPolar polar(M, gamma);
      const double limit = polar.MaxDeflection().theta;
      for (const double theta : {0.05 * limit, 0.5 * limit, 0.9 * limit, 0.999 * limit}) {
        for (const exact::ShockSolution s : {polar.Weak(theta), polar.Strong(theta)}) {
          const double Mn1 = M * std::sin(s.beta);
          const double Mn2 = std::sqrt((1 + (gamma - 1) / 2 * Mn1 * Mn1) /
                                       (gamma * Mn1 * Mn1 - (gamma - 1) / 2));
          EXPECT_NEAR(s.pressure_ratio, 1 + 2 * gamma / (gamma + 1) * (Mn1 * Mn1 - 1),
                      1e-12 * s.pressure_ratio);
          EXPECT_NEAR(s.M2 * std::sin(s.beta - theta), Mn2, 1e-12);
        }
        EXPECT_DOUBLE_EQ(polar.WeakPressureRatio(theta), polar.Weak(theta).pressure_ratio);
      }
    }
  }
}

TEST(ExactShock, DetachedAboveTheLargestDeflection) {
  try {
    exact::WeakShock(2.505, 38.49 * kDegree);
    FAIL() << "no detachment";
  } catch (const exact::Error& error) {
    EXPECT_EQ(error.Kind(), exact::ErrorKind::Detached);
    EXPECT_EQ(error.KindName(), "detached");
    EXPECT_STREQ(error.what(),
                 "no attached shock: deflection 38.49\u00b0 exceeds the largest, 29.85\u00b0, at M = 2.505");
  }
  try {
    exact::StrongShock(3.0, 38.49 * kDegree);
    FAIL() << "no detachment";
  } catch (const exact::Error& error) {
    EXPECT_STREQ(error.what(),
                 "no attached shock: deflection 38.49\u00b0 exceeds the largest, 34.07\u00b0, at M = 3.000");
  }
  // The very next double beyond the limit already detaches.
  const double limit = exact::MaxDeflection(3.0).theta;
  EXPECT_NO_THROW(exact::WeakShock(3.0, limit));
  EXPECT_EQ(KindOf(3.0, std::nextafter(limit, 1.0)), exact::ErrorKind::Detached);
  EXPECT_EQ(KindOf(3.0, 2.0), exact::ErrorKind::Detached);
}

TEST(ExactShock, RejectsInputsWithoutAShock) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(KindOf(1.0, 0.1), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(0.8, 0.1), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(-3.0, 0.1), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(kNaN, 0.1), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(kInf, 0.1), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(3.0, -1e-3), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(3.0, kNaN), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(3.0, kInf), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(3.0, 0.1, 1.0), exact::ErrorKind::InvalidInput);
  EXPECT_EQ(KindOf(3.0, 0.1, kNaN), exact::ErrorKind::InvalidInput);
  try {
    exact::WeakShock(0.8, 0.1);
  } catch (const exact::Error& error) {
    EXPECT_EQ(error.KindName(), "invalid-input");
    EXPECT_NE(std::string(error.what()).find("0.800"), std::string::npos) << error.what();
  }
}

TEST(ExactShock, ResultsStayFiniteAcrossTheRange) {
  for (const double gamma : {1.01, 1.4, 3.0}) {
    for (const double M : {1.0000001, 1.001, 2.0, 1e3, 1e8}) {
      const exact::ShockPolar polar(M, gamma);
      for (const double fraction : {0.0, 1e-15, 0.5, 1.0}) {
        const double theta = fraction * polar.MaxDeflection().theta;
        for (const exact::ShockSolution s : {polar.Weak(theta), polar.Strong(theta)}) {
          EXPECT_TRUE(std::isfinite(s.beta) && std::isfinite(s.M2) && std::isfinite(s.pressure_ratio))
              << M << " " << gamma << " " << fraction;
          EXPECT_GE(s.pressure_ratio, 1.0);
        }
      }
    }
  }
}

TEST(ExactShock, TinyDeflectionOfAHypersonicStream) {
  // Far above M = 1 and barely turned, the weak shock is a hair steeper than
  // the Mach angle (1e-8 rad at M = 1e8); it must satisfy the relation, not
  // stop at a start value of the closed form.
  for (const double gamma : kGammas) {
    const exact::ShockPolar polar(1e8, gamma);
    const double theta = 1e-9 * polar.MaxDeflection().theta;
    const exact::ShockSolution weak = polar.Weak(theta);
    EXPECT_NEAR(static_cast<double>(DeflectionFromAngle(1e8, weak.beta, gamma)), theta, 1e-9 * theta) << gamma;
    EXPECT_GT(weak.beta, std::asin(1e-8));
    EXPECT_LT(weak.beta, 1.1e-8);
  }
}

TEST(ExactShock, LimitsOfAnyMachNumberAboveOne) {
  // As M -> infinity, tan(theta_max) -> 1 / sqrt(gamma^2 - 1) and the sonic
  // deflection merges with the largest; far beyond the Mach numbers a polar
  // takes, both stand at that value.
  for (const double gamma : kGammas) {
    const double limit = std::atan(1.0 / std::sqrt(gamma * gamma - 1.0));
    for (const double M : {1e100, 1e125, 1e300}) {
      EXPECT_NEAR(exact::MaxDeflection(M, gamma).theta, limit, 1e-15) << M << " " << gamma;
      EXPECT_NEAR(exact::SonicDeflection(M, gamma), limit, 1e-15) << M << " " << gamma;
    }
  }
}
