#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/method.h"
#include "cli/options.h"

namespace app {

// What the window program was started with: the same input and method options
// as shocks-cli, read by the same rules. An option not given leaves the field
// as the last start left it.
struct WindowStart {
  std::array<std::optional<std::string>, 4> inputs;  // M1, p1, Teta-A, Teta-B
  std::optional<calc::Method> method;
  std::string screenshot;  // for the documentation: calculate, save the window there, quit
};

using WindowCommand = std::variant<WindowStart, cli::ShowHelp, cli::ShowVersion, cli::UsageError>;

// Reads the arguments after the program name (Qt's own already removed).
WindowCommand ParseWindowCommandLine(const std::vector<std::string>& args);

// The --help text of the window program.
std::string WindowHelpText();

}  // namespace app
