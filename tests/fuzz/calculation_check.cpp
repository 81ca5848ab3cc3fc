#include "tests/fuzz/calculation_check.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <exception>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <variant>

#include "cli/report_output.h"
#include "platform/runtime_error.h"

namespace fuzz {

namespace {

// The result fields in the order the Calculate procedure writes them.
constexpr std::array<std::string_view, 15> kWriteOrder = {
    "Text_BetaA", "Text_M2", "Text_p2",    "Text_BetaB", "Text_M3",
    "Text_p3",    "Text_Fi", "Text_TetaC", "Text_BetaC", "Text_M4",
    "Text_p4",    "Text_TetaD", "Text_BetaD", "Text_M5",  "Text_p5"};

// The Calculate procedure fails only with the three run-time errors.
bool IsNamedKind(const std::string& kind) {
  return kind == "invalid-argument" || kind == "division-by-zero" || kind == "overflow";
}

// A non-finite value printed by any formatter spells "nan" or "inf".
bool ShowsNonFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// The text with every input echoed back in quotes ("M1: \"32E&nan0\" was read
// as 32 ...") taken out: what was typed may spell "nan" or "inf" itself.
std::string WithoutEchoedInputs(std::string text, const cli::InputTexts* inputs) {
  if (inputs == nullptr) return text;
  // The longest first: a shorter input ("1") may stand inside a longer one's echo.
  std::array<const std::string*, 4> typed = {&inputs->M1, &inputs->p1, &inputs->TetaA, &inputs->TetaB};
  std::sort(typed.begin(), typed.end(), [](const std::string* a, const std::string* b) {
    return a->size() > b->size();
  });
  for (const std::string* field : typed) {
    const std::string quoted = "\"" + *field + "\"";
    for (std::size_t at = text.find(quoted); at != std::string::npos; at = text.find(quoted, at)) {
      text.erase(at, quoted.size());
    }
  }
  return text;
}

// A JSON text without its string literals, which the checks of the report's
// own texts cover; what is left holds the numbers.
std::string OutsideStrings(std::string_view json) {
  std::string out;
  bool inside = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    if (inside && json[i] == '\\') {
      ++i;  // an escaped character, a quote included
    } else if (json[i] == '"') {
      inside = !inside;
    } else if (!inside) {
      out += json[i];
    }
  }
  return out;
}

std::string FirstNonFiniteCall(const diagram::RecordingSurface& drawing) {
  std::size_t index = 0;
  for (const diagram::SurfaceCall& call : drawing.calls) {
    const bool finite = std::visit(
        [](const auto& c) {
          using Call = std::decay_t<decltype(c)>;
          const auto all = [](std::initializer_list<float> values) {
            for (float v : values) {
              if (!std::isfinite(v)) return false;
            }
            return true;
          };
          if constexpr (std::is_same_v<Call, diagram::ScaleCall>) {
            return all({c.x1, c.y1, c.x2, c.y2});
          } else if constexpr (std::is_same_v<Call, diagram::LineCall>) {
            return all({c.x1, c.y1, c.x2, c.y2});
          } else if constexpr (std::is_same_v<Call, diagram::PSetCall>) {
            return all({c.x, c.y});
          } else if constexpr (std::is_same_v<Call, diagram::CircleCall>) {
            return all({c.x, c.y, c.radius});
          } else {
            return true;
          }
        },
        call);
    if (!finite) return "drawing call " + std::to_string(index) + " has a non-finite coordinate";
    ++index;
  }
  return {};
}

std::string CheckReport(const cli::RunReport& report, const cli::InputTexts* inputs) {
  const auto shows_non_finite = [inputs](const std::string& text) {
    return ShowsNonFinite(WithoutEchoedInputs(text, inputs));
  };
  // Fields are written in a fixed order; a failure stops the writing, so the
  // written ones are always a prefix of that order.
  if (report.results.size() > kWriteOrder.size()) return "more than fifteen result writes";
  for (std::size_t i = 0; i < report.results.size(); ++i) {
    if (report.results[i].first != kWriteOrder[i]) {
      return "result write " + std::to_string(i + 1) + " went to " + report.results[i].first;
    }
  }
  if (report.error) {
    if (!IsNamedKind(report.error->kind)) return "failure of kind \"" + report.error->kind + "\"";
  } else {
    if (report.results.size() != kWriteOrder.size()) {
      return "finished with only " + std::to_string(report.results.size()) + " result fields";
    }
    // A finished search logged at least its first step.
    if (report.log.empty()) return "finished with an empty iteration log";
  }

  for (const auto& [name, text] : report.results) {
    if (ShowsNonFinite(text)) return name + " shows \"" + text + "\"";
  }
  for (const std::string& line : report.log) {
    if (ShowsNonFinite(line)) return "log line \"" + line + "\"";
  }
  for (const std::string& message : report.messages) {
    if (ShowsNonFinite(message)) return "message \"" + message + "\"";
  }
  for (const calc::Warning& warning : report.warnings) {
    if (shows_non_finite(warning.text)) return "warning \"" + warning.text + "\"";
  }
  if (report.error &&
      (shows_non_finite(report.error->where) || shows_non_finite(report.error->description))) {
    return "failure report \"" + report.error->description + "\"";
  }
  if (std::string drawing = FirstNonFiniteCall(report.drawing); !drawing.empty()) return drawing;
  if (shows_non_finite(cli::ReportToText(report))) return "text output shows a non-finite value";
  if (ShowsNonFinite(OutsideStrings(cli::ReportToJson(report, true)))) {
    return "JSON output shows a non-finite value";
  }
  return {};
}

}  // namespace

std::string FindReportViolation(const cli::RunReport& report, const cli::InputTexts* inputs) {
  return CheckReport(report, inputs);
}

cli::InputTexts SplitInputs(std::string_view data) {
  cli::InputTexts inputs;
  std::array<std::string*, 4> fields = {&inputs.M1, &inputs.p1, &inputs.TetaA, &inputs.TetaB};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::size_t cut = i + 1 < fields.size() ? data.find(kTextSeparator) : std::string::npos;
    *fields[i] = std::string(data.substr(0, cut));
    if (cut == std::string_view::npos) break;
    data.remove_prefix(cut + 1);
  }
  return inputs;
}

std::string Describe(const cli::InputTexts& inputs) {
  std::string text;
  for (const std::string* field : {&inputs.M1, &inputs.p1, &inputs.TetaA, &inputs.TetaB}) {
    text += text.empty() ? "\"" : " \"";
    for (unsigned char c : *field) {
      if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
        text += static_cast<char>(c);
      } else {
        static constexpr char kHex[] = "0123456789abcdef";
        text += "\\x";
        text += kHex[c >> 4];
        text += kHex[c & 0xf];
      }
    }
    text += '"';
  }
  return text;
}

std::string FindViolation(const cli::InputTexts& inputs, calc::SlipLineSearch search) {
  const std::string method = search == calc::SlipLineSearch::Iteras ? "iteras" : "iterasyon";
  std::string violation;
  try {
    violation = CheckReport(cli::RunCalculation(inputs, search), &inputs);
  } catch (const platform::RuntimeError& error) {
    violation = std::string("run-time error escaped the procedure: ") + error.what();
  } catch (const std::exception& error) {
    violation = std::string("other exception: ") + error.what();
  } catch (...) {
    violation = "unknown exception";
  }
  if (violation.empty()) return {};
  return method + " on " + Describe(inputs) + ": " + violation;
}

}  // namespace fuzz
