#pragma once

#include <string>
#include <variant>
#include <vector>

#include "calc/method.h"
#include "cli/run.h"

namespace cli {

using Method = calc::Method;
enum class Format { Text, Json };

// The most pixels a PNG picture may have (width times height, --scale
// applied): its image takes 4 bytes a pixel, which keeps the drawing under
// about 256 MB of memory (about 200 MB measured at the limit).
constexpr long long kMaxPngPixels = 40'000'000;

// Pictures of the diagram to write after the calculation.
struct ExportRequest {
  std::string svg_path;  // empty: none
  std::string png_path;  // empty: none
  int width = 357;       // the picture box, in pixels
  int height = 333;
  int scale = 1;         // whole-number enlargement for print
  std::string chart_path;  // the pressure-deflection chart, .svg or .png; empty: none
  int chart_width = 900;   // its size: --size sets both
  int chart_height = 600;
  std::string domain_map_path;  // the domain map of the free stream, .svg or .png; empty: none
  int domain_map_width = 820;   // its size: --size sets it too
  int domain_map_height = 520;
};

struct Options {
  InputTexts inputs;
  Method method = Method::Iterasyon;
  Format format = Format::Text;
  bool drawing = false;
  double gamma = 1.4;  // exact method only
  ExportRequest export_request;
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
  std::string message;  // one line, without the program's name
};

using ParsedCommand = std::variant<Options, ShowHelp, ShowVersion, UsageError>;

// Reads the command line (without the program name) with CLI11. Each option
// may be given once; "--" ends the options; a value may follow as the next
// argument or after "=", and one that begins with "--" must use "=".
ParsedCommand ParseCommandLine(const std::vector<std::string>& args);

// The --help text, made from the same option definitions.
std::string HelpText();

}  // namespace cli
