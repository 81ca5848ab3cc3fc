#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/method.h"

namespace calc {

// A field of the main window and the name its label gives it.
struct FieldLabel {
  std::string_view control;  // "Text_TetaA"
  std::string_view label;    // "Teta-A"
};

// The four input fields, in the order a calculation reads them.
inline constexpr std::array<FieldLabel, 4> kInputLabels{{
    {"Text_M1", "M1"}, {"Text_p1", "p1"}, {"Text_TetaA", "Teta-A"}, {"Text_TetaB", "Teta-B"}}};

// The fifteen result fields, in the order a calculation writes them.
inline constexpr std::array<FieldLabel, 15> kResultLabels{{{"Text_BetaA", "Beta-A"},
                                                           {"Text_M2", "M2"},
                                                           {"Text_p2", "p2"},
                                                           {"Text_BetaB", "Beta-B"},
                                                           {"Text_M3", "M3"},
                                                           {"Text_p3", "p3"},
                                                           {"Text_Fi", "Fi"},
                                                           {"Text_TetaC", "Teta-C"},
                                                           {"Text_BetaC", "Beta-C"},
                                                           {"Text_M4", "M4"},
                                                           {"Text_p4", "p4"},
                                                           {"Text_TetaD", "Teta-D"},
                                                           {"Text_BetaD", "Beta-D"},
                                                           {"Text_M5", "M5"},
                                                           {"Text_p5", "p5"}}};

// The inputs, the method and the results as lines "name<TAB>value", one per
// field and a last line break, ready to paste into a spreadsheet.
std::string ResultsAsTabSeparated(const std::array<std::string, 4>& inputs, Method method,
                                  const std::array<std::string, 15>& results);

}  // namespace calc
