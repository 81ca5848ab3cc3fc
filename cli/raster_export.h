#pragma once

#include <string>

#include "cli/options.h"
#include "diagram/recording_surface.h"

namespace cli {

// Whether this program draws PNG pictures itself. The plain command line
// leaves Qt out so that it starts at once; for a PNG it hands the whole
// command to its twin, shocks-cli-raster, which links the raster drawing.
bool HasRasterExport();

// The recorded drawing as a PNG file's bytes, as the window's picture box
// shows it (the axis letters included), request.scale times enlarged.
// Throws std::runtime_error where it cannot be drawn.
std::string EncodePng(const diagram::RecordingSurface& drawing, const ExportRequest& request);

}  // namespace cli
