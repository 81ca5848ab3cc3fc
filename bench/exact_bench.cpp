// Speed of the exact mode: one whole interaction, and one closed-form shock.
#include <benchmark/benchmark.h>

#include <numbers>

#include "exact/interaction.h"
#include "exact/shock.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Both incident shocks, the slip-line search and the limits of three regions.
void ExactInteraction(benchmark::State& state, double M1, double TetaA, double TetaB) {
  // Read anew in every pass, so the compiler cannot fold the solve away.
  const volatile double m = M1, a = TetaA, b = TetaB;
  for (auto _ : state) {
    const exact::Interaction result = exact::SolveInteraction(m, 1.0, a, b);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK_CAPTURE(ExactInteraction, Mach3_10_5, 3.0, 10.0, 5.0);
BENCHMARK_CAPTURE(ExactInteraction, Mach2_15_10, 2.0, 15.0, 10.0);
BENCHMARK_CAPTURE(ExactInteraction, NearDetachment_Mach1p6_13p4_1, 1.6, 13.4, 1.0);

// One shock from scratch: the upstream state's limit, then the weak shock.
void ExactWeakShock(benchmark::State& state) {
  const volatile double M = 3.0, theta = 10 * kDeg;
  for (auto _ : state) {
    const exact::ShockSolution s = exact::WeakShock(M, theta);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(ExactWeakShock);

// Weak and strong angles of one shock from scratch.
void ExactShockAngles(benchmark::State& state) {
  const volatile double M = 3.0, theta = 10 * kDeg;
  for (auto _ : state) {
    const exact::ShockAngles s = exact::ShockAnglesFor(M, theta);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(ExactShockAngles);

// The pressure behind a weak shock from a prepared upstream state: the step
// the slip-line search repeats.
void ExactPolarPressure(benchmark::State& state) {
  const exact::ShockPolar polar(2.505, exact::kGammaAir);
  const volatile double theta = 5 * kDeg;
  for (auto _ : state) {
    benchmark::DoNotOptimize(polar.WeakPressureRatio(theta));
  }
}
BENCHMARK(ExactPolarPressure);

void ExactMaxDeflection(benchmark::State& state) {
  const volatile double M = 3.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(exact::MaxDeflection(M));
  }
}
BENCHMARK(ExactMaxDeflection);

}  // namespace
