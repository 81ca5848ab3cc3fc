#include "calc/balance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace calc {

namespace {

// Units in the last place two pressures computed along different shocks may
// differ by and still be one pressure.
constexpr double kRoundingUlps = 8.0;

}  // namespace

bool PressuresBalance(double p4, double p5, double p1) {
  const double difference = p4 - p5;
  if (difference == 0.0 || std::fabs(difference) < 0.0001 * std::fabs(p1)) return true;
  // Pressures some 1e11 times p1 and more hold 1e-4 of p1 below their last
  // digit: there a difference the size of their rounding is a balance too.
  return std::isfinite(difference) &&
         std::fabs(difference) <= kRoundingUlps * std::numeric_limits<double>::epsilon() *
                                       std::max(std::fabs(p4), std::fabs(p5));
}

}  // namespace calc
