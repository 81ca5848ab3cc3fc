#pragma once

namespace platform {

// x rounded to `places` decimal places (0 to 15), ties to the even digit.
// The tie is judged on the exact binary value of x, so 0.125 -> 0.12 and
// 0.375 -> 0.38, while 10.025 (stored a hair above the tie) -> 10.03.
double Round(double x, int places);

}  // namespace platform
