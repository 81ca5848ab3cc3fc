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
         "iterasyon (the slip-line iteration, default), iteras (the step search) or exact "
         "(closed-form shocks and a bracketed slip-line solve)")
      ->type_name("NAME");
}

PreparedArguments PrepareArguments(const CLI::App& app, const std::vector<std::string>& args) {
  PreparedArguments out;
  std::vector<const CLI::Option*> seen;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg == "--" || arg.rfind("--", 0) != 0) {
      options_ended = options_ended || arg == "--";
      out.args.push_back(arg);
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const CLI::Option* option = app.get_option_no_throw(name);
    const bool takes_value = option != nullptr && option->get_items_expected_min() > 0;
    if (option != nullptr && std::find(seen.begin(), seen.end(), option) != seen.end()) {
      out.error = name + " is given twice; give each option once";
      return out;
    }
    seen.push_back(option);
    if (option != nullptr && !takes_value && equals != std::string::npos) {
      out.error = name + " takes no value";
      return out;
    }
    if (equals != std::string::npos) {
      // CLI11 reads "--X=TEXT" itself, but not an empty TEXT.
      if (takes_value && equals + 1 == arg.size()) {
        out.args.push_back(name);
        out.args.emplace_back();
      } else {
        out.args.push_back(arg);
      }
      continue;
    }
    out.args.push_back(arg);
    if (takes_value && i + 1 < args.size() && args[i + 1].rfind("--", 0) == 0) {
      out.error = name + " needs a value, and " + args[i + 1] +
                  " is the next option (write " + name + "=" + args[i + 1] + " to mean that text)";
      return out;
    }
  }
  return out;
}

}  // namespace cli
