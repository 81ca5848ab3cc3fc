#include "cli/options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/calculation_options.h"

namespace cli {

namespace {

constexpr const char* kFooter =
    "Each TEXT is read like the window's field: the leading number, blanks\n"
    "ignored, \".\" as the decimal point; no number gives 0.\n"
    "\n"
    "A PNG picture has at most 40 million pixels, --scale applied.\n"
    "\n"
    "Exit status: 0 calculation finished; 1 calculation failed, or a picture or\n"
    "the output not written (no diagram is written after a failed calculation);\n"
    "2 bad usage; 3 the slip-line search ended without balancing the pressures,\n"
    "so the results shown are no solution.";
static_assert(kMaxPngPixels == 40'000'000, "the help text names the limit");

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

// What the command line asks for beyond one calculation.
struct Requests {
  bool help = false;
  bool version = false;
};

// Every option of shocks-cli, bound to `options`.
void DefineOptions(CLI::App& app, Options& options, Requests& requests) {
  app.set_help_flag();  // answered after the whole line is read, so "--help --bogus" is an error
  app.add_flag("-h,--help", requests.help, "show this text")->disable_flag_override();
  app.add_flag("--version", requests.version, "show the version")->disable_flag_override();
  AddCalculationOptions(app, options.inputs, options.method);
  app.add_option_function<std::string>(
         "--gamma",
         [&options](const std::string& text) {
           double gamma = 0.0;
           const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), gamma);
           if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
               !(gamma > 1.0) || !(gamma <= 10.0)) {
             throw CLI::ValidationError("--gamma takes a number above 1 and at most 10");
           }
           options.gamma = gamma;
         },
         "ratio of specific heats for --method exact\n(default 1.4)")
      ->type_name("G");
  app.add_option_function<std::string>(
         "--format",
         [&options](const std::string& text) {
           if (text == "text") {
             options.format = Format::Text;
           } else if (text == "json") {
             options.format = Format::Json;
           } else {
             throw CLI::ValidationError("--format takes text or json");
           }
         },
         "text (default) or json")
      ->type_name("NAME");
  app.add_flag("--drawing", options.drawing, "add the drawing operations to the JSON output")
      ->disable_flag_override();
  const auto file = [&app](const char* name, std::string& into, const char* what) {
    app.add_option_function<std::string>(
           name,
           [&into, name](const std::string& path) {
             if (path.empty()) throw CLI::ValidationError(std::string(name) + " needs a file name");
             into = path;
           },
           what)
        ->type_name("FILE");
  };
  file("--svg", options.export_request.svg_path, "write the diagram as an SVG picture");
  file("--png", options.export_request.png_path, "write the diagram as a PNG picture");
  // A picture whose kind goes by its file's ending, .svg or .png.
  const auto picture = [&app](const char* name, std::string& into, const char* what) {
    app.add_option_function<std::string>(
           name,
           [&into, name](const std::string& path) {
             const auto ends = [&path](std::string_view suffix) {
               return path.size() > suffix.size() &&
                      std::equal(suffix.rbegin(), suffix.rend(), path.rbegin(), [](char a, char b) {
                        return a == std::tolower(static_cast<unsigned char>(b));
                      });
             };
             if (!ends(".svg") && !ends(".png")) {
               throw CLI::ValidationError(std::string(name) + " takes a file name ending in .svg or .png");
             }
             into = path;
           },
           what)
        ->type_name("FILE");
  };
  picture("--chart", options.export_request.chart_path,
          "write the pressure-deflection chart, SVG or PNG\nby the file's ending");
  picture("--domain-map", options.export_request.domain_map_path,
          "write the domain map of this M1: where the\nregular, the Mach intersection or both can\nstand; SVG or PNG by the file's ending");
  app.add_option_function<std::string>(
         "--size",
         [&options](const std::string& text) {
           const auto x = text.find('x');
           const auto width = WholeNumber(std::string_view(text).substr(0, x), 16, 8192);
           const auto height = x == std::string::npos
                                   ? std::nullopt
                                   : WholeNumber(std::string_view(text).substr(x + 1), 16, 8192);
           if (!width || !height) {
             throw CLI::ValidationError("--size takes WIDTHxHEIGHT, 16 to 8192 pixels each");
           }
           options.export_request.width = options.export_request.chart_width =
               options.export_request.domain_map_width = *width;
           options.export_request.height = options.export_request.chart_height =
               options.export_request.domain_map_height = *height;
         },
         "picture size in pixels (default 357x333, the\nwindow's box; chart 900x600; domain map\n820x520)")
      ->type_name("WxH");
  app.add_option_function<std::string>(
         "--scale",
         [&options](const std::string& text) {
           const auto scale = WholeNumber(text, 1, 16);
           if (!scale) throw CLI::ValidationError("--scale takes a whole number from 1 to 16");
           options.export_request.scale = *scale;
         },
         "enlarge the pictures N times for print\n(1 to 16, default 1)")
      ->type_name("N");
}

