#include "cli/progress.h"

#include <unistd.h>

namespace cli {

namespace {

// Fewer rows than this finish in the blink of an eye even by the slowest method.
constexpr long kLongBatch = 1000;
constexpr int kBarWidth = 20;

}  // namespace

ProgressBar::ProgressBar(std::FILE* terminal, long total) : terminal_(terminal), total_(total) {
  Done(0);
}

ProgressBar::~ProgressBar() {
  std::fputs("\r\033[K", terminal_);
  std::fflush(terminal_);
}

void ProgressBar::Done(long rows) {
  const int percent = total_ > 0 ? static_cast<int>(rows * 100 / total_) : 100;
  if (percent == shown_percent_) return;
  shown_percent_ = percent;
  char bar[kBarWidth + 1];
  const int filled = percent * kBarWidth / 100;
  for (int i = 0; i < kBarWidth; ++i) bar[i] = i < filled ? '#' : ' ';
  bar[kBarWidth] = '\0';
  std::fprintf(terminal_, "\rshocks-cli: [%s] %3d%%  %ld of %ld rows", bar, percent, rows, total_);
  std::fflush(terminal_);
}

bool WantsProgressBar(std::FILE* stream, long rows) {
  return rows >= kLongBatch && ::isatty(::fileno(stream)) == 1;
}

}  // namespace cli
