// shocks-cli: one whole calculation without a window.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "cli/chart_picture.h"
#include "cli/domain_map_picture.h"
#include "cli/options.h"
#include "cli/raster_export.h"
#include "cli/report_output.h"
#include "cli/run.h"
#include "diagram/svg_surface.h"

namespace {

// Hands the whole command to the twin that can draw PNG pictures, charts and domain maps.
int RunRasterTwin(char* argv[]) {
  std::string self(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length > 0) {
    self.resize(static_cast<std::size_t>(length));
    const std::string twin = self.substr(0, self.rfind('/') + 1) + "shocks-cli-raster";
    ::execv(twin.c_str(), argv);
    std::cerr << "shocks-cli: PNG pictures, charts and domain maps need " << twin << ": " << std::strerror(errno) << "\n";
  } else {
    std::cerr << "shocks-cli: PNG pictures, charts and domain maps need shocks-cli-raster beside this program\n";
  }
  return 1;
}

// Writes the asked pictures; false after telling why one could not be written.
bool ExportPictures(const cli::RunReport& report, const cli::ExportRequest& request) {
  bool written = true;
  try {
    if (!request.svg_path.empty()) {
      diagram::SvgSurface svg(request.width, request.height, request.scale);
      report.drawing.ReplayOnto(svg);
      platform::WriteFileAtomically(request.svg_path, svg.Document());
    }
  } catch (const std::exception& error) {
    std::cerr << "shocks-cli: SVG picture: " << error.what() << "\n";
    written = false;
  }
  try {
    if (!request.chart_path.empty()) {
      platform::WriteFileAtomically(request.chart_path,
                                    cli::EncodeChart(report.chart, request.chart_path, request.chart_width,
                                                     request.chart_height, request.scale));
    }
  } catch (const std::exception& error) {
    std::cerr << "shocks-cli: chart: " << error.what() << "\n";
    written = false;
  }
  try {
    if (!request.domain_map_path.empty()) {
      const chart::ChartInputs& in = report.chart;
      platform::WriteFileAtomically(
          request.domain_map_path,
          cli::EncodeDomainMap(in.M1, report.gamma, exact::MapPoint{in.TetaA, in.TetaB}, request.domain_map_path,
                               request.domain_map_width, request.domain_map_height, request.scale));
    }
  } catch (const std::exception& error) {
    std::cerr << "shocks-cli: domain map: " << error.what() << "\n";
    written = false;
  }
  try {
    if (!request.png_path.empty()) {
      platform::WriteFileAtomically(request.png_path, cli::EncodePng(report.drawing, request));
    }
  } catch (const std::exception& error) {
    std::cerr << "shocks-cli: PNG picture: " << error.what() << "\n";
    written = false;
  }
  return written;
}

int Run(const cli::Options& options) {
  const cli::RunReport report = cli::RunCalculation(options.inputs, options.method, options.gamma);
  if (options.format == cli::Format::Json) {
    std::cout << cli::ReportToJson(report, options.drawing);
  } else {
    std::cout << cli::ReportToText(report);
  }
  std::cout.flush();
  const bool pictures_written = ExportPictures(report, options.export_request);
  return report.error || !pictures_written ? 1 : 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const cli::ParsedCommand command = cli::ParseCommandLine(args);
  if (const auto* options = std::get_if<cli::Options>(&command)) {
    // PNG pictures, the chart and the domain map (SVG too) are drawn with Qt, by the twin.
    const cli::ExportRequest& request = options->export_request;
    if ((!request.png_path.empty() && !cli::HasRasterExport()) ||
        (!request.chart_path.empty() && !cli::HasChartExport()) ||
        (!request.domain_map_path.empty() && !cli::HasDomainMapExport())) {
      return RunRasterTwin(argv);
    }
    return Run(*options);
  }
  if (std::holds_alternative<cli::ShowHelp>(command)) {
    std::cout << cli::HelpText();
    return 0;
  }
  if (std::holds_alternative<cli::ShowVersion>(command)) {
    std::cout << "1.00\n";
    return 0;
  }
  std::cerr << "shocks-cli: " << std::get<cli::UsageError>(command).message
            << "\nRun 'shocks-cli --help' for the options.\n";
  return 2;
}
