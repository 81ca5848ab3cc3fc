#include "exact/polar_curve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace exact {

PolarPoint PolarPointAt(const ShockPolar& polar, double beta) {
  const double g = polar.Gamma();
  const double M = polar.M1();
  beta = std::clamp(beta, polar.MachAngle(), std::numbers::pi / 2);
  const double s = std::sin(beta);
  const double c = std::cos(beta);
  const double m = 1.0 / (M * M);
  // sin^2(beta) - 1/M^2 as (1 - 1/M^2) - cos^2(beta), 1 - 1/M^2 from (M - 1)(M + 1):
  // just above M = 1, where every shock angle is near 90 degrees, the
  // difference of the two squares near 1 would have lost the digits.
  const double excess = std::max(0.0, (M - 1.0) * (M + 1.0) * m - c * c);
  // tan(theta) = 2 cot(beta) (sin^2(beta) - m) / (gamma - 1 + 2 cos^2(beta) + 2m):
  // in 1/M^2 the Mach wave gives exactly 0 and no power of M overflows.
  const double theta = std::atan2(2.0 * c * excess, s * (g - 1.0 + 2.0 * c * c + 2.0 * m));
  // Normal-shock relations on the normal component, Mn1^2 - 1 = excess / m.
  const double Mn1_2 = 1.0 + excess / m;
  const double Mn2_2 = (1.0 + (g - 1.0) / 2.0 * Mn1_2) / (g * Mn1_2 - (g - 1.0) / 2.0);
  PolarPoint out;
  out.beta = beta;
  out.theta = theta;
  out.M2 = std::sqrt(Mn2_2) / std::sin(beta - theta);
  out.pressure_ratio = 1.0 + 2.0 * g / (g + 1.0) * (excess / m);
  return out;
}

PolarBranches PolarCurve(const ShockPolar& polar, int points) {
  points = std::max(points, 2);
  const double mach_angle = polar.MachAngle();
  const double beta_max = polar.MaxDeflection().beta;
  const double normal = std::numbers::pi / 2;
  PolarBranches out;
  out.weak.reserve(static_cast<std::size_t>(points));
  out.strong.reserve(static_cast<std::size_t>(points));
  for (int i = 0; i < points; ++i) {
    // u runs 0..1 and its square crowds the angles at the largest deflection.
    const double u = static_cast<double>(i) / (points - 1);
    const double towards_tip = (1.0 - u) * (1.0 - u);
    out.weak.push_back(PolarPointAt(polar, beta_max - (beta_max - mach_angle) * towards_tip));
    out.strong.push_back(PolarPointAt(polar, beta_max + (normal - beta_max) * u * u));
  }
  // The ends exactly: the Mach wave changes nothing, the tip is the closed-form limit.
  out.weak.front() = {mach_angle, 0.0, polar.M1(), 1.0};
  out.weak.back().theta = polar.MaxDeflection().theta;
  out.strong.front() = out.weak.back();
  out.strong.back().theta = 0.0;
  return out;
}

}  // namespace exact
