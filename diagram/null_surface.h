#pragma once

#include "platform/surface.h"

namespace diagram {

// A surface that takes every call and keeps nothing: for a calculation whose
// drawing nobody sees (a batch row), and for timing the arithmetic alone.
class NullSurface : public platform::Surface {
 public:
  void Scale(float, float, float, float) override {}
  void Cls() override {}
  void Line(float, float, float, float, platform::Colour) override {}
  void PSet(float, float, platform::Colour) override {}
  void Circle(float, float, float, platform::Colour) override {}
};

}  // namespace diagram
