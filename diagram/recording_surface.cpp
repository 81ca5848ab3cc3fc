#include "diagram/recording_surface.h"

#include <type_traits>

#include "diagram/user_mapping.h"

namespace diagram {

void RecordingSurface::Scale(float x1, float y1, float x2, float y2) {
  ScaleMapping(x1, y1, x2, y2, 1, 1);  // refused like any picture box would
  calls.emplace_back(ScaleCall{x1, y1, x2, y2});
}

void RecordingSurface::Cls() { calls.emplace_back(ClsCall{}); }

void RecordingSurface::Line(float x1, float y1, float x2, float y2, platform::Colour colour) {
  calls.emplace_back(LineCall{x1, y1, x2, y2, colour});
}

void RecordingSurface::PSet(float x, float y, platform::Colour colour) {
  calls.emplace_back(PSetCall{x, y, colour});
}

void RecordingSurface::Circle(float x, float y, float radius, platform::Colour colour) {
  calls.emplace_back(CircleCall{x, y, radius, colour});
}

void RecordingSurface::ReplayOnto(platform::Surface& target) const {
  for (const SurfaceCall& call : calls) {
    std::visit(
        [&target](const auto& c) {
          using T = std::decay_t<decltype(c)>;
          if constexpr (std::is_same_v<T, ScaleCall>) {
            target.Scale(c.x1, c.y1, c.x2, c.y2);
          } else if constexpr (std::is_same_v<T, ClsCall>) {
            target.Cls();
          } else if constexpr (std::is_same_v<T, LineCall>) {
            target.Line(c.x1, c.y1, c.x2, c.y2, c.colour);
          } else if constexpr (std::is_same_v<T, PSetCall>) {
            target.PSet(c.x, c.y, c.colour);
          } else {
            static_assert(std::is_same_v<T, CircleCall>);
            target.Circle(c.x, c.y, c.radius, c.colour);
          }
        },
        call);
  }
}

}  // namespace diagram
