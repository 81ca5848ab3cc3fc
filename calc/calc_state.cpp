#include "calc/calc_state.h"

#include "platform/real.h"

namespace calc {

void FillConstants(CalcState& state) {
  using platform::Real;
  state.Pi = (4 * platform::Atan(1)).value();
  state.DegToRad = (Real(state.Pi) / 180).value();
}

}  // namespace calc
