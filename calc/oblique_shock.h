#pragma once

#include "platform/controls.h"

namespace calc {

// The message shown when the shock-angle iteration does not settle.
inline constexpr const char* kNotConvergedMessage = "iterasyon 20 adımda yakınsamadı";

// One attached oblique shock in a perfect gas with gamma = 1.4.
//   M1    Mach number ahead of the shock
//   p1    static pressure ahead of it (any unit; p2 comes out in the same)
//   Teta  flow deflection through the shock, radians, positive when it compresses
// Writes, in this order and only after the iteration: Beta (shock angle from the
// upstream direction, radians), M2 (Mach number behind) and p2 (pressure behind).
//
// The shock angle comes from a fixed-point iteration on its sine starting at the
// Mach angle, which leads to the weak solution: at most 20 passes, converged when
// the sine changes by less than 1e-5. When the passes run out the message box
// shows kNotConvergedMessage and the last estimate is used.
//
// An undefined operation (no attached shock, M1 <= 1) raises
// platform::RuntimeError at once; outputs not yet written keep their values.
// The fixed-point iteration alone: the sine of the shock angle after the pass
// at which it settled, or after the last pass when it did not.
struct ShockSine {
  double sine = 0.0;
  int passes = 0;        // passes run, 1 to 20
  bool converged = false;
};
ShockSine IterateShockSine(double M1, double Teta);

void Beta_için_iterasyon(platform::MessageBox& messages, double M1, double p1, double Teta,
                         double& Beta, double& M2, double& p2);

}  // namespace calc
