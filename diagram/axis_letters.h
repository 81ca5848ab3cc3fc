#pragma once

#include <array>

namespace diagram {

// The letters that name the axes on the picture box: "p" near the top of the
// pressure axis and theta near the right end of the deflection axis. The box
// is 5355 x 4995 twips; positions are the letters' upper-left corners as
// fractions of the box, so an exported picture of any size keeps them in place.
struct AxisLetter {
  const char* text;  // UTF-8
  double left;       // fraction of the box width
  double top;        // fraction of the box height
  bool symbol;       // the Greek letter of the deflection axis
};

inline constexpr std::array<AxisLetter, 2> kAxisLetters{{
    {"p", 2640.0 / 5355.0, 240.0 / 4995.0, false},
    {"\u03b8", 3840.0 / 5355.0, 4560.0 / 4995.0, true},
}};

// Letter size of the labels, 8.25 point, in pixels at 96 dots per inch.
inline constexpr double kAxisLetterPixels = 11.0;

}  // namespace diagram
