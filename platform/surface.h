#pragma once

#include <cstdint>

namespace platform {

// A 24-bit colour: red in the lowest byte, green in the next, blue in the third.
using Colour = std::int32_t;

constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

// The drawing surface of the diagram. Every position is an absolute user
// coordinate and every size a user length, both in single precision as the
// surface receives them; the colour is always given.
class Surface {
 public:
  virtual ~Surface() = default;
  // (x1, y1) becomes the upper-left corner, (x2, y2) the lower-right one.
  virtual void Scale(float x1, float y1, float x2, float y2) = 0;
  // Erases everything drawn.
  virtual void Cls() = 0;
  virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;
  virtual void PSet(float x, float y, Colour colour) = 0;
  // Outline of a circle, radius in horizontal units, round on the screen.
  virtual void Circle(float x, float y, float radius, Colour colour) = 0;
};

}  // namespace platform
