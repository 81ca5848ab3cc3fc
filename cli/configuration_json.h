#pragma once

#include <nlohmann/json.hpp>

#include "exact/configuration.h"

namespace cli {

// The "configuration" object of the exact method's JSON report:
//   kind      "regular", "dual", "mach" or "none"
//   reason    the sentence that decided it (with the note, where the polars
//             cross only with C or D on its strong branch, after a "; ")
//   criteria  {von_neumann, detachment}: each {TetaB for the given TetaA,
//             symmetric}, degrees, null where the condition is never met
//   mach      null, or {triple_points: {A, B}}, each {kind, slip_line,
//             transmitted {deflection, beta, M, p, direction},
//             stem {beta, M, p, direction}}
// Angles in degrees, directions from the free stream with shock A's turning
// positive, shock angles from the flow ahead of each shock (the stem's as its
// triple point's incident shock leans), pressures in the unit of p1.
nlohmann::ordered_json ConfigurationToJson(const exact::Configuration& configuration);

}  // namespace cli
