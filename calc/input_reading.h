#pragma once

#include <string>
#include <string_view>

#include "calc/calc_state.h"
#include "calc/method.h"
#include "calc/warning_box.h"

namespace calc {

// Reads one input field by the leading-number rule and warns when the number
// used is not all that was typed: characters ignored, blanks inside the number
// skipped, or an empty field read as 0. `field` is the name the user sees
// ("M1", "Teta-A"). Raises the overflow error for a number beyond a double.
double ReadInputField(std::string_view field, std::string_view text, WarningBox& warnings);

// Warns about inputs the original procedures compute with although they
// describe no real flow: a negative M1 (they give the results of |M1|), a p1
// of 0 or below, a negative deflection (an "expansion shock"). The exact
// method refuses these instead, so it gets no such warning.
void WarnAboutUnphysicalInputs(const CalcState& state, Method method, WarningBox& warnings);

}  // namespace calc
