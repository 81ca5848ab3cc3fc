#pragma once

#include <string>

#include "cli/json_layout.h"
#include "cli/run.h"

namespace cli {

// The report as a JSON document, for callers that embed it (a batch line, Python).
Json ReportJson(const RunReport& report, bool with_drawing);

// One JSON object: results (control name to text, in write order), log,
// messages, warnings ({kind, text} each), error (null or kind, where and
// description), export when pictures were asked (picture, file, written
// and the error for each), the exact solution when there is one and, when asked, the
// drawing calls with every float written to read back to the same float.
std::string ReportToJson(const RunReport& report, bool with_drawing);

// A readable table of the results with labels and units, then the log lines,
// then messages, warnings and the error.
std::string ReportToText(const RunReport& report);

}  // namespace cli
