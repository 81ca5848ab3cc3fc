#pragma once

#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/run.h"

namespace cli {

// Writes the pictures `request` asks for (diagram SVG, diagram PNG, chart)
// and tells what became of each, in that order; an error names the file. A failed calculation writes
// none, so that it cannot put a blank or wrong picture over a good one.
// `raster_missing`, when not empty, says why PNG pictures and charts cannot be
// drawn here: they are then not written, and the others still are.
std::vector<PictureExport> ExportPictures(const RunReport& report, const ExportRequest& request,
                                          const std::string& raster_missing);

}  // namespace cli
