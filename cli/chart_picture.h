#pragma once

#include <string>

#include "chart/chart_data.h"

namespace cli {

// The pressure-deflection chart of a calculation as a picture file's bytes,
// drawn as the chart window draws it, fitted to all curves: an SVG document
// (its texts as text) when `path` ends in .svg, else a PNG of width x height
// pixels, `scale` times enlarged. Drawn with Qt Charts, so only the raster
// twin can; the plain command line throws std::runtime_error.
std::string EncodeChart(const chart::ChartInputs& inputs, const std::string& path, int width, int height,
                        int scale);

// Whether this program draws charts itself (else its raster twin does).
bool HasChartExport();

}  // namespace cli
