#include "render/picture_bytes.h"

#include <stdexcept>

#include <QBuffer>
#include <QSvgGenerator>

namespace render {

QByteArray PngBytes(const QImage& image, const char* failure) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw std::runtime_error(failure);
  return bytes;
}

QByteArray SvgBytes(QSize size, const QString& title, const QString& description,
                    const std::function<void(QPaintDevice&)>& paint, int resolution) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(resolution);
  svg.setTitle(title);
  svg.setDescription(description);
  paint(svg);
  return bytes;
}

}  // namespace render
