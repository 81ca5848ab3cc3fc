#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/run.h"

namespace cli {

enum class Method { Iterasyon, Iteras, Exact };
enum class Format { Text, Json };

// Pictures of the diagram to write after the calculation.
struct ExportRequest {
  std::string svg_path;  // empty: none
  std::string png_path;  // empty: none
  int width = 357;       // the picture box, in pixels
  int height = 333;
  int scale = 1;         // whole-number enlargement for print
};

struct Options {
  InputTexts inputs;
  Method method = Method::Iterasyon;
  Format format = Format::Text;
  bool drawing = false;
  double gamma = 1.4;  // exact mode only
  ExportRequest export_request;
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
  std::string message;
};

using ParsedCommand = std::variant<Options, ShowHelp, ShowVersion, UsageError>;

// Reads the command line (without the program name). An option's value is the
// next argument verbatim, even when it begins with "-", or follows "=".
ParsedCommand ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace cli
