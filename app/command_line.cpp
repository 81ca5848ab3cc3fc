#include "app/command_line.h"

#include <cstdio>
#include <string_view>

namespace app {

const char* const kUsage =
    "Usage: shocks [options]\n"
    "Opens the main window: type M1, p1, Teta-A and Teta-B (degrees) and press\n"
    "Calculate to solve the intersection of two oblique shocks of different\n"
    "families and draw the pressure-deflection diagram.\n"
    "\n"
    "  --screenshot FILE  press Calculate with the start inputs, save the window\n"
    "                     as a PNG picture and quit\n"
    "  --help             show this text\n"
    "  --version          show the version\n"
    "\n"
    "Qt's own options (such as -platform NAME or -style NAME) are taken as well.\n"
    "shocks-cli runs the same calculation without a window.\n";

std::optional<int> AnswerInformationOptions(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::fputs("1.00\n", stdout);
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace app
