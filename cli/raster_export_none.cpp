#include <stdexcept>

#include "cli/raster_export.h"

namespace cli {

bool HasRasterExport() { return false; }

std::string EncodePng(const diagram::RecordingSurface&, const ExportRequest&) {
  throw std::runtime_error("this program cannot draw PNG pictures");
}

}  // namespace cli
