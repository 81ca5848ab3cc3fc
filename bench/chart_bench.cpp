// The pressure-deflection chart: its numbers, and drawing them with Qt Charts
// into an image the size of the chart window's plot (3 polars of about 400
// points each, their limits, the states, the solutions and the search path).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "app/chart_plot.h"
#include "chart/chart_data.h"
#include "chart/from_calculation.h"
#include "diagram/recording_surface.h"
#include "memory_form.h"

namespace {

const QSize kChartSize(980, 600);

// The default inputs after the slip-line iteration, as the window hands them over.
chart::ChartInputs DefaultInputs() {
  diagram::RecordingSurface picture;
  HeadlessForm form(picture);
  form.form.hesapla();
  return chart::InputsOf(form.form, /*solution_shown=*/true);
}

struct Scene {
  Scene() {
    scene.setItemIndexMethod(QGraphicsScene::NoIndex);
    scene.addItem(plot);
    plot->setGeometry(QRectF(QPointF(0, 0), QSizeF(kChartSize)));
    plot->Show(chart::MakeChart(DefaultInputs()));
    QCoreApplication::sendPostedEvents();
  }
  void Draw() {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter);
  }
  QGraphicsScene scene;
  app::ChartPlot* plot = new app::ChartPlot;  // the scene owns it
  QImage image{kChartSize, QImage::Format_ARGB32_Premultiplied};
};

// The chart's numbers: three polars of 2 x 199 points, limits, the exact solution.
void BM_MakeChart(benchmark::State& state) {
  const chart::ChartInputs in = DefaultInputs();
  for (auto _ : state) benchmark::DoNotOptimize(chart::MakeChart(in));
}
BENCHMARK(BM_MakeChart)->Unit(benchmark::kMicrosecond);

// One frame of the chart as it stands: what every repaint costs.
void BM_DrawChart(benchmark::State& state) {
  Scene s;
  for (auto _ : state) {
    s.Draw();
    benchmark::DoNotOptimize(s.image.constBits());
  }
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMillisecond);

// A wheel notch: the view changed, ticks and labels placed again, a frame drawn.
void BM_ZoomAndDraw(benchmark::State& state) {
  Scene s;
  const QPointF at = s.plot->PositionOf({5.0, 2.84});
  double factor = 1.2;
  for (auto _ : state) {
    s.plot->ZoomAbout(at, factor);
    factor = 1.0 / factor;  // in and out, so the view stays the same on average
    QCoreApplication::sendPostedEvents();
    s.Draw();
    benchmark::DoNotOptimize(s.image.constBits());
  }
}
BENCHMARK(BM_ZoomAndDraw)->Unit(benchmark::kMillisecond);

// After a Calculate: the numbers made, every series replaced, laid out and drawn.
void BM_CalculateToFrame(benchmark::State& state) {
  Scene s;
  const chart::ChartInputs in = DefaultInputs();
  for (auto _ : state) {
    s.plot->Show(chart::MakeChart(in));
    QCoreApplication::sendPostedEvents();
    s.Draw();
    benchmark::DoNotOptimize(s.image.constBits());
  }
}
BENCHMARK(BM_CalculateToFrame)->Unit(benchmark::kMillisecond);

void BM_ShowOnly(benchmark::State& state) {
  Scene s;
  const chart::ChartData data = chart::MakeChart(DefaultInputs());
  for (auto _ : state) {
    s.plot->Show(data);
    QCoreApplication::sendPostedEvents();
  }
}
BENCHMARK(BM_ShowOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // No display is needed to draw into an image.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
