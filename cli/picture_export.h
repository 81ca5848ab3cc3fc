#pragma once

#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/run.h"

namespace cli {

// Writes the pictures `request` asks for (diagram SVG, diagram PNG, chart,
// domain map) and tells what became of each, in that order. After a failed
// calculation the diagram, then blank or half drawn, is not written, so that
// it cannot replace a good one; the chart and the domain map, drawn from the
// inputs, still are, as they show why there is no solution.
// `raster_missing`, when not empty, says why PNG pictures, charts and domain
// maps cannot be drawn here: they are then not written, and the SVG diagram
// still is.
std::vector<PictureExport> ExportPictures(const RunReport& report, const ExportRequest& request,
                                          const std::string& raster_missing);

}  // namespace cli
