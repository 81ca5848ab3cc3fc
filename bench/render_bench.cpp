// Drawing the diagram into the image the window shows: the raster surface at
// the size of the picture box (357 x 333 logical pixels, 1:1).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <variant>
#include <vector>

#include "memory_form.h"
#include "diagram/recording_surface.h"
#include "render/raster_surface.h"

namespace {

const QSize kPictureSize(357, 333);

// The drawing of one default calculation.
diagram::RecordingSurface DefaultDrawing() {
  diagram::RecordingSurface drawing;
  HeadlessForm form(drawing);
  form.form.hesapla();
  return drawing;
}

void BM_HesaplaRaster(benchmark::State& state) {
  render::RasterSurface surface(kPictureSize);
  HeadlessForm form(surface);
  for (auto _ : state) {
    form.form.hesapla();
    benchmark::DoNotOptimize(surface.Image().constBits());
  }
}
BENCHMARK(BM_HesaplaRaster);

// The three polars alone: their points, onto a surface already scaled.
void BM_RenderPolars(benchmark::State& state) {
  const diagram::RecordingSurface drawing = DefaultDrawing();
  diagram::RecordingSurface polars;
  for (const diagram::SurfaceCall& call : drawing.calls) {
    if (std::holds_alternative<diagram::PSetCall>(call)) polars.calls.push_back(call);
  }
  render::RasterSurface surface(kPictureSize);
  for (const diagram::SurfaceCall& call : drawing.calls) {
    if (const auto* scale = std::get_if<diagram::ScaleCall>(&call)) {
      surface.Scale(scale->x1, scale->y1, scale->x2, scale->y2);
    }
  }
  for (auto _ : state) {
    polars.ReplayOnto(surface);
    benchmark::DoNotOptimize(surface.Image().constBits());
  }
  state.counters["points"] = static_cast<double>(polars.calls.size());
}
BENCHMARK(BM_RenderPolars);

// The whole recorded drawing: scale, erase, axes, polars, markers.
void BM_RenderWholeDrawing(benchmark::State& state) {
  const diagram::RecordingSurface drawing = DefaultDrawing();
  render::RasterSurface surface(kPictureSize);
  for (auto _ : state) {
    drawing.ReplayOnto(surface);
    benchmark::DoNotOptimize(surface.Image().constBits());
  }
  state.counters["calls"] = static_cast<double>(drawing.calls.size());
}
BENCHMARK(BM_RenderWholeDrawing);

}  // namespace

int main(int argc, char** argv) {
  // No display is needed to paint into an image.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
