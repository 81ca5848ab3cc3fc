// The step-search variant of the slip-line search: march the direction by a
// fixed step towards the pressure balance, and each time the difference changes
// sign turn back with a tenth of the step.

#include <string>

#include "calc/balance.h"
#include "calc/form1_procedures.h"
#include "calc/transmitted_shocks.h"
#include "diagram/colours.h"
#include "diagram/diagram.h"
#include "platform/number_text.h"
#include "platform/real.h"
#include "platform/rounding.h"

namespace calc {

using platform::Real;
using platform::Round;

namespace {

std::string StepSearchLogLine(int i, const CalcState& s, char separator) {
  const auto text = [separator](double x) { return platform::NumberToText(x, separator); };
  return "i= " + std::to_string(i) + "  Fi= " + text(s.Fi) + "  TetaC= " + text(s.TetaC) +
         "  TetaD= " + text(s.TetaD) + "  p4= " + text(Round(s.p4, 5)) +
         "  p5= " + text(Round(s.p5, 5));
}

}  // namespace

void Form1Procedures::iteras(double TetaA, double TetaB, double M2, double M3, double p2,
                             double p3) {
  CalcState& s = state_;
  const Real degToRad = s.DegToRad;
  Real phi = (Real(TetaA) + TetaB) / 2;
  Real h = (Real(TetaA) + TetaB) / 10;

  // Shocks C and D for the current direction into the state; their angles
  // are not kept.
  const auto solveTransmittedShocks = [&](const Real& tetaC, const Real& tetaD) {
    SolveTransmittedShocks(controls_.messages, s, M2, p2, tetaC.value(), M3, p3, tetaD.value());
  };

  Real sigma = 1;
  platform::AtPlace("slip-line start", [&] {
    record_.attempted_Fi = phi.value() / s.DegToRad;
    solveTransmittedShocks(Real(TetaA) - phi, phi + TetaB);
    // The search direction is the sign of p4 - p5. Pressures that already
    // agree have no sign: that is a balance at the start value, which the
    // first step finds again.
    const Real dp = Real(s.p4) - s.p5;
    if (!(dp == 0)) sigma = dp / platform::Abs(dp);
  });

  controls_.List1.Clear();
  for (int i = 1; i <= kSlipLineStepLimit; ++i) {
    try {
      record_.attempted_Fi = phi.value() / s.DegToRad;
      const Real tetaC = Real(TetaA) - phi;
      const Real tetaD = phi + TetaB;
      solveTransmittedShocks(tetaC, tetaD);

      StoreStepAngles(s, phi.value(), tetaC.value(), tetaD.value());
      controls_.List1.AddItem(StepSearchLogLine(i, s, controls_.decimal_separator));
      RecordStep(phi.value(), s.p4, s.p5);

      if (PressuresBalance(s.p4, s.p5, s.p1)) break;
      // Overshot the balance: turn back with a tenth of the step.
      const Real dp = Real(s.p4) - s.p5;
      if (dp * sigma < 0) {
        h = h / 10;
        sigma = -sigma;
      }
      phi = phi + h * sigma;
    } catch (platform::RuntimeError& error) {
      error.AddPlace("slip-line step " + std::to_string(i));
      throw;
    }
  }

  s.Fi = (phi / degToRad).value();
  platform::AtPlace("solution marker",
                    [&] { diagram::DrawMarker(controls_.Picture1, s.Fi, s.p4, diagram::kRed); });
}

}  // namespace calc
