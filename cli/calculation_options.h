#pragma once

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "calc/method.h"
#include "cli/run.h"

namespace cli {

// The options that name one calculation, the same for the command line and the
// window program: --M1, --p1, --TetaA, --TetaB (texts read like the window's
// fields) and --method (iterasyon, iteras or exact). Each may be given once.
void AddCalculationOptions(CLI::App& app, InputTexts& inputs, calc::Method& method);

// The command line made ready for CLI11, or why it is not usable: a value
// that begins with "--" after an option that takes one is the next option,
// so that option has no value ("--M1 --p1 2"), while "--M1=--x" is the text
// "--x"; "--X=" is an empty text. An option given twice, under either of its
// names ("-h --help"), is refused. Arguments after "--" are left as they are.
struct PreparedArguments {
  std::vector<std::string> args;
  std::string error;  // empty when usable
};
PreparedArguments PrepareArguments(const CLI::App& app, const std::vector<std::string>& args);

}  // namespace cli
