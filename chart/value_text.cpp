#include "chart/value_text.h"

#include <cmath>

#include "exact/error.h"

namespace chart {

std::string ValueText(double x, int decimals) {
  if (std::abs(x) >= 1e6) return exact::ShortText(x, 6);
  std::string text = exact::FixedText(x, decimals);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace chart
