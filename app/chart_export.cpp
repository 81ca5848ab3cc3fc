#include "app/chart_export.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include "app/chart_plot.h"
#include "render/picture_bytes.h"

namespace app {

namespace {

// Paints a freshly made chart of `size` onto `device`.
void PaintChart(const chart::ChartData& data, const chart::View& view, QSize size, QPaintDevice& device) {
  QGraphicsScene scene;
  scene.setItemIndexMethod(QGraphicsScene::NoIndex);
  auto* plot = new ChartPlot;  // the scene owns it
  scene.addItem(plot);
  plot->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
  plot->Show(data);
  plot->SetView(view);
  // The legend and the axes lay themselves out on posted events: let them.
  QCoreApplication::sendPostedEvents();
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  scene.render(&painter, area, area);
}

}  // namespace

QByteArray ChartPng(const chart::ChartData& data, const chart::View& view, QSize size, double scale) {
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) throw std::runtime_error("an image of that size cannot be made");
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  PaintChart(data, view, size, image);
  return render::PngBytes(image, "the PNG picture could not be encoded");
}

QByteArray ChartSvg(const chart::ChartData& data, const chart::View& view, QSize size) {
  return render::SvgBytes(size, "Pressure-deflection chart", QString::fromStdString(data.title),
                          [&](QPaintDevice& device) { PaintChart(data, view, size, device); });
}

}  // namespace app
