// libFuzzer target: arbitrary bytes as the four input texts, through the
// whole headless Calculate procedure with both slip-line searches.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/calculation_check.h"

namespace {

// One calculation is well under a millisecond even instrumented; far above
// that means a search that does not end when it should. libFuzzer's own
// -timeout only works in whole seconds.
constexpr auto kRunLimit = std::chrono::milliseconds(50);
// The machine may be busy with other work: a slow run counts only when the
// same input is slow every time.
constexpr int kTries = 3;

void Fail(const std::string& what) {
  std::fprintf(stderr, "calculation_fuzzer: %s\n", what.c_str());
  std::abort();
}

void CheckSearch(const cli::InputTexts& inputs, calc::SlipLineSearch search) {
  for (int attempt = 1; attempt <= kTries; ++attempt) {
    const auto start = std::chrono::steady_clock::now();
    const std::string violation = fuzz::FindViolation(inputs, search);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (!violation.empty()) Fail(violation);
    if (elapsed <= kRunLimit) return;
  }
  Fail("every run of " + fuzz::Describe(inputs) + " took longer than " +
       std::to_string(kRunLimit.count()) + " ms");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const cli::InputTexts inputs =
      fuzz::SplitInputs(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckSearch(inputs, calc::SlipLineSearch::Iterasyon);
  CheckSearch(inputs, calc::SlipLineSearch::Iteras);
  return 0;
}
