// The exact method of the Calculate procedure: closed-form shocks and a
// bracketed root search for the slip line, shown in the same fields, list and
// diagram as the original searches.

#include <optional>
#include <numbers>
#include <string>

#include "calc/failure_report.h"
#include "calc/form1_procedures.h"
#include "diagram/colours.h"
#include "diagram/diagram.h"
#include "exact/interaction.h"
#include "platform/number_text.h"
#include "platform/real.h"
#include "platform/rounding.h"

namespace calc {

namespace {

// One evaluation of the balance: the direction tried, both pressures and the
// directions that still hold the balance after it.
std::string EvaluationLine(int n, const exact::BalanceEvaluation& e, char separator) {
  const auto text = [separator](double x, int places) {
    return platform::NumberToText(platform::Round(x, places), separator);
  };
  return "n= " + std::to_string(n) + "  Fi= " + text(e.Fi, 8) + "  p4= " + text(e.p4, 6) +
         "  p5= " + text(e.p5, 6) + "  bracket= " + text(e.lower, 8) + " .. " + text(e.upper, 8);
}

// One triple point of a Mach intersection in a line of the log.
// Pressures come in the unit of p1, as every shown pressure.
std::string TriplePointLine(const exact::TriplePoint& t, double p1, char separator) {
  const auto text = [separator](double x, int places) {
    return platform::NumberToText(platform::Round(x, places), separator);
  };
  const bool a = t.side == exact::TripleSide::A;
  return std::string("Triple point ") + (a ? "A" : "B") + " (" +
         std::string(exact::KindName(t.kind)) + "):  slip line " + text(t.slip_line, 2) +
         "  " + (a ? "TetaC= " : "TetaD= ") + text(t.transmitted.deflection, 2) +
         (a ? " BetaC= " : " BetaD= ") + text(t.transmitted.beta, 2) + " M= " +
         text(t.behind_transmitted.M, 3) + " p= " + text(p1 * t.behind_transmitted.p, 3) +
         "   stem Beta= " + text(t.stem_beta, 2) + " M= " + text(t.behind_stem.M, 3) +
         " p= " + text(p1 * t.behind_stem.p, 3);
}

}  // namespace

void Form1Procedures::StoreExactSolution(const exact::Interaction& x) {
  CalcState& s = state_;
  s.Fi = x.Fi;
  s.TetaC = x.shockC.deflection;
  s.BetaC = x.shockC.beta;
  s.M4 = x.region4.M;
  s.p4 = x.region4.p;
  s.TetaD = x.shockD.deflection;
  s.BetaD = x.shockD.beta;
  s.M5 = x.region5.M;
  s.p5 = x.region5.p;
}

void Form1Procedures::CalculateExactly(double gamma) {
  CalcState& s = state_;
  const ResultFields& out = controls_.results;

  // The sentence for a subsonic free stream names what was typed, which only
  // this procedure knows.
  if (!(s.M1 > 1.0)) {
    exact::Error error(exact::ErrorKind::InvalidInput,
                       SubsonicFreeStreamSentence(s.M1, record_.input_texts[0]));
    error.AddPlace("free stream");
    throw error;
  }
  std::vector<exact::BalanceEvaluation> evaluations;
  std::optional<exact::Interaction> solution;
  std::optional<exact::Error> failure;
  try {
    solution = exact::SolveInteraction(s.M1, s.p1, s.TetaA, s.TetaB, gamma,
                                       [&](const exact::BalanceEvaluation& e) { evaluations.push_back(e); });
  } catch (const exact::Error& error) {
    failure = error;
  }
  // Where the polars of regions 2 and 3 do not cross, a Mach stem may join the
  // shocks instead: then that is the result, and only "neither" is a failure.
  if (failure && failure->Kind() == exact::ErrorKind::NoRegularIntersection) {
    record_.configuration = exact::FindConfiguration(s.M1, s.TetaA, s.TetaB, gamma);
    if (record_.configuration->kind == exact::ConfigurationKind::Mach) {
      failure.reset();
    } else {
      exact::Error neither(exact::ErrorKind::NoRegularIntersection, record_.configuration->reason);
      neither.AddPlace(failure->Where());
      failure = neither;
    }
  }
  // What could be solved is shown before the failure is reported, stage by stage.
  const std::string stage = failure ? failure->Where() : std::string();
  if (stage == "free stream" || stage == "shock A") throw *failure;

  const exact::ShockPolar free_stream(s.M1, gamma);
  using exact::kDegree;
  // One incident shock into the state and its three rows; the pressure behind it.
  const auto incident = [&](double teta, double& M, platform::TextBox& beta_box,
                            platform::TextBox& M_box, platform::TextBox& p_box) {
    const exact::ShockSolution shock = free_stream.Weak(teta * kDegree);
    const double p = s.p1 * shock.pressure_ratio;
    M = shock.M2;
    Show(beta_box, shock.beta / kDegree, 2);
    Show(M_box, M, 3);
    Show(p_box, p, 3);
    return p;
  };
  const double p2 = record_.p2 = incident(s.TetaA, s.M2, out.Text_BetaA, out.Text_M2, out.Text_p2);
  if (stage == "shock B") throw *failure;
  const double p3 = record_.p3 = incident(s.TetaB, s.M3, out.Text_BetaB, out.Text_M3, out.Text_p3);

  // The diagram is drawn for air, and its polars need supersonic regions 2 and 3;
  // a caller that shows neither diagram nor log (a batch) leaves both out.
  if (controls_.exact_details && gamma == exact::kGammaAir && s.M2 > 1.0 && s.M3 > 1.0) {
    using platform::Real;
    DrawDiagram((Real(s.TetaA) * s.DegToRad).value(), (Real(s.TetaB) * s.DegToRad).value(), p2, p3);
  }

  controls_.List1.Clear();
  for (std::size_t i = 0; i < evaluations.size(); ++i) {
    const exact::BalanceEvaluation& e = evaluations[i];
    if (controls_.exact_details) {
      controls_.List1.AddItem(EvaluationLine(static_cast<int>(i + 1), e, controls_.decimal_separator));
    }
    record_.search_path.push_back({e.Fi, e.p4, e.p5});
  }
  if (failure) throw *failure;
  if (!solution) {
    // A Mach intersection: its triple points take the place of rows 7 to 15.
    for (const auto& point : {record_.configuration->triple_point_A, record_.configuration->triple_point_B}) {
      controls_.List1.AddItem(TriplePointLine(*point, s.p1, controls_.decimal_separator));
    }
    return;
  }

  StoreExactSolution(*solution);
  record_.exact_solution = solution;
  ShowSlipLineRows();
  if (record_.diagram_drawn) {
    platform::AtPlace("solution marker", [&] {
      diagram::DrawMarker(controls_.Picture1, s.Fi, s.p4, diagram::kRed);
    });
  }
}

void Form1Procedures::ShowExactSolution() {
  CalcState& s = state_;
  const exact::Interaction x = exact::SolveInteraction(s.M1, s.p1, s.TetaA, s.TetaB, record_.gamma);
  StoreExactSolution(x);
  record_.exact_solution = x;
  ShowSlipLineRows();
  if (record_.diagram_drawn) {
    // Drawn afresh, so that no marker of the failed search is left beside the solution.
    using platform::Real;
    DrawDiagram((Real(s.TetaA) * s.DegToRad).value(), (Real(s.TetaB) * s.DegToRad).value(),
                record_.p2, record_.p3);
    platform::AtPlace("solution marker", [&] {
      diagram::DrawMarker(controls_.Picture1, s.Fi, s.p4, diagram::kRed);
    });
  }
  const auto text = [this](double value, int places) {
    return platform::NumberToText(platform::Round(value, places), controls_.decimal_separator);
  };
  controls_.List1.AddItem("Rows 7 to 15 show the exact solution: Fi = " + text(s.Fi, 2) +
                          ", p4 = p5 = " + text(s.p4, 3) + ".");
}

}  // namespace calc
