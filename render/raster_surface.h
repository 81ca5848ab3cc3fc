#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <functional>

#include "diagram/user_mapping.h"
#include "platform/surface.h"

namespace render {

// The diagram surface as an image: every operation paints into a QImage that
// the window only copies to the screen, so the drawing survives the window
// being covered. Sizes and positions are in logical (device-independent)
// pixels; the image itself holds size * devicePixelRatio device pixels so that
// the polars stay sharp on dense screens.
//
// A point fills the one logical pixel that contains it; a line is one logical
// pixel wide and runs between the centres of the pixels of its end points; a
// circle is a one-pixel outline around the centre of its centre's pixel. All
// are drawn without antialiasing, so every touched pixel has exactly the
// drawing colour.
class RasterSurface : public platform::Surface {
 public:
  // Told the logical rectangle that an operation may have changed, after the
  // operation; after Cls that is the whole image. Scale changes no pixel and
  // tells nothing.
  using ChangedHandler = std::function<void(const QRectF&)>;

  explicit RasterSurface(QSize size, qreal devicePixelRatio = 1.0);

  // A degenerate box (both corners on one line) raises invalid argument and
  // keeps the coordinate system as it was.
  void Scale(float x1, float y1, float x2, float y2) override;
  // Fills with the light yellow of the diagram (12648447).
  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, platform::Colour colour) override;
  void PSet(float x, float y, platform::Colour colour) override;
  void Circle(float x, float y, float radius, platform::Colour colour) override;

  const QImage& Image() const { return image_; }
  QSize LogicalSize() const { return size_; }
  void SetChangedHandler(ChangedHandler handler) { changed_ = std::move(handler); }

 private:
  // The logical pixel that contains user point (x, y): its upper-left corner.
  QPointF PixelOf(float x, float y) const;
  void Changed(const QRectF& rect) const;

  QSize size_;
  QImage image_;
  diagram::UserMapping mapping_;
  ChangedHandler changed_;
};

}  // namespace render
