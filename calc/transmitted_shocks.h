#pragma once

#include "calc/calc_state.h"
#include "platform/controls.h"

namespace calc {

// Shock angles of C and D, radians, as the solver returns them.
struct TransmittedShockAngles {
  double betaC = 0.0;
  double betaD = 0.0;
};

// One step of a slip-line search: solves shock C (region 2 turned by tetaC onto
// the slip line) and then shock D (region 3 turned by tetaD), deflections in
// radians, positive when they compress. The solver writes M4, p4 and M5, p5 of
// the state; a failure names the shock it happened in.
TransmittedShockAngles SolveTransmittedShocks(platform::MessageBox& messages, CalcState& state,
                                              double M2, double p2, double tetaC, double M3,
                                              double p3, double tetaD);

// Stores the step's direction and deflections in degrees, rounded to 2 places,
// in this order: Fi, TetaC, TetaD.
void StoreStepAngles(CalcState& state, double phi, double tetaC, double tetaD);

}  // namespace calc
