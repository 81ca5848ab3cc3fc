#include <QApplication>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "app/chart_export.h"
#include "cli/offscreen_application.h"
#include "cli/chart_picture.h"

namespace cli {

bool HasChartExport() { return true; }

std::string EncodeChart(const chart::ChartInputs& inputs, const std::string& path, int width, int height,
                        int scale) {
  // Qt Charts draws with the widgets' graphics items, which need an
  // application object; no display is needed to draw into a file.
  const std::unique_ptr<QCoreApplication> app = StartOffscreenApplication();
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
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
