#include "chart/ticks.h"

#include <algorithm>
#include <cmath>

namespace chart {

Ticks NiceTicks(const Range& range, int at_most) {
  const double span = range.hi - range.lo;
  Ticks ticks;
  if (!(span > 0.0) || !std::isfinite(span)) {
    ticks.first = std::isfinite(range.lo) ? range.lo : 0.0;
    return ticks;
  }
  const double rough = span / std::max(at_most, 1);
  double power = std::pow(10.0, std::floor(std::log10(rough)));
  // The smallest of 1, 2, 5, 10 times the power that is not finer than asked.
  double step = 10.0 * power;
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough * (1.0 - 1e-9)) {
      step = factor * power;
      break;
    }
  }
  if (step == 10.0 * power) power *= 10.0;
  ticks.step = step;
  ticks.first = std::ceil(range.lo / step - 1e-9) * step + 0.0;  // + 0.0: never "-0"
  ticks.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(power) + 1e-9)));
  return ticks;
}

}  // namespace chart
