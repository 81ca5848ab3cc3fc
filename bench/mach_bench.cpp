// Speed of the Mach intersection: one triple point, one configuration with
// its criteria, and a whole domain map (target: under 20 ms).
#include <benchmark/benchmark.h>

#include "exact/configuration.h"
#include "exact/domain_map.h"
#include "exact/three_shock.h"

namespace {

void TriplePoint(benchmark::State& state) {
  const exact::ShockPolar free_stream(5.0);
  const volatile double teta = 25.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(exact::SolveTriplePoint(free_stream, teta, exact::TripleSide::A));
  }
}
BENCHMARK(TriplePoint);

// Regular crossing, both triple points, the four criteria and, for a Mach
// configuration, the branch-by-branch crossing of the polars.
void Configuration(benchmark::State& state, double M1, double TetaA, double TetaB) {
  const volatile double m = M1, a = TetaA, b = TetaB;
  for (auto _ : state) benchmark::DoNotOptimize(exact::FindConfiguration(m, a, b));
}
BENCHMARK_CAPTURE(Configuration, Regular_Mach3_10_5, 3.0, 10.0, 5.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Configuration, Mach_Mach5_28_28, 5.0, 28.0, 28.0)->Unit(benchmark::kMicrosecond);

void DomainMap(benchmark::State& state, double M1) {
  const volatile double m = M1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(exact::BuildDomainMap(m, 1.4, exact::MapPoint{10.0, 5.0}));
  }
}
BENCHMARK_CAPTURE(DomainMap, Mach3, 3.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DomainMap, Mach5, 5.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DomainMap, Mach1p5, 1.5)->Unit(benchmark::kMillisecond);

}  // namespace
