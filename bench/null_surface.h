#pragma once

#include "platform/surface.h"

namespace bench {

// A surface that takes every call and keeps nothing: what the arithmetic
// costs without any drawing.
class NullSurface : public platform::Surface {
 public:
  void Scale(float, float, float, float) override {}
  void Cls() override {}
  void Line(float, float, float, float, platform::Colour) override {}
  void PSet(float, float, platform::Colour) override {}
  void Circle(float, float, float, platform::Colour) override {}
};

}  // namespace bench
