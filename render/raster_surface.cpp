#include "render/raster_surface.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "diagram/colours.h"

namespace render {

namespace {

QColor ToQColor(platform::Colour c) {
  return QColor(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c));
}

const QPointF kHalfPixel(0.5, 0.5);

}  // namespace

RasterSurface::RasterSurface(QSize size, qreal devicePixelRatio)
    : size_(size),
      image_(size * devicePixelRatio, QImage::Format_RGB32),
      mapping_(diagram::PixelMapping(size.width(), size.height())) {
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(ToQColor(diagram::kLightYellow));
}

void RasterSurface::Scale(float x1, float y1, float x2, float y2) {
  mapping_ = diagram::ScaleMapping(x1, y1, x2, y2, size_.width(), size_.height());
}

void RasterSurface::Cls() {
  image_.fill(ToQColor(diagram::kLightYellow));
  Changed(QRectF(QPointF(0, 0), QSizeF(size_)));
}

QPointF RasterSurface::PixelOf(float x, float y) const {
  const diagram::PixelPosition p = diagram::ToPixel(mapping_, x, y);
  return QPointF(std::floor(p.x), std::floor(p.y));
}

void RasterSurface::Line(float x1, float y1, float x2, float y2, platform::Colour colour) {
  // Through pixel centres, so a line and a point at the same place share pixels.
  const QPointF a = PixelOf(x1, y1) + kHalfPixel;
  const QPointF b = PixelOf(x2, y2) + kHalfPixel;
  {
    QPainter painter(&image_);
    painter.setPen(QPen(ToQColor(colour), 1.0, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(a, b);
  }
  Changed(QRectF(a, b).normalized().adjusted(-1, -1, 1, 1));
}

void RasterSurface::PSet(float x, float y, platform::Colour colour) {
  // One logical pixel: visible at 1:1, and a square of device pixels (not a
  // speck) on a dense screen.
  const QRectF cell(PixelOf(x, y), QSizeF(1, 1));
  if (!cell.intersects(QRectF(QPointF(0, 0), QSizeF(size_)))) return;
  {
    QPainter painter(&image_);
    painter.fillRect(cell, ToQColor(colour));
  }
  Changed(cell);
}

void RasterSurface::Circle(float x, float y, float radius, platform::Colour colour) {
  // The radius counts in horizontal units; in pixels the same length serves
  // both directions, which keeps the circle round whatever the vertical scale.
  const QPointF centre = PixelOf(x, y) + kHalfPixel;
  const double r = diagram::HorizontalPixels(mapping_, radius);
  {
    QPainter painter(&image_);
    painter.setPen(QPen(ToQColor(colour), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
  }
  Changed(QRectF(centre.x() - r - 1, centre.y() - r - 1, 2 * r + 2, 2 * r + 2));
}

void RasterSurface::Changed(const QRectF& rect) const {
  if (changed_) changed_(rect);
}

}  // namespace render
