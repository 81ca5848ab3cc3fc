#pragma once

#include <cmath>
#include <numbers>

// Oblique shocks from the textbook relations in long double, apart from the
// code under test: the deflection of a shock angle, the largest deflection by
// ternary search, the weak shock by bisection.
namespace textbook {

constexpr long double kDeg = std::numbers::pi_v<long double> / 180;
// One degree in radians for checks in double.
constexpr double kDegree = std::numbers::pi / 180.0;

// Bisection for a root of f on [a, b], f(a) and f(b) of opposite signs, to
// the last bits of Real.
template <typename Real, typename F>
Real Bisect(F f, Real a, Real b) {
  const bool rising = f(a) < 0;
  for (int i = 0; i < 200; ++i) {
    const Real mid = (a + b) / 2;
    ((f(mid) < 0) == rising ? a : b) = mid;
  }
  return (a + b) / 2;
}

inline long double Deflection(long double M, long double beta, long double g) {
  const long double s = std::sin(beta);
  return std::atan(2 * (std::cos(beta) / s) * (M * M * s * s - 1) /
                   (M * M * (g + std::cos(2 * beta)) + 2));
}

// Shock angle of the largest deflection, radians.
inline long double BetaOfMax(long double M, long double g) {
  long double a = std::asin(1 / M), b = std::numbers::pi_v<long double> / 2;
  for (int i = 0; i < 200; ++i) {
    const long double c = a + (b - a) / 3, d = b - (b - a) / 3;
    if (Deflection(M, c, g) < Deflection(M, d, g)) {
      a = c;
    } else {
      b = d;
    }
  }
  return (a + b) / 2;
}

// Largest deflection, degrees.
inline long double MaxDeflectionDeg(long double M, long double g = 1.4L) {
  return Deflection(M, BetaOfMax(M, g), g) / kDeg;
}

struct Shock {
  long double beta;  // radians
  long double M2;
  long double pressure_ratio;
};

// The weak shock for a deflection in degrees.
inline Shock Weak(long double M, long double theta_deg, long double g = 1.4L) {
  long double a = std::asin(1 / M), b = BetaOfMax(M, g);
  for (int i = 0; i < 200; ++i) {
    const long double c = (a + b) / 2;
    if (Deflection(M, c, g) < theta_deg * kDeg) {
      a = c;
    } else {
      b = c;
    }
  }
  const long double beta = (a + b) / 2;
  const long double Mn1 = M * std::sin(beta);
  const long double Mn2 = std::sqrt((1 + (g - 1) / 2 * Mn1 * Mn1) / (g * Mn1 * Mn1 - (g - 1) / 2));
  return {beta, Mn2 / std::sin(beta - theta_deg * kDeg), 1 + 2 * g / (g + 1) * (Mn1 * Mn1 - 1)};
}

}  // namespace textbook
