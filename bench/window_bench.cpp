// The main window as the user first meets it: made, shown, Calculate pressed
// with the start texts and the whole window painted, on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <cstdlib>

#include "app/form1.h"

namespace {

void BM_WindowShownFirstCalculatePainted(benchmark::State& state) {
  for (auto _ : state) {
    app::Form1 form;
    form.show();
    QApplication::processEvents();
    form.findChild<QPushButton*>("Command1")->click();
    // grab paints every widget of the window into a picture, as a first
    // expose would.
    const QPixmap picture = form.grab();
    benchmark::DoNotOptimize(picture.cacheKey());
  }
}
BENCHMARK(BM_WindowShownFirstCalculatePainted)->Unit(benchmark::kMillisecond);

// Calculate again in a window already shown: the procedure, the result fields,
// the list and the diagram repainted.
void BM_WindowCalculatePainted(benchmark::State& state) {
  app::Form1 form;
  form.show();
  QApplication::processEvents();
  auto* command1 = form.findChild<QPushButton*>("Command1");
  for (auto _ : state) {
    command1->click();
    const QPixmap picture = form.grab();
    benchmark::DoNotOptimize(picture.cacheKey());
  }
}
BENCHMARK(BM_WindowCalculatePainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
