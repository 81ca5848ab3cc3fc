#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/surface.h"

namespace diagram {

// One call on the drawing surface, with the single-precision arguments it got.
// Equal when every argument compares equal, for comparing recordings.
struct ScaleCall {
  float x1, y1, x2, y2;
  bool operator==(const ScaleCall&) const = default;
};
struct ClsCall {
  bool operator==(const ClsCall&) const = default;
};
struct LineCall {
  float x1, y1, x2, y2;
  platform::Colour colour;
  bool operator==(const LineCall&) const = default;
};
struct PSetCall {
  float x, y;
  platform::Colour colour;
  bool operator==(const PSetCall&) const = default;
};
struct CircleCall {
  float x, y, radius;
  platform::Colour colour;
  bool operator==(const CircleCall&) const = default;
};
using SurfaceCall = std::variant<ScaleCall, ClsCall, LineCall, PSetCall, CircleCall>;

// A surface that keeps the ordered list of calls made on it, for tests, the
// command line and export. Cls is recorded like any other call.
class RecordingSurface : public platform::Surface {
 public:
  void Scale(float x1, float y1, float x2, float y2) override;
  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, platform::Colour colour) override;
  void PSet(float x, float y, platform::Colour colour) override;
  void Circle(float x, float y, float radius, platform::Colour colour) override;

  // Replays every recorded call onto another surface, in order.
  void ReplayOnto(platform::Surface& target) const;

  std::vector<SurfaceCall> calls;
};

}  // namespace diagram
