#pragma once

#include <vector>

#include "exact/shock.h"

// The shock polar of one upstream state as points, for drawing and for
// tabulating: every attached shock from the Mach wave to the normal shock.
// Angles in radians, pressures as ratios to the pressure ahead of the shock.
namespace exact {

// The shock that stands at angle beta to the upstream flow.
struct PolarPoint {
  double beta = 0.0;            // shock angle, radians
  double theta = 0.0;           // deflection it gives, radians, >= 0
  double M2 = 0.0;              // Mach number behind it
  double pressure_ratio = 1.0;  // p2 / p1
};

// The point of `polar` at shock angle beta, from the Mach angle to pi/2
// (clamped into that range). Closed form, no search.
PolarPoint PolarPointAt(const ShockPolar& polar, double beta);

// Both branches of a polar, deflections >= 0 (mirror them for the other side):
//   weak    from the Mach wave (beta = Mach angle, theta = 0) to the largest deflection,
//   strong  from the largest deflection to the normal shock (beta = pi/2, theta = 0).
// Each has `points` points (at least 2); the point of largest deflection ends the
// weak branch and starts the strong one. The shock angles crowd towards the
// largest deflection, where the curve turns, so that its tip is drawn smooth.
struct PolarBranches {
  std::vector<PolarPoint> weak;
  std::vector<PolarPoint> strong;
};
PolarBranches PolarCurve(const ShockPolar& polar, int points);

}  // namespace exact
