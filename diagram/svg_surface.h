#pragma once

#include <string>

#include "diagram/user_mapping.h"
#include "platform/surface.h"

namespace diagram {

// The diagram as a vector picture: a surface that writes each call as an SVG
// element, pixel for pixel as the raster picture box draws it (a point is one
// pixel square, lines and circles run through pixel centres), on the light
// yellow of the box, with the axis letters on top.
class SvgSurface : public platform::Surface {
 public:
  // width x height pixels of the picture box; the document is `scale` times as
  // large and shows the same picture enlarged.
  SvgSurface(int width, int height, int scale = 1);

  void Scale(float x1, float y1, float x2, float y2) override;
  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, platform::Colour colour) override;
  void PSet(float x, float y, platform::Colour colour) override;
  void Circle(float x, float y, float radius, platform::Colour colour) override;

  // The whole SVG document.
  std::string Document() const;

 private:
  PixelPosition PixelOf(float x, float y) const;

  int width_;
  int height_;
  int scale_;
  UserMapping mapping_;
  std::string elements_;
};

}  // namespace diagram
