#pragma once

#include <optional>
#include <string>

#include "exact/domain_map.h"

namespace cli {

// The domain map of the free stream M1 (and gamma), `inputs` (TetaA, TetaB in
// degrees) marked, as a picture file's bytes: an SVG document (its texts as
// text) when `path` ends in .svg, else a PNG of width x height pixels, `scale`
// times enlarged. Drawn with Qt, so only the raster twin can; the plain
// command line throws std::runtime_error. A free stream no map can be built
// for throws exact::Error with the reason.
std::string EncodeDomainMap(double M1, double gamma, std::optional<exact::MapPoint> inputs,
                            const std::string& path, int width, int height, int scale);

// Whether this program draws the domain map itself (else its raster twin does).
bool HasDomainMapExport();

}  // namespace cli
