#include "calc/input_reading.h"

#include <cmath>

#include "platform/number_text.h"

namespace calc {

namespace {

constexpr std::string_view kDecimalPoint = " (\".\" is the decimal point.)";

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

std::string_view WarningKindName(WarningKind kind) {
  switch (kind) {
    case WarningKind::InputRead: return "input-read";
    case WarningKind::NotPhysical: return "not-physical";
    case WarningKind::Unbalanced: return "unbalanced";
  }
  return "unknown";
}

double ReadInputField(std::string_view field, std::string_view text, WarningBox& warnings) {
  const platform::NumberReading reading = platform::ReadLeadingNumber(text);
  const std::string name(field);
  const std::string used = platform::NumberToText(reading.value);
  std::string sentence;
  if (IsBlank(text)) {
    sentence = name + ": the field is empty and was read as 0.";
  } else if (!reading.number_found) {
    sentence = name + ": " + Quoted(text) + " does not begin with a number and was read as 0.";
  } else if (reading.text_ignored) {
    sentence = name + ": " + Quoted(text) + " was read as " + used + "; the characters after " +
               Quoted(reading.read_text) + " were ignored.";
  } else if (reading.blanks_inside) {
    sentence = name + ": " + Quoted(text) + " was read as " + used +
               "; the blanks inside the number were skipped.";
  }
  if (!sentence.empty()) warnings.Warn({WarningKind::InputRead, sentence + std::string(kDecimalPoint)});
  return reading.value;
}

void WarnAboutUnphysicalInputs(const CalcState& s, Method method, WarningBox& warnings) {
  if (method == Method::Exact) return;
  const auto warn = [&warnings](const std::string& text) {
    warnings.Warn({WarningKind::NotPhysical, text});
  };
  const auto text = [](double x) { return platform::NumberToText(x); };
  if (s.M1 < -1.0) {
    warn("M1 = " + text(s.M1) + " is negative: a Mach number has no sign, and the results shown are "
         "those of M1 = " + text(-s.M1) + ".");
  }
  if (s.p1 <= 0.0) {
    warn("p1 = " + text(s.p1) + " is not a positive pressure: the pressures shown follow from it "
         "by the shock relations but describe no real gas.");
  }
  const auto deflection = [&](const char* field, const char* shock, double teta) {
    if (!(teta < 0.0)) return;
    warn(std::string(field) + " = " + text(teta) + "\u00b0 is negative: shock " + shock +
         " would then turn the flow away and lower its pressure, an \"expansion shock\" with its "
         "angle below the Mach angle, which the second law of thermodynamics forbids; a real flow "
         "turns that way through an expansion fan.");
  };
  deflection("Teta-A", "A", s.TetaA);
  deflection("Teta-B", "B", s.TetaB);
}

}  // namespace calc
