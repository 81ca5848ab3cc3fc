#include <stdexcept>

#include "cli/domain_map_picture.h"

namespace cli {

bool HasDomainMapExport() { return false; }

std::string EncodeDomainMap(double, double, std::optional<exact::MapPoint>, const std::string&, int, int,
                            int) {
  throw std::runtime_error("this program draws no domain map: run shocks-cli-raster");
}

}  // namespace cli
