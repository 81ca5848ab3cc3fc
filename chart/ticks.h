#pragma once

#include "chart/chart_data.h"

namespace chart {

// Evenly spaced round tick values over a range: a step of 1, 2 or 5 times a
// power of ten, so that every number on an axis reads short.
struct Ticks {
  double step = 1.0;   // between two ticks, in the axis unit
  double first = 0.0;  // the lowest tick inside the range
  int decimals = 0;    // places that write every tick exactly
};

// Ticks for `range` with no more than `at_most` intervals across it (at least 1).
Ticks NiceTicks(const Range& range, int at_most);

}  // namespace chart
