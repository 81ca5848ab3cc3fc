#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/domain_map_picture.h"
#include "render/domain_map_painter.h"

namespace cli {

namespace {

// Qt's notes about the missing desktop session are no concern of a picture
// written from the command line; real failures still show.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

bool HasDomainMapExport() { return true; }

std::string EncodeDomainMap(double M1, double gamma, std::optional<exact::MapPoint> inputs,
                            const std::string& path, int width, int height, int scale) {
  // The map first: a free stream without one says so before Qt starts.
  const exact::DomainMap map = exact::BuildDomainMap(M1, gamma, inputs);
  // Text needs Qt's font database, which needs an application object; no
  // display is needed to draw into a file.
  std::unique_ptr<QGuiApplication> app;
  if (QCoreApplication::instance() == nullptr) {
    qInstallMessageHandler(QuietMessages);
    static char name[] = "shocks-cli-raster";
    static char platform_option[] = "-platform";
    static char offscreen[] = "offscreen";
    static int argc;
    static char* argv[4];
    argc = 3;
    argv[0] = name;
    argv[1] = platform_option;
    argv[2] = offscreen;
    argv[3] = nullptr;
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  const QSize size(width, height);
  const QByteArray bytes = QString::fromStdString(path).endsWith(".svg", Qt::CaseInsensitive)
                               ? render::DomainMapSvg(map, size)
                               : render::DomainMapPng(map, size, scale);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace cli
