#pragma once

#include <string>

#include "calc/calc_state.h"

namespace calc {

// The warning after a slip-line search that used up its steps without the
// pressures behind shocks C and D agreeing: the shown state is no solution.
// It ends with the exact solution for the same inputs, or why there is none.
std::string UnbalancedWarning(const CalcState& state, char separator = '.');

// One sentence on the exact solution for the inputs the state holds (M1, p1
// and the deflections in degrees, gamma 1.4): "The exact solution is Fi = ...
// with p4 = p5 = ...", or the exact solve's reason why there is none.
std::string ExactSolutionNote(const CalcState& state, char separator = '.');

// Where the polars of regions 2 and 3 do not cross (gamma 1.4): whether a Mach
// intersection forms instead, or neither pattern, and why, with the numbers.
std::string NoRegularSolutionNote(const CalcState& state);

}  // namespace calc
