#include <QApplication>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "app/chart_export.h"
#include "cli/chart_picture.h"

namespace cli {

namespace {

// Qt's notes about the missing desktop session are no concern of a picture
// written from the command line; real failures still show.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

bool HasChartExport() { return true; }

std::string EncodeChart(const chart::ChartInputs& inputs, const std::string& path, int width, int height,
                        int scale) {
  // Qt Charts draws with the widgets' graphics items, which need an
  // application object; no display is needed to draw into a file.
  std::unique_ptr<QApplication> app;
  if (QCoreApplication::instance() == nullptr) {
    qInstallMessageHandler(QuietMessages);
    // Qt keeps argc and argv for the application's life and takes the
    // options it reads out of them: they are set afresh for each one.
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
    app = std::make_unique<QApplication>(argc, argv);
  } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    throw std::runtime_error("the chart needs a widgets application");
  }
  const chart::ChartData data = chart::MakeChart(inputs);
  const QSize size(width, height);
  const QString name = QString::fromStdString(path);
  const QByteArray bytes = name.endsWith(".svg", Qt::CaseInsensitive) ? app::ChartSvg(data, data.fit, size)
                                                                      : app::ChartPng(data, data.fit, size, scale);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace cli
