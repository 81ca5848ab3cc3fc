#pragma once

#include <cstdio>

namespace cli {

// A progress bar for a long batch, drawn in place on one terminal line:
//   shocks-cli: [##########          ]  50%  50000 of 100000 rows
// It redraws only when the whole percentage changes, and clears its line
// when done, so that nothing of it stays in the terminal.
class ProgressBar {
 public:
  ProgressBar(std::FILE* terminal, long total);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Done(long rows);

 private:
  std::FILE* terminal_;
  long total_;
  int shown_percent_ = -1;
};

// Whether a batch of `rows` rows shows a progress bar on `stream`: only on a
// terminal, and only when the batch is long enough to be waited for.
bool WantsProgressBar(std::FILE* stream, long rows);

}  // namespace cli
