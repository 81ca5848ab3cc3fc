#pragma once

namespace diagram {

// The user coordinate system that Scale sets on a box of width x height
// pixels: (x1, y1) is the upper-left corner and (x2, y2) the lower-right one,
// positions in between map linearly. With y1 above y2 (y1 > y2) the user's y
// grows upward while pixel rows grow downward.
struct UserMapping {
  double x1 = 0.0, y1 = 0.0;  // user coordinates of the upper-left corner
  double x2 = 1.0, y2 = 1.0;  // user coordinates of the lower-right corner
  double width = 1.0;         // box size in pixels
  double height = 1.0;
};

// A continuous pixel position: the upper-left corner of the box is (0, 0), the
// lower-right one (width, height); pixel column i covers [i, i + 1).
struct PixelPosition {
  double x = 0.0;
  double y = 0.0;
};

// One user unit per pixel from the upper-left corner: a box before any Scale.
UserMapping PixelMapping(double width, double height);

// Both corners on one vertical or horizontal line: no coordinate system.
bool IsDegenerate(const UserMapping& m);

// The mapping that Scale(x1, y1, x2, y2) sets on a box of width x height
// pixels. A picture box refuses corners without a coordinate system between
// them: that raises the invalid-argument error, whatever the surface.
UserMapping ScaleMapping(float x1, float y1, float x2, float y2, double width, double height);

// The pixel position of user point (x, y). The corners land exactly on the
// box corners. Meaningless for a degenerate mapping.
PixelPosition ToPixel(const UserMapping& m, double x, double y);

// A user length in horizontal units (a circle radius) in pixels, always >= 0.
double HorizontalPixels(const UserMapping& m, double length);

}  // namespace diagram
