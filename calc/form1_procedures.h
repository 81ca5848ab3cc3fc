#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/calc_state.h"
#include "calc/form_controls.h"
#include "calc/method.h"
#include "exact/configuration.h"
#include "exact/interaction.h"

namespace calc {

// The command line and the tests still name the method by its older name.
using SlipLineSearch = Method;

// One step of a slip-line search, or one evaluation of the exact solve: the
// direction tried and the pressures it gave.
struct SearchStep {
  double Fi = 0.0;  // slip-line direction tried, degrees
  double p4 = 0.0;  // pressure behind C, unit of p1
  double p5 = 0.0;  // pressure behind D, unit of p1
};

// What the last calculation read and did beyond the calculation state: the
// reports, the chart and the window read it. Filled afresh by each hesapla.
struct CalculationRecord {
  Method method = Method::Iterasyon;
  double gamma = exact::kGammaAir;
  std::array<std::string, 4> input_texts;  // as typed: M1, p1, Teta-A, Teta-B
  bool diagram_drawn = false;              // the diagram of this calculation is complete
  double p2 = 0.0;                         // pressures behind A and B, unit of p1, once solved
  double p3 = 0.0;
  std::vector<SearchStep> search_path;     // in the order they were made
  double attempted_Fi = 0.0;               // direction of the search step under way, degrees
  std::optional<exact::Interaction> exact_solution;  // what the exact method found
  // Which pattern the shocks form, found by the exact method where the polars
  // of regions 2 and 3 do not cross (a Mach intersection, or neither).
  std::optional<exact::Configuration> configuration;
};

// The procedures the main window carries, with the calculation state it owns.
// The Qt window, the command line and the tests hand it their controls.
// Every procedure either runs to its end or raises platform::RuntimeError
// (the exact method exact::Error), leaving the fields, list and drawing as
// they were at the failing step.
class Form1Procedures {
 public:
  explicit Form1Procedures(const Form1Controls& controls) : controls_(controls) {}

  // Start-up: fills the constants of the calculation state.
  void Form_Load();

  // One whole calculation, from the four input texts to the fifteen result
  // texts, the iteration log and the complete diagram. The input fields are
  // read by the leading-number rule, with a warning where that is not all
  // that was typed. The exact method takes the ratio of specific heats
  // gamma; the diagram, drawn for air, is drawn only for gamma = 1.4.
  void hesapla(Method method = Method::Iterasyon, double gamma = exact::kGammaAir);

  // The slip-line iteration: deflections in radians (TetaB counted positive),
  // the Mach numbers and pressures of regions 2 and 3.
  void iterasyon(double TetaA, double TetaB, double M2, double M3, double p2, double p3);

  // The step-search variant, same parameters; leaves BetaC and BetaD alone.
  void iteras(double TetaA, double TetaB, double M2, double M3, double p2, double p3);

  // After a search that failed or did not balance: shows the exact solution
  // for the inputs last read in rows 7 to 15, redraws the diagram with the
  // marker there, and says so in a last line of List1. Raises exact::Error
  // when there is no regular solution, changing nothing.
  void ShowExactSolution();

  CalcState& State() { return state_; }
  const CalcState& State() const { return state_; }
  const CalculationRecord& Record() const { return record_; }

 private:
  // The four fields into the state, in order, with their warnings.
  void ReadInputs();
  // The diagram of one calculation: axes, the polars of regions 1, 2 and 3
  // and the points of regions 2 and 3 (deflections in radians).
  void DrawDiagram(double TetaARad, double TetaBRad, double p2, double p3);
  // The exact method after the inputs are read.
  void CalculateExactly(double gamma);
  // The exact solution into the state fields of the slip line and regions 4 and 5.
  void StoreExactSolution(const exact::Interaction& x);
  // Rows 7 to 15 from the state.
  void ShowSlipLineRows();
  // A value rounded half to even to `places`, written into `box`.
  void Show(platform::TextBox& box, double value, int places);
  // Keeps one step of a search for the record.
  void RecordStep(double phi, double p4, double p5);

  Form1Controls controls_;
  CalcState state_;
  CalculationRecord record_;
};

}  // namespace calc
