#pragma once

#include <string>

#include "chart/chart_data.h"

namespace chart {

// Every point of every polar as comma-separated values, one line a point
// after a header: region, branch ("weak"/"strong"), flow direction in
// degrees, p / p1, shock angle in degrees, Mach number behind the shock.
// Numbers in the fewest digits that read back to the same double, '.' as
// separator, whatever the locale.
std::string ChartCsv(const ChartData& chart);

}  // namespace chart
