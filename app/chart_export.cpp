#include "app/chart_export.h"

#include <stdexcept>

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "app/chart_plot.h"

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
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw std::runtime_error("the PNG picture could not be encoded");
  return bytes;
}

QByteArray ChartSvg(const chart::ChartData& data, const chart::View& view, QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle("Pressure-deflection chart");
  svg.setDescription(QString::fromStdString(data.title));
  PaintChart(data, view, size, svg);
  return bytes;
}

}  // namespace app
