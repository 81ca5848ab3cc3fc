#include <stdexcept>

#include "cli/chart_picture.h"

namespace cli {

bool HasChartExport() { return false; }

std::string EncodeChart(const chart::ChartInputs&, const std::string&, int, int, int) {
  throw std::runtime_error("this program draws no chart: run shocks-cli-raster");
}

}  // namespace cli
