// libFuzzer target: arbitrary bytes as the four input texts, through the
// whole headless Calculate procedure with both slip-line searches.

#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/calculation_check.h"

namespace {

// One calculation takes well under a millisecond even instrumented; a search
// that does not end when it should takes far longer. The check counts the
// processor time of this thread alone, which other work on a busy machine
// does not add to, and allows a thousand times the usual (libFuzzer's own
// -timeout only works in whole seconds and counts the wall clock).
constexpr double kRunLimitSeconds = 0.5;

double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "calculation_fuzzer: %s\n", what.c_str());
  std::abort();
}

void CheckSearch(const cli::InputTexts& inputs, calc::SlipLineSearch search) {
  const double start = ThreadSeconds();
  const std::string violation = fuzz::FindViolation(inputs, search);
  const double used = ThreadSeconds() - start;
  if (!violation.empty()) Fail(violation);
  if (used > kRunLimitSeconds) {
    Fail("the run of " + fuzz::Describe(inputs) + " used " + std::to_string(used) +
         " s of processor time, more than " + std::to_string(kRunLimitSeconds) + " s");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const cli::InputTexts inputs =
      fuzz::SplitInputs(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckSearch(inputs, calc::SlipLineSearch::Iterasyon);
  CheckSearch(inputs, calc::SlipLineSearch::Iteras);
  return 0;
}
