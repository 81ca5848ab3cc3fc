#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exact/interaction.h"
#include "calc/form1_procedures.h"
#include "diagram/recording_surface.h"
#include "platform/runtime_error.h"

namespace cli {

// The four input texts, taken verbatim as the window's input fields would hold them.
struct InputTexts {
  std::string M1 = "3";
  std::string p1 = "1";
  std::string TetaA = "10";
  std::string TetaB = "5";
};

struct Failure {
  std::string kind;         // "invalid-argument", "division-by-zero", "overflow"; in exact mode
                            // also "detached", "no-regular-intersection", "invalid-input"
  std::string where;
  std::string description;  // for a person
};

// Everything one headless calculation showed.
struct RunReport {
  std::vector<std::pair<std::string, std::string>> results;  // control name, text; in write order
  std::vector<std::string> log;
  std::vector<std::string> messages;  // the solver's, in order
  std::vector<std::string> warnings;
  std::optional<Failure> error;
  diagram::RecordingSurface drawing;
  std::optional<exact::Interaction> exact;  // the full-precision solution of the exact mode
  double gamma = 1.4;
};

// Runs the Calculate procedure on fresh controls, as one press of Calculate
// in a window just started, with "." as the decimal separator.
RunReport RunCalculation(const InputTexts& inputs, calc::SlipLineSearch search);

// The exact mode on the same input texts: closed-form shocks and a bracketed
// slip-line solve, for any ratio of specific heats. The fifteen results are
// rounded as the window shows them; nothing is drawn and nothing is logged.
RunReport RunExactCalculation(const InputTexts& inputs, double gamma);

}  // namespace cli
