#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/failure_report.h"
#include "calc/form1_procedures.h"
#include "calc/warning_box.h"
#include "chart/chart_data.h"
#include "diagram/recording_surface.h"
#include "exact/configuration.h"
#include "exact/interaction.h"
#include "platform/runtime_error.h"

namespace cli {

// The four input texts, taken verbatim as the window's input fields would hold them.
struct InputTexts {
  std::string M1 = "3";
  std::string p1 = "1";
  std::string TetaA = "10";
  std::string TetaB = "5";
};

using Failure = calc::Failure;

// A picture asked on the command line and what became of it.
struct PictureExport {
  std::string picture;  // "svg", "png" (the diagram), "chart" or "domain-map"
  std::string file;
  std::string error;    // why it was not written; empty when it was
};

// Everything one headless calculation showed.
struct RunReport {
  std::vector<std::pair<std::string, std::string>> results;  // control name, text; in write order
  std::vector<std::string> log;
  std::vector<std::string> messages;  // the solver's, in order
  std::vector<calc::Warning> warnings;
  std::optional<Failure> error;
  diagram::RecordingSurface drawing;
  std::optional<exact::Interaction> exact;  // the full-precision solution of the exact mode
  double gamma = 1.4;
  chart::ChartInputs chart;  // what the pressure-deflection chart is made from
  // The exact method's answer to which pattern the shocks form (regular, dual,
  // Mach or none); empty for the other methods and for unreadable inputs.
  std::optional<exact::Configuration> configuration;
  std::vector<PictureExport> exports;  // the pictures asked, once they were written
};

// What a run keeps beside the results, messages, warnings, error and exact
// solution: the log, the drawing, the chart's inputs and the configuration,
// or none (a batch). Without them the original methods still draw and log, as
// their calculation runs through both, into controls that keep nothing; the
// exact method leaves both out, and keeps the configuration only where there
// is no regular crossing.
struct RunKeeps {
  bool details = true;
};

// Runs the Calculate procedure on fresh controls, as one press of Calculate
// in a window just started, with "." as the decimal separator. gamma goes
// with the exact method; the others use 1.4.
RunReport RunCalculation(const InputTexts& inputs, calc::Method method,
                         double gamma = exact::kGammaAir, RunKeeps keeps = {});

// The exact method on the same input texts, for any ratio of specific heats.
RunReport RunExactCalculation(const InputTexts& inputs, double gamma);

}  // namespace cli
