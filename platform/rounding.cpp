#include "platform/rounding.h"

#include <array>
#include <charconv>
#include <cmath>

namespace platform {

namespace {

constexpr std::array<double, 16> kPowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Exact rounding through the decimal expansion: the conversion rounds the exact
// binary value half to even, and reading the text back gives the nearest double
// to the rounded decimal.
double RoundThroughText(double x, int places) {
  std::array<char, 64> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, places);
  double rounded = 0.0;
  std::from_chars(text.data(), written.ptr, rounded);
  return rounded;
}

}  // namespace

double Round(double x, int places) {
  // From 2^52 on every double is a whole number, and non-finite values
  // never reach here; both are their own rounding.
  if (!std::isfinite(x) || std::fabs(x) >= 4503599627370496.0) return x;
  if (places < 0 || places >= static_cast<int>(kPowersOfTen.size())) {
    return RoundThroughText(x, places < 0 ? 0 : places);
  }
  // Fast path: scale, round to a whole number, scale back. The scaling rounds,
  // so it may only decide the digit where the scaled value is clearly away
  // from a tie; the division by an exact power of ten then gives the nearest
  // double to the rounded decimal, as the text path does.
  const double power = kPowersOfTen[static_cast<std::size_t>(places)];
  const double scaled = x * power;
  const double fraction = std::fabs(scaled - std::trunc(scaled));
  if (std::fabs(scaled) < 1e15 && std::fabs(fraction - 0.5) > 1e-6) {
    return std::nearbyint(scaled) / power;
  }
  return RoundThroughText(x, places);
}

}  // namespace platform
