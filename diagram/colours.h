#pragma once

#include "platform/surface.h"

namespace diagram {

// Colours of the program (red in the lowest byte).
inline constexpr platform::Colour kAxisColour = 5;               // all but black
inline constexpr platform::Colour kBlue = 16711680;              // region 1 polar, region points
inline constexpr platform::Colour kRed = 255;                    // region 2 polar, solution marker
inline constexpr platform::Colour kGreen = 65280;                // region 3 polar
inline constexpr platform::Colour kLightYellow = 12648447;       // diagram surface, About window
inline constexpr platform::Colour kDarkGreen = 32768;            // About title

}  // namespace diagram
