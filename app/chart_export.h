#pragma once

#include <QByteArray>
#include <QSize>

#include "chart/chart_data.h"

// The chart as picture files, drawn off screen the way the chart window shows
// it. Needs a QApplication (Qt Charts draws with widgets' graphics items).
namespace app {

// PNG bytes of the chart at `size` logical pixels showing `view`, `scale`
// device pixels to the logical one (2 for print). Throws std::runtime_error
// when the image cannot be made or encoded.
QByteArray ChartPng(const chart::ChartData& data, const chart::View& view, QSize size, double scale);

// An SVG document of the same chart, its texts (tick numbers, legend,
// labels) as text elements.
QByteArray ChartSvg(const chart::ChartData& data, const chart::View& view, QSize size);

}  // namespace app
