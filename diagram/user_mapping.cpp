#include "diagram/user_mapping.h"

#include <cmath>

#include "platform/runtime_error.h"

namespace diagram {

UserMapping PixelMapping(double width, double height) {
  return UserMapping{0.0, 0.0, width, height, width, height};
}

bool IsDegenerate(const UserMapping& m) { return m.x1 == m.x2 || m.y1 == m.y2; }

UserMapping ScaleMapping(float x1, float y1, float x2, float y2, double width, double height) {
  const UserMapping mapping{x1, y1, x2, y2, width, height};
  if (IsDegenerate(mapping)) throw platform::RuntimeError(platform::ErrorKind::InvalidArgument);
  return mapping;
}

PixelPosition ToPixel(const UserMapping& m, double x, double y) {
  // The fraction of the span first, so a corner maps to exactly 0 or the size.
  return PixelPosition{(x - m.x1) / (m.x2 - m.x1) * m.width,
                       (y - m.y1) / (m.y2 - m.y1) * m.height};
}

double HorizontalPixels(const UserMapping& m, double length) {
  return std::fabs(length / (m.x2 - m.x1) * m.width);
}

}  // namespace diagram
