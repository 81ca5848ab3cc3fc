#pragma once

#include <string>

#include "calc/calc_state.h"
#include "platform/runtime_error.h"

namespace calc {

// The warning after a slip-line search that used up its steps without the
// pressures behind shocks C and D agreeing: the shown state is no solution.
std::string UnbalancedWarning(const CalcState& state, char separator = '.');

// A failed calculation in words a student understands: the kind of error,
// where the calculation stopped and what it most likely means.
std::string DescribeFailure(const platform::RuntimeError& error);

}  // namespace calc
