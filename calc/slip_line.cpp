// The slip-line iteration: the direction at which the pressures behind the
// transmitted shocks C and D agree, by a correction relative to the mean pressure.

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

std::string SlipLineLogLine(const CalcState& s, char separator) {
  const auto text = [separator](double x) { return platform::NumberToText(x, separator); };
  return "Fi= " + text(Round(s.Fi, 2)) + "   TetaC= " + text(Round(s.TetaC, 2)) +
         " BetaC= " + text(s.BetaC) + " M4= " + text(Round(s.M4, 3)) +
         " p4= " + text(Round(s.p4, 3)) + "   TetaD= " + text(Round(s.TetaD, 2)) +
         " BetaD= " + text(s.BetaD) + " M5= " + text(Round(s.M5, 3)) +
         " p5= " + text(Round(s.p5, 3));
}

}  // namespace

void Form1Procedures::iterasyon(double TetaA, double TetaB, double M2, double M3, double p2,
                                double p3) {
  CalcState& s = state_;
  const Real degToRad = s.DegToRad;
  // Region 2 flows at +TetaA, region 3 at -TetaB; start half way.
  Real phi = (Real(TetaA) + TetaB) / 2;

  controls_.List1.Clear();
  for (int n = 1; n <= kSlipLineStepLimit; ++n) {
    try {
      // Shock C turns region 2 onto the slip line, shock D region 3; both
      // deflections count positive when the shock compresses.
      record_.attempted_Fi = phi.value() / s.DegToRad;
      const Real tetaC = Real(TetaA) - phi;
      const Real tetaD = phi + TetaB;
      const TransmittedShockAngles beta = SolveTransmittedShocks(
          controls_.messages, s, M2, p2, tetaC.value(), M3, p3, tetaD.value());

      StoreStepAngles(s, phi.value(), tetaC.value(), tetaD.value());
      s.BetaC = Round((Real(beta.betaC) / degToRad).value(), 2);
      s.BetaD = Round((Real(beta.betaD) / degToRad).value(), 2);
      controls_.List1.AddItem(SlipLineLogLine(s, controls_.decimal_separator));
      RecordStep(phi.value(), s.p4, s.p5);

      if (PressuresBalance(s.p4, s.p5, s.p1)) break;

      // Move the direction by the relative pressure difference: a higher p4
      // wants a weaker shock C, so phi grows (for positive phi).
      const Real dp = Real(s.p4) - s.p5;
      const Real mean = (Real(s.p4) + s.p5) / 2;
      phi = phi + (phi * dp) / mean;
    } catch (platform::RuntimeError& error) {
      error.AddPlace("slip-line step " + std::to_string(n));
      throw;
    }
  }

  s.Fi = (phi / degToRad).value();
  platform::AtPlace("solution marker",
                    [&] { diagram::DrawMarker(controls_.Picture1, s.Fi, s.p4, diagram::kRed); });
}

}  // namespace calc
