#pragma once

#include <string>

#include "chart/chart_data.h"

namespace cli {

// The pressure-deflection chart of a calculation as a picture file's bytes,
// drawn as the chart window draws it, fitted to all curves: "svg" (its texts
// as text) or "png", width x height pixels. Drawn with Qt Charts, so only the
// raster twin can; the plain command line throws std::runtime_error.
std::string EncodeChart(const chart::ChartInputs& inputs, const std::string& format, int width, int height);

}  // namespace cli
