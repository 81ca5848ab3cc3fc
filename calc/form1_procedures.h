#pragma once

#include "calc/calc_state.h"
#include "calc/form_controls.h"

namespace calc {

// Which slip-line search the Calculate procedure runs.
enum class SlipLineSearch { Iterasyon, Iteras };

// The procedures the main window carries, with the calculation state it owns.
// The Qt window, the command line and the tests hand it their controls.
// Every procedure either runs to its end or raises platform::RuntimeError,
// leaving the fields, list and drawing as they were at the failing step.
class Form1Procedures {
 public:
  explicit Form1Procedures(const Form1Controls& controls) : controls_(controls) {}

  // Start-up: fills the constants of the calculation state.
  void Form_Load();

  // One whole calculation, from the four input texts to the fifteen result
  // texts, the iteration log and the complete diagram.
  void hesapla(SlipLineSearch search = SlipLineSearch::Iterasyon);

  // The slip-line iteration: deflections in radians (TetaB counted positive),
  // the Mach numbers and pressures of regions 2 and 3.
  void iterasyon(double TetaA, double TetaB, double M2, double M3, double p2, double p3);

  // The step-search variant, same parameters; leaves BetaC and BetaD alone.
  void iteras(double TetaA, double TetaB, double M2, double M3, double p2, double p3);

  CalcState& State() { return state_; }
  const CalcState& State() const { return state_; }

 private:
  Form1Controls controls_;
  CalcState state_;
};

}  // namespace calc
