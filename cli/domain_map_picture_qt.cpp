#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/offscreen_application.h"
#include "cli/domain_map_picture.h"
#include "render/domain_map_painter.h"

namespace cli {

bool HasDomainMapExport() { return true; }

std::string EncodeDomainMap(double M1, double gamma, std::optional<exact::MapPoint> inputs,
                            const std::string& path, int width, int height, int scale) {
  // The map first: a free stream without one says so before Qt starts.
  const exact::DomainMap map = exact::BuildDomainMap(M1, gamma, inputs);
  // Text needs Qt's font database, which needs an application object; no
  // display is needed to draw into a file.
  const std::unique_ptr<QCoreApplication> app = StartOffscreenApplication();
  const QSize size(width, height);
  const QByteArray bytes = QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive)
                               ? render::DomainMapSvg(map, size)
                               : render::DomainMapPng(map, size, scale);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace cli
