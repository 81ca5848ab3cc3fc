#include "app/window_options.h"

#include <algorithm>

#include <CLI/CLI.hpp>

#include "cli/calculation_options.h"

namespace app {

namespace {

struct Parsed {
  cli::InputTexts inputs;
  calc::Method method = calc::Method::Iterasyon;
  std::string screenshot;
  bool help = false;
  bool version = false;
};

void DefineOptions(CLI::App& app, Parsed& parsed) {
  app.set_help_flag();
  app.add_flag("-h,--help", parsed.help, "show this text")->disable_flag_override();
  app.add_flag("--version", parsed.version, "show the version")->disable_flag_override();
  cli::AddCalculationOptions(app, parsed.inputs, parsed.method);
  // A field not given keeps what the last start left, so no default is shown.
  for (const char* name : {"--M1", "--p1", "--TetaA", "--TetaB"}) app.get_option(name)->default_str("");
}

// "--screenshot FILE", only for the pictures of the documentation and so not
// in the help: taken out before the options are read.
std::vector<std::string> TakeScreenshotOption(std::vector<std::string> args, std::string& file) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") break;
    if (args[i] == "--screenshot" && i + 1 < args.size()) {
      file = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      break;
    }
  }
  return args;
}

}  // namespace

WindowCommand ParseWindowCommandLine(const std::vector<std::string>& args) {
  Parsed parsed;
  CLI::App app;
  DefineOptions(app, parsed);
  const cli::PreparedArguments prepared =
      cli::PrepareArguments(app, TakeScreenshotOption(args, parsed.screenshot));
  if (!prepared.error.empty()) return cli::UsageError{prepared.error};
  std::vector<std::string> reversed(prepared.args.rbegin(), prepared.args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    std::string text = error.what();
    std::replace(text.begin(), text.end(), '\n', ' ');
    return cli::UsageError{text};
  }
  if (parsed.help) return cli::ShowHelp{};
  if (parsed.version) return cli::ShowVersion{};
  WindowStart start;
  const std::string* texts[] = {&parsed.inputs.M1, &parsed.inputs.p1, &parsed.inputs.TetaA,
                                &parsed.inputs.TetaB};
  const char* names[] = {"--M1", "--p1", "--TetaA", "--TetaB"};
  for (std::size_t i = 0; i < 4; ++i) {
    if (app.count(names[i]) > 0) start.inputs[i] = *texts[i];
  }
  if (app.count("--method") > 0) start.method = parsed.method;
  start.screenshot = parsed.screenshot;
  return start;
}

std::string WindowHelpText() {
  Parsed parsed;
  CLI::App app("Opens the main window on the given case: the fields hold the texts given,\n"
               "the Calculation menu the method; what is not given is as the last start\n"
               "left it.",
               "shocks");
  DefineOptions(app, parsed);
  app.footer("Each TEXT is read like the window's field: the leading number, blanks\n"
             "ignored, \".\" as the decimal point; no number gives 0.");
  return app.help();
}

}  // namespace app
