#include "app/picture_box.h"

#include <algorithm>
#include <optional>
#include <variant>

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QShowEvent>
#include <QWindow>
#include <qdrawutil.h>

#include "app/form_about.h"
#include "app/form_layout.h"

namespace app {

PictureBox::PictureBox(const QRect& geometry, QWidget* parent) : QWidget(parent) {
  setGeometry(geometry);
  // It takes the focus like any picture box; the window opens with it there.
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette yellow = palette();
  yellow.setColor(QPalette::Window, ColourFromValue(kLightYellow));
  setPalette(yellow);
  Rebuild();
}

PictureBox::~PictureBox() = default;

QSize PictureBox::ScaleSize() const {
  return {std::max(width() - 2 * kBorder, 1), std::max(height() - 2 * kBorder, 1)};
}

void PictureBox::Scale(float x1, float y1, float x2, float y2) {
  raster_->Scale(x1, y1, x2, y2);
  kept_.Scale(x1, y1, x2, y2);
}

void PictureBox::Cls() {
  raster_->Cls();
  // Only the coordinate system outlives an erase.
  std::optional<diagram::SurfaceCall> scale;
  for (const diagram::SurfaceCall& call : kept_.calls) {
    if (std::holds_alternative<diagram::ScaleCall>(call)) scale = call;
  }
  kept_.calls.clear();
  if (scale) kept_.calls.push_back(*scale);
  kept_.Cls();
  if (cleared_) cleared_();
}

void PictureBox::SetStale(bool stale) {
  stale_ = stale;
  update();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, platform::Colour colour) {
  raster_->Line(x1, y1, x2, y2, colour);
  kept_.Line(x1, y1, x2, y2, colour);
}

void PictureBox::PSet(float x, float y, platform::Colour colour) {
  raster_->PSet(x, y, colour);
  kept_.PSet(x, y, colour);
}

void PictureBox::Circle(float x, float y, float radius, platform::Colour colour) {
  raster_->Circle(x, y, radius, colour);
  kept_.Circle(x, y, radius, colour);
}

void PictureBox::Rebuild() {
  raster_ = std::make_unique<render::RasterSurface>(ScaleSize(), devicePixelRatioF());
  kept_.ReplayOnto(*raster_);
  raster_->SetChangedHandler([this](const QRectF& rect) { OnChanged(rect); });
  update();
}

void PictureBox::OnChanged(const QRectF& rect) {
  update(rect.translated(ScaleOrigin()).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect inner(ScaleOrigin(), ScaleSize());
  if (!inner.contains(event->rect())) {
    qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
  }
  // The image carries its pixel density, so it lands at its logical size.
  painter.drawImage(ScaleOrigin(), raster_->Image());
  // Faded towards the background, still readable, plainly not current.
  if (stale_) painter.fillRect(inner, QColor(255, 255, 255, 150));
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (raster_->LogicalSize() != ScaleSize()) Rebuild();
}

void PictureBox::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!screen_watch_ && window()->windowHandle() != nullptr) {
    screen_watch_ = connect(window()->windowHandle(), &QWindow::screenChanged, this, [this] {
      if (raster_->Image().devicePixelRatio() != devicePixelRatioF()) Rebuild();
    });
  }
  if (raster_->Image().devicePixelRatio() != devicePixelRatioF()) Rebuild();
}

}  // namespace app
