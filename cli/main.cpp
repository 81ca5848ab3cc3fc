// shocks-cli: one whole calculation without a window.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/chart_picture.h"
#include "cli/domain_map_picture.h"
#include "cli/options.h"
#include "cli/picture_export.h"
#include "cli/raster_export.h"
#include "cli/report_output.h"
#include "cli/run.h"
#include "cli/standard_streams.h"

namespace {

// Hands the whole command to the twin that draws PNG pictures, charts and domain maps.
// Returns only when the twin could not be started, with the reason.
std::string RunRasterTwin(char* argv[]) {
  std::string self(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length <= 0) return "PNG pictures, charts and domain maps are drawn by shocks-cli-raster, and this program's folder, "
                          "where it is looked for, is unknown";
  self.resize(static_cast<std::size_t>(length));
  const std::string twin = self.substr(0, self.rfind('/') + 1) + "shocks-cli-raster";
  ::execv(twin.c_str(), argv);
  return "PNG pictures, charts and domain maps are drawn by shocks-cli-raster, looked for at " + twin + ": " +
         std::strerror(errno);
}

std::string PictureLabel(const std::string& picture) {
  if (picture == "svg") return "SVG picture";
  if (picture == "png") return "PNG picture";
  return picture == "chart" ? "chart" : "domain map";
}

// The slip-line search ran out of steps: what it shows is no solution.
bool Unbalanced(const cli::RunReport& report) {
  return std::any_of(report.warnings.begin(), report.warnings.end(),
                     [](const calc::Warning& w) { return w.kind == calc::WarningKind::Unbalanced; });
}

int Run(const cli::Options& options, const std::string& raster_missing) {
  cli::RunReport report = cli::RunCalculation(options.inputs, options.method, options.gamma);
  report.exports = cli::ExportPictures(report, options.export_request, raster_missing);
  if (options.format == cli::Format::Json) {
    std::cout << cli::ReportToJson(report, options.drawing);
  } else {
    std::cout << cli::ReportToText(report);
  }
  bool pictures_written = true;
  for (const cli::PictureExport& picture : report.exports) {
    if (picture.error.empty()) continue;
    std::cerr << "shocks-cli: " << PictureLabel(picture.picture) << ": " << picture.error << "\n";
    pictures_written = false;
  }
  if (report.error || !pictures_written) return 1;
  return Unbalanced(report) ? 3 : 0;
}

int Main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const cli::ParsedCommand command = cli::ParseCommandLine(args);
  if (const auto* options = std::get_if<cli::Options>(&command)) {
    // PNG pictures, the chart and the domain map (SVG too) are drawn with Qt, by the twin.
    const cli::ExportRequest& request = options->export_request;
    std::string raster_missing;
    if ((!request.png_path.empty() && !cli::HasRasterExport()) ||
        (!request.chart_path.empty() && !cli::HasChartExport()) ||
        (!request.domain_map_path.empty() && !cli::HasDomainMapExport())) {
      raster_missing = RunRasterTwin(argv);
    }
    return Run(*options, raster_missing);
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

}  // namespace

int main(int argc, char* argv[]) {
  cli::GuardStandardStreams();
  return cli::FinishStandardOutput(Main(argc, argv));
}
