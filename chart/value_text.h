#pragma once

#include <string>

namespace chart {

// x for a person: with `decimals` places while it is below a million in size,
// above that in six significant digits with an exponent (a flow of Mach 1e50
// has pressures of 1e100); never "-0". '.' as separator, whatever the locale.
std::string ValueText(double x, int decimals);

}  // namespace chart
