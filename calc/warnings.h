#pragma once

#include <string>

#include "calc/calc_state.h"
#include "platform/runtime_error.h"

namespace calc {

// The warning after a slip-line search that used up its steps without the
// pressures behind shocks C and D agreeing: the shown state is no solution.
// It ends with the exact solution for the same inputs, or why there is none.
std::string UnbalancedWarning(const CalcState& state, char separator = '.');

// A failed calculation in words a student understands: the kind of error,
// where the calculation stopped and what it most likely means. When the
// slip-line search failed, the exact solution for the inputs of `state`
// follows (or the reason there is none).
std::string DescribeFailure(const platform::RuntimeError& error, const CalcState& state);

// One sentence on the exact solution for the inputs the state holds (M1, p1
// and the deflections in degrees, gamma 1.4): "The exact solution is Fi = ...
// with p4 = p5 = ...", or the exact solve's reason why there is none.
std::string ExactSolutionNote(const CalcState& state, char separator = '.');

}  // namespace calc
