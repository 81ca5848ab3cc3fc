// Runs every file of the fuzz corpus through the same checks as the fuzz
// target, with both slip-line searches, without libFuzzer and without timing.
// Usage: fuzz_corpus_test DIRECTORY...

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/calculation_check.h"

int main(int argc, char* argv[]) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  // A wrong path or an emptied corpus must not pass as "nothing failed".
  if (files.empty()) {
    std::cerr << "no corpus files found\n";
    return 1;
  }

  int failures = 0;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const cli::InputTexts inputs = fuzz::SplitInputs(data);
    for (const auto search : {calc::SlipLineSearch::Iterasyon, calc::SlipLineSearch::Iteras}) {
      const std::string violation = fuzz::FindViolation(inputs, search);
      if (!violation.empty()) {
        std::cerr << file.filename().string() << ": " << violation << "\n";
        ++failures;
      }
    }
  }
  std::cout << files.size() << " corpus files, " << failures << " failed checks\n";
  return failures == 0 ? 0 : 1;
}
