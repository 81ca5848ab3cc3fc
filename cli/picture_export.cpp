#include "cli/picture_export.h"

#include <functional>
#include <new>
#include <stdexcept>

#include "cli/chart_picture.h"
#include "cli/domain_map_picture.h"
#include "cli/raster_export.h"
#include "diagram/svg_surface.h"
#include "platform/atomic_file.h"

namespace cli {

namespace {

// "not enough memory ..." with the picture's size, for an allocation that failed.
std::string MemoryShortage(int width, int height, int scale) {
  const long long pixels = 1LL * width * scale * height * scale;
  return "not enough memory to draw a picture of " + std::to_string(width * scale) + " x " +
         std::to_string(height * scale) + " pixels (about " + std::to_string(pixels * 4 / 1000000) + " MB)";
}

}  // namespace

std::vector<PictureExport> ExportPictures(const RunReport& report, const ExportRequest& request,
                                          const std::string& raster_missing) {
  std::vector<PictureExport> out;
  const auto export_one = [&](const char* picture, const std::string& file, bool diagram, bool drawn_by_twin, int width,
                              int height, const std::function<std::string()>& encode) {
    if (file.empty()) return;
    PictureExport outcome{picture, file, {}};
    if (diagram && report.error) {
      outcome.error = file + " not written: the calculation failed";
    } else if (drawn_by_twin && !raster_missing.empty()) {
      outcome.error = file + " not written: " + raster_missing;
    } else {
      try {
        platform::WriteFileAtomically(file, encode());
      } catch (const std::bad_alloc&) {
        outcome.error = file + " not written: " + MemoryShortage(width, height, request.scale);
      } catch (const std::exception& error) {
        outcome.error = error.what();
      }
    }
    out.push_back(std::move(outcome));
  };
  export_one("svg", request.svg_path, true, false, request.width, request.height, [&] {
    diagram::SvgSurface svg(request.width, request.height, request.scale);
    report.drawing.ReplayOnto(svg);
    return svg.Document();
  });
  export_one("png", request.png_path, true, true, request.width, request.height,
             [&] { return EncodePng(report.drawing, request); });
  export_one("chart", request.chart_path, false, true, request.chart_width, request.chart_height, [&] {
    return EncodeChart(report.chart, request.chart_path, request.chart_width, request.chart_height,
                       request.scale);
  });
  export_one("domain-map", request.domain_map_path, false, true, request.domain_map_width,
             request.domain_map_height, [&] {
               const chart::ChartInputs& in = report.chart;
               return EncodeDomainMap(in.M1, report.gamma, exact::MapPoint{in.TetaA, in.TetaB},
                                      request.domain_map_path, request.domain_map_width,
                                      request.domain_map_height, request.scale);
             });
  return out;
}

}  // namespace cli
