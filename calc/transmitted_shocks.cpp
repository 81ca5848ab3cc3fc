#include "calc/transmitted_shocks.h"

#include "calc/oblique_shock.h"
#include "platform/real.h"
#include "platform/rounding.h"

namespace calc {

TransmittedShockAngles SolveTransmittedShocks(platform::MessageBox& messages, CalcState& state,
                                              double M2, double p2, double tetaC, double M3,
                                              double p3, double tetaD) {
  TransmittedShockAngles angles;
  platform::AtPlace("shock C", [&] {
    Beta_için_iterasyon(messages, M2, p2, tetaC, angles.betaC, state.M4, state.p4);
  });
  platform::AtPlace("shock D", [&] {
    Beta_için_iterasyon(messages, M3, p3, tetaD, angles.betaD, state.M5, state.p5);
  });
  return angles;
}

void StoreStepAngles(CalcState& state, double phi, double tetaC, double tetaD) {
  const platform::Real degToRad = state.DegToRad;
  state.Fi = platform::Round((platform::Real(phi) / degToRad).value(), 2);
  state.TetaC = platform::Round((platform::Real(tetaC) / degToRad).value(), 2);
  state.TetaD = platform::Round((platform::Real(tetaD) / degToRad).value(), 2);
}

}  // namespace calc
