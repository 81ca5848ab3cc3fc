#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact/criteria.h"
#include "exact/interaction.h"
#include "exact/three_shock.h"

// Which pattern the two incident shocks can form: a regular intersection
// (the shocks cross at a point), a Mach intersection (a Mach stem joins them
// between two triple points), both, or neither.
//
// Units as in exact/interaction.h: angles in degrees, pressures in the unit
// of p1, flow directions from the free stream, positive the way shock A
// turns it.
namespace exact {

enum class ConfigurationKind {
  Regular,  // the polars of regions 2 and 3 cross on their weak branches, below
            // the strong branch of the free-stream polar (von Neumann condition not reached)
  Dual,     // that crossing lies on or above the strong branch, and both triple
            // points have a three-shock solution: either pattern can stand
  Mach,     // no weak-weak crossing; both triple points have a three-shock solution
  None,     // neither pattern
};

// "regular", "dual", "mach", "none".
std::string_view KindName(ConfigurationKind kind);

struct Configuration {
  ConfigurationKind kind = ConfigurationKind::None;
  // A sentence for a person: what decided the kind, with the numbers.
  std::string reason;
  // Information, empty unless the polars of regions 2 and 3 cross only with
  // C or D on its strong branch (subsonic behind it), which is not counted as
  // a regular intersection.
  std::string note;
  std::optional<Interaction> regular;  // the weak-weak crossing, where there is one
  // The three-shock solutions, present for Dual and Mach only.
  std::optional<TriplePoint> triple_point_A;
  std::optional<TriplePoint> triple_point_B;
  TransitionCriteria criteria;  // for this M1, gamma and TetaA
};

// The configuration for free stream M1 (above 1), the incident deflections
// TetaA and TetaB (degrees, >= 0) and gamma. Throws Error(InvalidInput) for
// inputs SolveInteraction rejects as such, Error(NotConverged) as it does; a
// detached incident shock is configuration None, told in the reason.
Configuration FindConfiguration(double M1, double TetaA, double TetaB, double gamma = kGammaAir);

// A point for the chart of the pressure-deflection plane, with its label.
struct ChartMark {
  double direction = 0.0;  // flow direction, degrees
  double p = 0.0;          // pressure, unit of p1
  std::string label;       // "triple point A: 6.98°, p/p1 = 28.972, direct"
};

// Both triple points as the chart marks them, on the strong branch of the
// free-stream polar (exact::PolarCurve's strong branch, mirrored to negative
// directions for B's side); empty unless the configuration has them.
std::vector<ChartMark> TriplePointMarks(const Configuration& configuration);

}  // namespace exact
