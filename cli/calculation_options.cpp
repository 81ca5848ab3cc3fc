#include "cli/calculation_options.h"

#include <algorithm>
#include <string>

namespace cli {

void AddCalculationOptions(CLI::App& app, InputTexts& inputs, calc::Method& method) {
  const auto text = [&app](const char* name, std::string& into, const char* what) {
    app.add_option(name, into, what)->type_name("TEXT")->capture_default_str();
  };
  text("--M1", inputs.M1, "free-stream Mach number field");
  text("--p1", inputs.p1, "free-stream pressure field");
  text("--TetaA", inputs.TetaA, "deflection by shock A, degrees");
  text("--TetaB", inputs.TetaB, "deflection by shock B, degrees");
  app.add_option_function<std::string>(
         "--method",
         [&method](const std::string& name) {
           const std::optional<calc::Method> chosen = calc::MethodFromName(name);
           if (!chosen) throw CLI::ValidationError("--method takes iterasyon, iteras or exact");
           method = *chosen;
         },
         // CLI11 does not wrap descriptions; a line break keeps the help within 80 columns.
         "iterasyon (the slip-line iteration, default),\n"
         "iteras (the step search) or exact (closed-form\n"
         "shocks and a bracketed slip-line solve)")
      ->type_name("NAME");
}

PreparedArguments PrepareArguments(const CLI::App& app, const std::vector<std::string>& args) {
  PreparedArguments out;
  std::vector<const CLI::Option*> seen;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      out.args.insert(out.args.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
      break;
    }
    const bool long_form = arg.rfind("--", 0) == 0;
    const bool short_form = !long_form && arg.size() > 1 && arg[0] == '-';
    // "-h" and "--help" are one option; "-hx" and "-h=1" give the flag a value.
    std::size_t equals = std::string::npos;
    if (long_form) equals = arg.find('=');
    if (short_form && arg.size() > 2) equals = 2;
    const std::string name = arg.substr(0, equals);
    const CLI::Option* option = long_form || short_form ? app.get_option_no_throw(name) : nullptr;
    if (option == nullptr) {
      out.args.push_back(arg);  // CLI11 names what it does not know
      continue;
    }
    const bool takes_value = option->get_items_expected_min() > 0;
    if (std::find(seen.begin(), seen.end(), option) != seen.end()) {
      out.error = name + " is given twice; give each option once";
      return out;
    }
    seen.push_back(option);
    if (!takes_value && equals != std::string::npos) {
      out.error = name + " takes no value";
      return out;
    }
    if (equals != std::string::npos) {
      // CLI11 reads "--X=TEXT" itself, but not an empty TEXT.
      if (equals + 1 == arg.size()) {
        out.args.push_back(name);
        out.args.emplace_back();
      } else {
        out.args.push_back(arg);
      }
      continue;
    }
    out.args.push_back(arg);
    if (!takes_value || i + 1 == args.size()) continue;  // a missing last value: CLI11 says so
    if (args[i + 1].rfind("--", 0) == 0) {
      out.error = name + " needs a value, and " + args[i + 1] +
                  " is the next option (write " + name + "=" + args[i + 1] + " to mean that text)";
      return out;
    }
    out.args.push_back(args[++i]);  // the value, even "-h" or "-5", is not looked at as an option
  }
  return out;
}

}  // namespace cli
