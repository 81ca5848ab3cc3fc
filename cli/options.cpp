#include "cli/options.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace cli {

const char* const kUsage =
    "Usage: shocks-cli [options]\n"
    "Solves the intersection of two oblique shocks of different families\n"
    "(gamma = 1.4) as one press of Calculate in the main window would.\n"
    "\n"
    "  --M1 TEXT        free-stream Mach number field (default \"3\")\n"
    "  --p1 TEXT        free-stream pressure field (default \"1\")\n"
    "  --TetaA TEXT     deflection by shock A in degrees (default \"10\")\n"
    "  --TetaB TEXT     deflection by shock B in degrees (default \"5\")\n"
    "                   Each TEXT is read like the window's field: leading number,\n"
    "                   blanks ignored, \".\" as decimal point, no number gives 0.\n"
    "  --method NAME    iterasyon (default: the slip-line iteration), iteras\n"
    "                   (the step search) or exact (closed-form shocks and a\n"
    "                   bracketed slip-line solve; draws no diagram)\n"
    "  --gamma G        ratio of specific heats for --method exact (default 1.4)\n"
    "  --format NAME    text (default) or json\n"
    "  --drawing        add the drawing operations to the JSON output\n"
    "  --svg FILE       write the diagram as an SVG picture\n"
    "  --png FILE       write the diagram as a PNG picture\n"
    "  --size WxH       picture size in pixels (default 357x333, the window's box)\n"
    "  --scale N        enlarge the pictures N times for print (1 to 16, default 1)\n"
    "  --help           show this text\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 calculation finished, 1 calculation failed, 2 bad usage.\n";

namespace {

// Splits "--name=value" into its parts; a plain "--name" has no inline value.
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view arg) {
  const auto eq = arg.find('=');
  if (eq == std::string_view::npos) return {arg, std::nullopt};
  return {arg.substr(0, eq), arg.substr(eq + 1)};
}

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

ParsedCommand ParseCommandLine(const std::vector<std::string>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto split = SplitOption(args[i]);
    const std::string_view name = split.first;
    const std::optional<std::string_view> inline_value = split.second;
    const auto value = [&]() -> std::optional<std::string> {
      if (inline_value) return std::string(*inline_value);
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    const bool flag_only = !inline_value.has_value();

    std::string* input = nullptr;
    if (name == "--M1") input = &options.inputs.M1;
    if (name == "--p1") input = &options.inputs.p1;
    if (name == "--TetaA") input = &options.inputs.TetaA;
    if (name == "--TetaB") input = &options.inputs.TetaB;
    if (input != nullptr) {
      const auto text = value();
      if (!text) return UsageError{std::string(name) + " needs a text"};
      *input = *text;
    } else if (name == "--method") {
      const auto text = value();
      if (text == "iterasyon") {
        options.method = Method::Iterasyon;
      } else if (text == "iteras") {
        options.method = Method::Iteras;
      } else if (text == "exact") {
        options.method = Method::Exact;
      } else {
        return UsageError{"--method takes iterasyon, iteras or exact"};
      }
    } else if (name == "--gamma") {
      const std::string text = value().value_or("");
      double gamma = 0.0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), gamma);
      if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !(gamma > 1.0) ||
          !(gamma <= 10.0)) {
        return UsageError{"--gamma takes a number above 1 and at most 10"};
      }
      options.gamma = gamma;
    } else if (name == "--format") {
      const auto text = value();
      if (text == "text") {
        options.format = Format::Text;
      } else if (text == "json") {
        options.format = Format::Json;
      } else {
        return UsageError{"--format takes text or json"};
      }
    } else if (name == "--svg" || name == "--png") {
      const auto text = value();
      if (!text || text->empty()) return UsageError{std::string(name) + " needs a file name"};
      (name == "--svg" ? options.export_request.svg_path : options.export_request.png_path) = *text;
    } else if (name == "--size") {
      const std::string text = value().value_or("");
      const auto x = text.find('x');
      const auto width = WholeNumber(std::string_view(text).substr(0, x), 16, 8192);
      const auto height = x == std::string::npos
                              ? std::nullopt
                              : WholeNumber(std::string_view(text).substr(x + 1), 16, 8192);
      if (!width || !height) return UsageError{"--size takes WIDTHxHEIGHT, 16 to 8192 pixels each"};
      options.export_request.width = *width;
      options.export_request.height = *height;
    } else if (name == "--scale") {
      const auto scale = WholeNumber(value().value_or(""), 1, 16);
      if (!scale) return UsageError{"--scale takes a whole number from 1 to 16"};
      options.export_request.scale = *scale;
    } else if (name == "--drawing" && flag_only) {
      options.drawing = true;
    } else if (name == "--help" && flag_only) {
      return ShowHelp{};
    } else if (name == "--version" && flag_only) {
      return ShowVersion{};
    } else {
      return UsageError{"unknown argument: " + args[i]};
    }
  }
  const ExportRequest& picture = options.export_request;
  if (options.method == Method::Exact &&
      (options.drawing || !picture.svg_path.empty() || !picture.png_path.empty())) {
    return UsageError{"--method exact draws no diagram (no --drawing, --svg or --png)"};
  }
  if (options.method != Method::Exact && options.gamma != 1.4) {
    return UsageError{"--gamma goes with --method exact; the other methods use 1.4"};
  }
  if (picture.width * picture.scale > 16384 || picture.height * picture.scale > 16384) {
    return UsageError{"the picture would be larger than 16384 pixels on a side"};
  }
  return options;
}

}  // namespace cli
