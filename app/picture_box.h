#pragma once

#include <functional>
#include <memory>

#include <QImage>
#include <QWidget>

#include "diagram/recording_surface.h"
#include "platform/surface.h"
#include "render/raster_surface.h"

namespace app {

// Picture1: the diagram surface inside a sunken two-pixel border. Drawing goes
// into an image that paintEvent only copies, so the diagram survives being
// covered and moved. The calls since the last Cls are kept, so that a move to
// a screen of another pixel density redraws them sharply at the new density.
class PictureBox : public QWidget, public platform::Surface {
 public:
  static constexpr int kBorder = 2;

  // Made at its place, so that the image has its size before the window is shown.
  PictureBox(const QRect& geometry, QWidget* parent);
  ~PictureBox() override;

  void Scale(float x1, float y1, float x2, float y2) override;
  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, platform::Colour colour) override;
  void PSet(float x, float y, platform::Colour colour) override;
  void Circle(float x, float y, float radius, platform::Colour colour) override;

  // Veils the drawing while it is not from the last calculation.
  void SetStale(bool stale);
  bool IsStale() const { return stale_; }
  // Called whenever the drawing is erased for a new one.
  void SetClearedHandler(std::function<void()> handler) { cleared_ = std::move(handler); }
  // The drawing since the last erase, to be drawn again elsewhere (an SVG file).
  const diagram::RecordingSurface& Drawing() const { return kept_; }

  // What the diagram shows, inside the border (logical size ScaleSize()).
  const QImage& Image() const { return raster_->Image(); }
  // The drawing area: the box less its border, in logical pixels.
  QSize ScaleSize() const;
  // Where the drawing area starts inside the widget.
  static QPoint ScaleOrigin() { return {kBorder, kBorder}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // A fresh image at the current size and pixel density with the kept calls
  // drawn again.
  void Rebuild();
  void OnChanged(const QRectF& rect);

  std::unique_ptr<render::RasterSurface> raster_;
  QMetaObject::Connection screen_watch_;
  diagram::RecordingSurface kept_;
  std::function<void()> cleared_;
  bool stale_ = false;
};

}  // namespace app
