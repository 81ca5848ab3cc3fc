#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>
#include <new>
#include <stdexcept>

#include "cli/offscreen_application.h"
#include "cli/raster_export.h"
#include "diagram/axis_letters.h"
#include "render/picture_bytes.h"
#include "render/raster_surface.h"

namespace cli {

bool HasRasterExport() { return true; }

std::string EncodePng(const diagram::RecordingSurface& drawing, const ExportRequest& request) {
  // Letters need Qt's font database, which needs an application object; no
  // display is needed to draw into an image.
  const std::unique_ptr<QCoreApplication> app = StartOffscreenApplication();

  // The surface lets go of its image before the letters are painted, so that
  // painting does not copy a picture of up to kMaxRasterPixels.
  QImage image;
  {
    render::RasterSurface surface(QSize(request.width, request.height), request.scale);
    // Qt answers an allocation it cannot make with an empty image.
    if (surface.Image().isNull()) throw std::bad_alloc();
    drawing.ReplayOnto(surface);
    image = surface.Image();
  }
  {
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(diagram::kAxisLetterPixels));
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const diagram::AxisLetter& letter : diagram::kAxisLetters) {
      const QPointF baseline(letter.left * request.width + 1,
                             letter.top * request.height + diagram::kAxisLetterPixels);
      painter.drawText(baseline, QString::fromUtf8(letter.text));
    }
  }
  const QByteArray bytes = render::PngBytes(image, "the PNG picture could not be encoded");
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace cli
