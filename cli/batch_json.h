#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/run.h"

namespace cli {

// The inputs of one batch row, by column name, as the line echoes them.
struct RowInputs {
  std::vector<std::pair<std::string_view, std::string>> texts;  // in column order
  std::string method;                                           // empty: not echoed
  double gamma = 0.0;                                           // echoed with a method
};

// One batch row as one line of JSON (with its line break): "row", "inputs",
// then what ReportJson holds for the report, in its order and with its
// numbers, but for the log. Written straight from the report, as a batch of
// many rows would spend much of its time building and freeing JSON trees
// (only the configuration, a tree of its own, goes through one).
std::string BatchJsonLine(long row, const RowInputs& inputs, const RunReport& report);

}  // namespace cli