// CLI11's messages, made to stand on one line.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Whether a --chart or --domain-map file (named .svg or .png, in any case) is a PNG picture.
bool EndsInPng(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ending = path.substr(path.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
  return ending == ".png";
}

// Rules across options, once all are read.
std::optional<std::string> Inconsistency(const Options& options) {
  const ExportRequest& picture = options.export_request;
  const bool draws = options.drawing || !picture.svg_path.empty() || !picture.png_path.empty();
  if (options.method != Method::Exact && options.gamma != 1.4) {
    return "--gamma goes with --method exact; the other methods use 1.4";
  }
  if (draws && options.gamma != 1.4) {
    return "the diagram is drawn for air: --drawing, --svg and --png need gamma 1.4";
  }
  if (std::max({picture.width, picture.chart_width, picture.domain_map_width}) * picture.scale > 16384 ||
      std::max({picture.height, picture.chart_height, picture.domain_map_height}) * picture.scale > 16384) {
    return "the picture would be larger than 16384 pixels on a side";
  }
  const auto png_too_large = [&picture](const char* option, int width, int height) {
    const long long pixels = 1LL * width * picture.scale * height * picture.scale;
    if (pixels <= kMaxPngPixels) return std::optional<std::string>();
    return std::optional<std::string>(
        std::string(option) + " asks for a PNG picture of " + std::to_string(width * picture.scale) + " x " +
        std::to_string(height * picture.scale) + " pixels, more than the limit of " +
        std::to_string(kMaxPngPixels / 1000000) + " million pixels (4 bytes each while drawing): make --size or "
        "--scale smaller");
  };
  if (!picture.png_path.empty()) {
    if (auto problem = png_too_large("--png", picture.width, picture.height)) return problem;
  }
  if (EndsInPng(picture.chart_path)) {
    if (auto problem = png_too_large("--chart", picture.chart_width, picture.chart_height)) return problem;
  }
  if (EndsInPng(picture.domain_map_path)) {
    return png_too_large("--domain-map", picture.domain_map_width, picture.domain_map_height);
  }
  return std::nullopt;
}

}  // namespace

ParsedCommand ParseCommandLine(const std::vector<std::string>& args) {
  Options options;
  Requests requests;
  CLI::App app;
  DefineOptions(app, options, requests);
  const PreparedArguments prepared = PrepareArguments(app, args);
  if (!prepared.error.empty()) return UsageError{prepared.error};
  std::vector<std::string> reversed(prepared.args.rbegin(), prepared.args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ExtrasError&) {
    std::vector<std::string> extra = app.remaining();
    std::string text = "unexpected argument";
    for (const std::string& arg : extra) {
      if (arg != "--") text += " \"" + arg + "\"";
    }
    return UsageError{text};
  } catch (const CLI::ParseError& error) {
    return UsageError{OneLine(error.what())};
  }
  if (requests.help) return ShowHelp{};
  if (requests.version) return ShowVersion{};
  if (const auto problem = Inconsistency(options)) return UsageError{*problem};
  return options;
}

std::string HelpText() {
  Options options;
  Requests requests;
  CLI::App app("Solves the intersection of two oblique shocks of different families as one\n"
               "press of Calculate in the main window would.",
               "shocks-cli");
  DefineOptions(app, options, requests);
  app.footer(kFooter);
  return app.help();
}

}  // namespace cli
