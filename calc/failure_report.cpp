#include "calc/failure_report.h"

#include <cmath>

#include "calc/warnings.h"
#include "exact/shock.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace calc {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

std::string Number(double x) { return platform::NumberToText(x); }
std::string Angle(double degrees) { return platform::NumberToText(platform::Round(degrees, 2)) + "\u00b0"; }
std::string Mach(double M) { return platform::NumberToText(platform::Round(M, 3)); }

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// "M1 = 0", with the typed text when the field was not read as it stands.
std::string InputWithText(std::string_view name, double value, std::string_view text) {
  const platform::NumberReading reading = platform::ReadLeadingNumber(text);
  std::string out = std::string(name) + " = " + Number(value);
  if (!reading.number_found || reading.text_ignored || reading.blanks_inside) {
    out += " (read from \"" + std::string(text) + "\")";
  }
  return out;
}

// Why one attached shock could not be found for `deflection` (degrees) from
// Mach number M: beyond the largest deflection, too far the other way, or in
// the last sliver below the largest one where the shock-angle iteration gives up.
std::string ShockLimitClause(double deflection, double M, std::string_view M_name) {
  const double largest = exact::MaxDeflection(std::fabs(M)).theta / kDegree;
  const std::string at = " at " + std::string(M_name) + " = " + Mach(M) + " (" + Angle(largest) + ")";
  if (deflection > largest) return "beyond the largest deflection of an attached shock" + at;
  if (deflection < 0.0) {
    return "a turn away from the flow farther than the shock-angle iteration can follow (an "
           "\"expansion shock\" is not physical in any case)";
  }
  return "just below the largest deflection of an attached shock" + at +
         ", where the shock-angle iteration finds no attached solution";
}

std::string IncidentShockSentence(const CalcState& s, const CalculationRecord& r, char shock) {
  if (!(std::fabs(s.M1) > 1.0)) return SubsonicFreeStreamSentence(s.M1, r.input_texts[0]);
  const bool a = shock == 'A';
  const double teta = a ? s.TetaA : s.TetaB;
  const std::string input =
      InputWithText(a ? "Teta-A" : "Teta-B", teta, r.input_texts[a ? 2 : 3]);
  const double largest = exact::MaxDeflection(std::fabs(s.M1)).theta / kDegree;
  if (teta > largest) {
    return input + "\u00b0 is beyond the largest deflection of an attached shock at M1 = " +
           Number(s.M1) + " (" + Angle(largest) + ").";
  }
  return input + "\u00b0 asks shock " + shock + " for " + ShockLimitClause(teta, s.M1, "M1") + ".";
}

std::string PolarSentence(const CalcState& s, int region) {
  const bool two = region == 2;
  const double M = two ? s.M2 : s.M3;
  const double teta = two ? s.TetaA : s.TetaB;
  std::string text = std::string("The flow behind shock ") + (two ? "A" : "B") + " is not supersonic (M" +
                     std::to_string(region) + " = " + Mach(M) + "), so no shock can start from region " +
                     std::to_string(region) + " and its polar cannot be drawn";
  if (std::fabs(s.M1) > 1.0) {
    const double sonic = exact::SonicDeflection(std::fabs(s.M1)) / kDegree;
    if (teta > sonic) {
      text += ": " + std::string(two ? "Teta-A" : "Teta-B") + " = " + Number(teta) +
              "\u00b0 lies beyond the deflection at which the flow behind an attached shock turns "
              "subsonic at M1 = " + Number(s.M1) + " (" + Angle(sonic) + ")";
    }
  }
  return text + ".";
}

// A transmitted shock that failed in a step of a slip-line search.
std::string SearchStepSentence(const CalcState& s, const CalculationRecord& r,
                               std::string_view where) {
  const bool shock_c = where.size() >= 7 && where.substr(where.size() - 7) == "shock C";
  const double fi = r.attempted_Fi;
  const double deflection = shock_c ? s.TetaA - fi : s.TetaB + fi;
  const double M = shock_c ? s.M2 : s.M3;
  const std::string search =
      r.method == Method::Iteras ? "the step search" : "the slip-line iteration";
  std::string step;
  if (StartsWith(where, "slip-line start")) {
    step = "The start of " + search;
  } else {
    const std::size_t number_start = std::string_view("slip-line step ").size();
    const std::size_t comma = where.find(',');
    step = "Step " + std::string(where.substr(number_start, comma - number_start)) + " of " + search;
  }
  return step + " tried Fi = " + Angle(fi) + ", which asks shock " + (shock_c ? "C" : "D") +
         " to turn the flow of region " + (shock_c ? "2" : "3") + " by " + Angle(deflection) +
         ", " + ShockLimitClause(deflection, M, shock_c ? "M2" : "M3") + ".";
}

std::string OverflowSentence(const CalcState& s, std::string_view where) {
  return "A value grew beyond the range of numbers at " + std::string(where) +
         ": the inputs are far too large for this calculation (M1 = " + Number(s.M1) +
         ", p1 = " + Number(s.p1) + ", Teta-A = " + Number(s.TetaA) + "\u00b0, Teta-B = " +
         Number(s.TetaB) + "\u00b0).";
}

std::string CauseOf(const platform::RuntimeError& error, const CalcState& s, const CalculationRecord& r) {
  const std::string& where = error.Where();
  if (StartsWith(where, "reading ")) {
    const std::string field = where.substr(8);
    const int index = field == "M1" ? 0 : field == "p1" ? 1 : field == "Teta-A" ? 2 : 3;
    return field + ": \"" + r.input_texts[static_cast<std::size_t>(index)] +
           "\" is too large for a number.";
  }
  if (StartsWith(where, "shock A") || StartsWith(where, "shock B")) {
    if (error.Kind() == platform::ErrorKind::Overflow && std::fabs(s.M1) > 1.0) {
      return OverflowSentence(s, where);
    }
    return IncidentShockSentence(s, r, where[6]);
  }
  if (error.Kind() == platform::ErrorKind::Overflow) return OverflowSentence(s, where);
  if (where == "diagram set-up") {
    return "The diagram has no height: with p1 = " + Number(s.p1) +
           " the pressures of regions 2 and 3 leave it a pressure range of 0.";
  }
  if (where == "polar of region 2") return PolarSentence(s, 2);
  if (where == "polar of region 3") return PolarSentence(s, 3);
  if (StartsWith(where, "slip-line") &&
      (where.ends_with("shock C") || where.ends_with("shock D"))) {
    return SearchStepSentence(s, r, where);
  }
  return "The calculation has no defined result for these inputs.";
}

}  // namespace

std::string SubsonicFreeStreamSentence(double M1, std::string_view text) {
  return InputWithText("M1", M1, text) +
         ": the free stream must be supersonic (M1 above 1) for a shock to stand in it.";
}

Failure DescribeFailure(const platform::RuntimeError& error, const Form1Procedures& form) {
  const CalcState& s = form.State();
  std::string text = CauseOf(error, s, form.Record());
  text += " (The calculation stopped with the error \"";
  text += platform::KindWords(error.Kind());
  text += "\"";
  if (!error.Where().empty()) text += " at " + error.Where();
  text += ".)";
  if (StartsWith(error.Where(), "slip-line")) text += " " + ExactSolutionNote(s);
  return {std::string(platform::KindName(error.Kind())), error.Where(), text};
}

Failure DescribeFailure(const exact::Error& error, const Form1Procedures& /*form*/) {
  std::string text = error.what();
  if (!text.ends_with('.')) text += ".";
  return {std::string(error.KindName()), error.Where(), text};
}

}  // namespace calc
