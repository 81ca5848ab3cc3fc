// The Calculate procedure: one whole calculation from the four input texts to
// the result texts, the iteration log and the diagram.

#include "calc/balance.h"
#include "calc/form1_procedures.h"
#include "calc/input_reading.h"
#include "calc/oblique_shock.h"
#include "calc/warnings.h"
#include "diagram/colours.h"
#include "diagram/diagram.h"
#include "platform/number_text.h"
#include "platform/real.h"
#include "platform/rounding.h"

namespace calc {

using platform::AtPlace;
using platform::Real;

void Form1Procedures::Form_Load() { FillConstants(state_); }

void Form1Procedures::Show(platform::TextBox& box, double value, int places) {
  box.SetText(platform::NumberToText(platform::Round(value, places), controls_.decimal_separator));
}

void Form1Procedures::ReadInputs() {
  CalcState& s = state_;
  const InputFields& in = controls_.inputs;
  const auto read = [&](const char* place, std::string_view field, platform::TextBox& box,
                        std::string& kept, double& into) {
    AtPlace(place, [&] {
      kept = box.Text();
      into = ReadInputField(field, kept, controls_.warnings);
    });
  };
  auto& texts = record_.input_texts;
  read("reading M1", "M1", in.Text_M1, texts[0], s.M1);
  read("reading p1", "p1", in.Text_p1, texts[1], s.p1);
  read("reading Teta-A", "Teta-A", in.Text_TetaA, texts[2], s.TetaA);
  read("reading Teta-B", "Teta-B", in.Text_TetaB, texts[3], s.TetaB);
}

void Form1Procedures::DrawDiagram(double TetaARad, double TetaBRad, double p2, double p3) {
  CalcState& s = state_;
  platform::Surface& picture = controls_.Picture1;
  AtPlace("diagram set-up", [&] { diagram::PrepareDiagram(picture, s.M2, p2, s.M3, p3); });
  s.PolarSteps = 100;
  AtPlace("polar of region 1", [&] {
    diagram::P_Teta_Çiz(s, picture, 0, s.p1, s.M1, diagram::kBlue);
  });
  AtPlace("point of region 2", [&] { diagram::DrawMarker(picture, s.TetaA, p2, diagram::kBlue); });
  AtPlace("point of region 3", [&] {
    diagram::DrawMarker(picture, (-Real(s.TetaB)).value(), p3, diagram::kBlue);
  });
  AtPlace("polar of region 2", [&] {
    diagram::P_Teta_Çiz(s, picture, TetaARad, p2, s.M2, diagram::kRed);
  });
  AtPlace("polar of region 3", [&] {
    diagram::P_Teta_Çiz(s, picture, (-Real(TetaBRad)).value(), p3, s.M3, diagram::kGreen);
  });
  record_.diagram_drawn = true;
}

void Form1Procedures::ShowSlipLineRows() {
  const CalcState& s = state_;
  const ResultFields& out = controls_.results;
  Show(out.Text_Fi, s.Fi, 2);
  Show(out.Text_TetaC, s.TetaC, 2);
  Show(out.Text_BetaC, s.BetaC, 2);
  Show(out.Text_M4, s.M4, 3);
  Show(out.Text_p4, s.p4, 3);
  Show(out.Text_TetaD, s.TetaD, 2);
  Show(out.Text_BetaD, s.BetaD, 2);
  Show(out.Text_M5, s.M5, 3);
  Show(out.Text_p5, s.p5, 3);
}

void Form1Procedures::RecordStep(double phi, double p4, double p5) {
  record_.search_path.push_back({(Real(phi) / state_.DegToRad).value(), p4, p5});
}

void Form1Procedures::hesapla(Method method, double gamma) {
  record_ = CalculationRecord{};
  record_.method = method;
  record_.gamma = gamma;
  CalcState& s = state_;
  const ResultFields& out = controls_.results;

  ReadInputs();
  WarnAboutUnphysicalInputs(s, method, controls_.warnings);
  if (method == Method::Exact) {
    CalculateExactly(gamma);
    return;
  }

  double TetaARad = 0.0;
  double TetaBRad = 0.0;
  AtPlace("converting the deflections", [&] {
    TetaARad = (Real(s.TetaA) * s.DegToRad).value();
    TetaBRad = (Real(s.TetaB) * s.DegToRad).value();
  });

  // The incident shocks; B turns the flow the other way, but the solver takes
  // its deflection as a positive compression like A's.
  double BetaA = 0.0;
  double p2 = 0.0;
  AtPlace("shock A", [&] {
    Beta_için_iterasyon(controls_.messages, s.M1, s.p1, TetaARad, BetaA, s.M2, p2);
    Show(out.Text_BetaA, (Real(BetaA) / s.DegToRad).value(), 2);
    Show(out.Text_M2, s.M2, 3);
    Show(out.Text_p2, p2, 3);
  });
  record_.p2 = p2;
  double BetaB = 0.0;
  double p3 = 0.0;
  AtPlace("shock B", [&] {
    Beta_için_iterasyon(controls_.messages, s.M1, s.p1, TetaBRad, BetaB, s.M3, p3);
    Show(out.Text_BetaB, (Real(BetaB) / s.DegToRad).value(), 2);
    Show(out.Text_M3, s.M3, 3);
    Show(out.Text_p3, p3, 3);
  });
  record_.p3 = p3;

  DrawDiagram(TetaARad, TetaBRad, p2, p3);

  if (method == Method::Iteras) {
    iteras(TetaARad, TetaBRad, s.M2, s.M3, p2, p3);
  } else {
    iterasyon(TetaARad, TetaBRad, s.M2, s.M3, p2, p3);
  }

  ShowSlipLineRows();

  // The search stops after its step limit as if it had found the slip line;
  // say plainly when the shown state is not a solution.
  if (!PressuresBalance(s.p4, s.p5, s.p1)) {
    controls_.warnings.Warn(
        {WarningKind::Unbalanced, UnbalancedWarning(s, controls_.decimal_separator)});
  }
}

}  // namespace calc
