#pragma once

#include <cstdio>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "cli/options.h"

namespace cli {

// A batch whose header row cannot be used: bad usage, and no row was run.
class BatchHeaderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct BatchSummary {
  long rows = 0;
  long failed = 0;  // rows that could not run, and calculations that failed
};

// Runs one calculation per row of the CSV text `in`, whose header row names
// its columns: any of M1, p1, TetaA, TetaB (texts, read like the window's
// fields), method and gamma. What a row leaves out, or a method or gamma cell
// left empty, comes from `defaults`; gamma goes with the exact method only.
// Each row runs the very calculation of a single shocks-cli run, without the
// log and the drawing no output shows. `out` gets one line per row: a JSON
// object (row, inputs, results, messages, warnings, error, exact), or with
// Format::Csv a CSV table under a header row. A row that cannot run is told
// in its own line as an error of kind "bad-row", and the batch goes on.
// `progress`, when not null, is the terminal for the progress bar of a long batch.
// Throws BatchHeaderError for a missing, unreadable or unknown header.
BatchSummary RunBatch(std::istream& in, std::ostream& out, const Options& defaults,
                      std::FILE* progress);

}  // namespace cli
