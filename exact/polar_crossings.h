#pragma once

#include "exact/shock.h"

// Where the polars of regions 2 and 3 cross, branch by branch: the shape of
// the two curves, not a solution. It tells, where the weak branches do not
// cross, whether the curves still meet with C or D on its strong branch.
namespace exact {

struct PolarCrossings {
  bool weak_weak = false;      // C weak, D weak: the regular intersection
  bool weak_strong = false;    // C weak, D strong
  bool strong_weak = false;    // C strong, D weak
  bool strong_strong = false;  // both strong
  bool StrongOnly() const { return !weak_weak && (weak_strong || strong_weak || strong_strong); }
};

// The polar of region 2 as C turns its flow back and that of region 3 as D
// turns its flow forward, each drawn as a fine polyline of both branches and
// intersected segment by segment. free_stream: region 1; TetaA, TetaB in
// degrees. Nothing crosses where an incident shock is detached or the flow
// behind it is not supersonic.
PolarCrossings FindPolarCrossings(const ShockPolar& free_stream, double TetaA, double TetaB);

}  // namespace exact
