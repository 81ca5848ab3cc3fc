#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/failure_report.h"
#include "calc/warning_box.h"

class QWidget;

namespace app {

// The caption of the button that puts the exact solution in place of a failed
// or unbalanced search.
inline constexpr const char* kShowExactSolution = "Show the exact solution";

// What one calculation has to tell the user beside its results.
struct CalculationReport {
  std::optional<calc::Failure> failure;
  std::vector<calc::Warning> warnings;
  // The search failed or did not balance, and a regular solution exists.
  bool offers_exact_solution = false;
  // What the user should know though nothing went wrong (a Mach intersection).
  std::string information;

  bool Empty() const { return !failure && warnings.empty() && information.empty(); }
  // The failure first, then each warning, a paragraph each.
  std::string Text() const;
};

// Shows the report in a modal box over `parent`. When it offers the exact
// solution, "Show the exact solution" is the default button; returns whether
// the user chose it.
bool ShowCalculationReport(QWidget* parent, const CalculationReport& report);

}  // namespace app
