#include "calc/warnings.h"

#include "exact/interaction.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace calc {

std::string UnbalancedWarning(const CalcState& state, char separator) {
  const auto text = [separator](double x, int places) {
    return platform::NumberToText(platform::Round(x, places), separator);
  };
  return "The slip-line search did not balance the pressures in 100 steps: p4 = " +
         text(state.p4, 3) + " and p5 = " + text(state.p5, 3) +
         " still differ. The direction Fi = " + text(state.Fi, 2) +
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
    std::string note = std::string("The exact solve says: ") + error.what() + ".";
    if (error.Kind() == exact::ErrorKind::NoRegularIntersection) {
      note += " " + std::string(kMachIntersectionNote);
    }
    return note;
  }
}

}  // namespace calc
