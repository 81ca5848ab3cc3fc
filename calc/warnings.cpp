#include "calc/warnings.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "exact/configuration.h"
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
    // "no regular intersection: ...", "Teta-A = 40° is beyond ..." and the like.
    if (error.Kind() == exact::ErrorKind::NoRegularIntersection) {
      return "There is no regular solution: " + NoRegularSolutionNote(state);
    }
    return std::string("The exact solve says: ") + error.what() + ".";
  }
}

std::string NoRegularSolutionNote(const CalcState& state) {
  const exact::Configuration c =
      exact::FindConfiguration(state.M1, state.TetaA, state.TetaB, exact::kGammaAir);
  std::string note = c.reason + ".";
  if (c.kind == exact::ConfigurationKind::Mach) {
    note = "the two shocks cannot meet at a point, and a Mach intersection forms instead, a Mach "
           "stem between two triple points: " + note;
  }
  if (!c.note.empty()) {
    std::string information = c.note;
    information.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(information.front())));
    note += " " + information + ".";
  }
  return note;
}

}  // namespace calc
