#pragma once

#include <string>

#include "cli/run.h"

namespace cli {

// One JSON object: results (control name to text, in write order), log,
// messages, warnings, error (null or kind and where) and, when asked, the
// drawing calls with every float written to read back to the same float.
std::string ReportToJson(const RunReport& report, bool with_drawing);

// A readable table of the results with labels and units, then the log lines,
// then messages, warnings and the error.
std::string ReportToText(const RunReport& report);

}  // namespace cli
