#include "platform/rounding.h"

#include <array>
#include <charconv>
#include <cmath>

namespace platform {

double Round(double x, int places) {
  // From 2^52 on every double is a whole number, and non-finite values
  // never reach here; both are their own rounding.
  if (!std::isfinite(x) || std::fabs(x) >= 4503599627370496.0) return x;
  // The decimal conversion rounds the exact value half to even; reading the
  // text back gives the nearest double to the rounded decimal.
  std::array<char, 64> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, places);
  double rounded = 0.0;
  std::from_chars(text.data(), written.ptr, rounded);
  return rounded;
}

}  // namespace platform
