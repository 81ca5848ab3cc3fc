#pragma once

#include <optional>

namespace app {

// What `shocks --help` prints.
extern const char* const kUsage;

// Answers --help and --version before any window or display is needed, so
// that both work on a text console. The exit status after answering; none
// when the program should start its window.
std::optional<int> AnswerInformationOptions(int argc, char* argv[]);

}  // namespace app
