#include "calc/warnings.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "exact/interaction.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace calc {

namespace {

// |x| to two significant digits, as the result fields write numbers.
std::string TwoDigits(double x, char separator) {
  char buffer[32];
  const char* end =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::general, 2).ptr;
  double rounded = 0.0;
  std::from_chars(buffer, end, rounded);
  return platform::NumberToText(rounded, separator);
}

}  // namespace

std::string UnbalancedWarning(const CalcState& state, char separator) {
  const auto text = [separator](double x, int places) {
    return platform::NumberToText(platform::Round(x, places), separator);
  };
  const std::string p4 = text(state.p4, 3);
  const std::string p5 = text(state.p5, 3);
  // Pressures far above p1 may differ only beyond the digits shown: then say by how much.
  const std::string by = p4 == p5 ? ", by " + TwoDigits(state.p4 - state.p5, separator) : "";
  return "The slip-line search did not balance the pressures in 100 steps: p4 = " + p4 +
         " and p5 = " + p5 + " still differ" + by + ". The direction Fi = " + text(state.Fi, 2) +
         " and the states of regions 4 and 5 shown are not a solution. " +
         ExactSolutionNote(state, separator);
}

std::string ExactSolutionNote(const CalcState& state, char separator) {
  const auto text = [separator](double x, int places) {
    return platform::NumberToText(platform::Round(x, places), separator);
  };
  try {
    const exact::Interaction exact =
        exact::SolveInteraction(state.M1, state.p1, state.TetaA, state.TetaB);
    return "The exact solution is Fi = " + text(exact.Fi, 2) + " with p4 = p5 = " +
           text(exact.region4.p, 3) + ".";
  } catch (const exact::Error& error) {
    // "no regular intersection: ...", "shock A: no attached shock: ..." and the like.
    return std::string("The exact solve says: ") + error.what() + ".";
  }
}

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}
bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string_view Meaning(const platform::RuntimeError& error) {
  using platform::ErrorKind;
  const std::string_view where = error.Where();
  if (error.Kind() == ErrorKind::Overflow) {
    return "A value grew beyond the range of numbers: an input is far too large.";
  }
  if (StartsWith(where, "shock A") || StartsWith(where, "shock B")) {
    return "There is no attached oblique shock for this deflection: the Mach number must be "
           "above 1, and the deflection must lie between the largest one an attached shock "
           "can give at this Mach number and a small negative limit.";
  }
  if (StartsWith(where, "polar of region 1")) {
    return "No shock polar can start from the free stream: its Mach number must be above 1.";
  }
  if (StartsWith(where, "polar of region")) {
    return "The flow behind this incident shock is not supersonic, so no further shock can "
           "start from it.";
  }
  if (StartsWith(where, "slip-line") && (EndsWith(where, "shock C") || EndsWith(where, "shock D"))) {
    return "The transmitted shock has no attached solution for the deflection this step of the "
           "slip-line search asked for.";
  }
  return "The calculation has no defined result for these inputs.";
}

}  // namespace

std::string DescribeFailure(const platform::RuntimeError& error, const CalcState& state) {
  std::string text = "The calculation stopped with the error \"";
  text += platform::KindWords(error.Kind());
  text += "\"";
  if (!error.Where().empty()) text += " at " + error.Where();
  text += ". ";
  text += Meaning(error);
  if (StartsWith(error.Where(), "slip-line")) text += " " + ExactSolutionNote(state);
  return text;
}

}  // namespace calc
