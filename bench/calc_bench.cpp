// The numerical core on the default inputs (M1 3, p1 1, TetaA 10, TetaB 5
// degrees), and the floor under it: the transcendental functions one default
// calculation calls, timed alone.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "diagram/null_surface.h"
#include "memory_form.h"
#include "calc/balance.h"
#include "calc/oblique_shock.h"
#include "cli/run.h"
#include "diagram/recording_surface.h"

namespace {

constexpr double kM1 = 3.0;
constexpr double kP1 = 1.0;
constexpr double kTetaADeg = 10.0;
constexpr double kTetaBDeg = 5.0;
constexpr int kPolarSteps = 100;

// Regions 2 and 3 of the default inputs, the way hesapla gets them.
struct DefaultShocks {
  double DegToRad = 0.0;
  double TetaA = 0.0, TetaB = 0.0;  // radians
  double BetaA = 0.0, M2 = 0.0, p2 = 0.0;
  double BetaB = 0.0, M3 = 0.0, p3 = 0.0;
};

DefaultShocks SolveDefaultShocks() {
  diagram::NullSurface surface;
  HeadlessForm form(surface);
  DefaultShocks d;
  d.DegToRad = form.form.State().DegToRad;
  d.TetaA = kTetaADeg * d.DegToRad;
  d.TetaB = kTetaBDeg * d.DegToRad;
  calc::Beta_için_iterasyon(form.messages, kM1, kP1, d.TetaA, d.BetaA, d.M2, d.p2);
  calc::Beta_için_iterasyon(form.messages, kM1, kP1, d.TetaB, d.BetaB, d.M3, d.p3);
  return d;
}

// ---------------------------------------------------------------------------
// How many transcendental calls one default calculation makes, counted from
// the formulas as written (platform::Sin, Cos, Tan, Atan, Sqrt, Pow):
//   solver call of k passes: per pass 4 pow, 2 sqrt, 1 tan; after the passes
//                            4 pow, 2 sqrt, 1 atan, 2 sin
//   diagram range:           2 pow
//   polar of n steps:        Mach angle 1 pow, 1 sqrt, 1 atan; per step
//                            4 pow, 2 sin, 1 cos, 1 tan, 1 atan
// The pass counts come from running the same solver on the same arguments;
// the slip-line directions from repeating the iteration's update.
// What runs after optimisation differs (see README.md): pow(x, 2) becomes a
// multiply, sqrt an instruction, and of the two sin(beta) of a polar step,
// same argument, only one is evaluated; sinRepeated counts those.
struct CallCount {
  long sin = 0, cos = 0, tan = 0, atan = 0, sqrt = 0, pow = 0;
  long sinRepeated = 0;
  long Total() const { return sin + cos + tan + atan + sqrt + pow; }
  long LibraryCalls() const { return sin - sinRepeated + cos + tan + atan; }
};

void AddSolver(CallCount& c, int passes) {
  c.pow += 4L * passes + 4;
  c.sqrt += 2L * passes + 2;
  c.tan += passes;
  c.atan += 1;
  c.sin += 2;
}

void AddPolar(CallCount& c, int steps) {
  c.pow += 1 + 4L * steps;
  c.sqrt += 1;
  c.atan += 1 + steps;
  c.sin += 2L * steps;
  c.sinRepeated += steps;
  c.cos += steps;
  c.tan += steps;
}

struct DefaultCount {
  CallCount calls;
  int solverCalls = 0;
  int solverPasses = 0;
  int slipLineSteps = 0;
};

DefaultCount CountDefaultCalculation() {
  const DefaultShocks d = SolveDefaultShocks();
  platform::MemoryMessageBox messages;
  DefaultCount count;
  const auto solve = [&](double M, double p, double teta, double& M_out, double& p_out) {
    const int passes = calc::IterateShockSine(M, teta).passes;
    AddSolver(count.calls, passes);
    ++count.solverCalls;
    count.solverPasses += passes;
    double beta = 0.0;
    calc::Beta_için_iterasyon(messages, M, p, teta, beta, M_out, p_out);
  };
  double M2 = 0.0, p2 = 0.0, M3 = 0.0, p3 = 0.0;
  solve(kM1, kP1, d.TetaA, M2, p2);
  solve(kM1, kP1, d.TetaB, M3, p3);
  count.calls.pow += 2;
  for (int polar = 0; polar < 3; ++polar) AddPolar(count.calls, kPolarSteps);

  // The slip-line iteration's own update, operation for operation.
  double phi = (d.TetaA + d.TetaB) / 2;
  for (int n = 1; n <= calc::kSlipLineStepLimit; ++n) {
    count.slipLineSteps = n;
    double M4 = 0.0, p4 = 0.0, M5 = 0.0, p5 = 0.0;
    solve(M2, p2, d.TetaA - phi, M4, p4);
    solve(M3, p3, phi + d.TetaB, M5, p5);
    if (calc::PressuresBalance(p4, p5, kP1)) break;
    phi = phi + (phi * (p4 - p5)) / ((p4 + p5) / 2);
  }
  return count;
}

// ---------------------------------------------------------------------------

void BM_ObliqueShockSolver(benchmark::State& state) {
  platform::MemoryMessageBox messages;
  const double teta = SolveDefaultShocks().TetaA;
  double M1 = kM1, p1 = kP1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(M1);
    benchmark::DoNotOptimize(p1);
    double Beta = 0.0, M2 = 0.0, p2 = 0.0;
    calc::Beta_için_iterasyon(messages, M1, p1, teta, Beta, M2, p2);
    benchmark::DoNotOptimize(Beta);
    benchmark::DoNotOptimize(M2);
    benchmark::DoNotOptimize(p2);
  }
}
BENCHMARK(BM_ObliqueShockSolver);

void BM_Iterasyon(benchmark::State& state) {
  const DefaultShocks d = SolveDefaultShocks();
  diagram::NullSurface surface;
  HeadlessForm form(surface);
  // The iteration reads p1 from the state (its balance tolerance is relative
  // to it): leave the state as a default calculation does.
  form.form.hesapla();
  for (auto _ : state) {
    form.form.iterasyon(d.TetaA, d.TetaB, d.M2, d.M3, d.p2, d.p3);
    benchmark::DoNotOptimize(form.form.State().p4);
  }
  state.counters["steps"] = static_cast<double>(form.List1.items.size());
}
BENCHMARK(BM_Iterasyon);

// The whole Calculate procedure, drawing onto a surface that keeps nothing.
void BM_HesaplaNullSurface(benchmark::State& state) {
  diagram::NullSurface surface;
  HeadlessForm form(surface);
  for (auto _ : state) {
    form.form.hesapla();
    benchmark::DoNotOptimize(form.form.State().p5);
  }
}
BENCHMARK(BM_HesaplaNullSurface);

// The same with the recording surface, emptied before every run (inside the
// timing) so that each run records one drawing, as a fresh window would.
void BM_HesaplaRecording(benchmark::State& state) {
  diagram::RecordingSurface surface;
  HeadlessForm form(surface);
  for (auto _ : state) {
    surface.calls.clear();
    form.form.hesapla();
    benchmark::DoNotOptimize(surface.calls.data());
  }
  state.counters["calls"] = static_cast<double>(surface.calls.size());
}
BENCHMARK(BM_HesaplaRecording);

// What the command line runs: fresh controls, a fresh recording, the report.
void BM_RunCalculation(benchmark::State& state) {
  const cli::InputTexts inputs;
  for (auto _ : state) {
    cli::RunReport report = cli::RunCalculation(inputs, calc::SlipLineSearch::Iterasyon);
    benchmark::DoNotOptimize(report.log.data());
  }
}
BENCHMARK(BM_RunCalculation);

// ---------------------------------------------------------------------------
// The floor: exactly as many calls of each function as one default
// calculation makes, on arguments from the ranges the calculation uses,
// written the way the core writes them (std::pow(x, 2.0) included), so the
// compiler treats them alike; sin only as often as it is evaluated. The calls
// do not depend on each other, which makes this a lower bound.

template <std::size_t N>
std::array<double, N> Spread(double from, double to) {
  std::array<double, N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = from + (to - from) * double(i) / double(N - 1);
  return values;
}

// Times the calls of one default calculation alone; with_inline adds the
// sqrt and pow(x, 2) that compile to an instruction and a multiply.
void TimeCallFloor(benchmark::State& state, bool with_inline) {
  const CallCount c = CountDefaultCalculation().calls;
  constexpr std::size_t kArgs = 64;  // a power of two: the index is a mask
  const auto shockAngles = Spread<kArgs>(0.34, 1.57);  // sin: Mach angle to normal shock
  const auto doubled = Spread<kArgs>(0.68, 3.14);      // cos(2 beta)
  const auto tangents = Spread<kArgs>(0.0, 1.5);       // tan of deflections and shock angles
  const auto ratios = Spread<kArgs>(0.0, 2.0);         // atan
  const auto radicands = Spread<kArgs>(0.1, 8.0);      // sqrt
  const auto bases = Spread<kArgs>(0.3, 3.0);          // pow(x, 2)
  const auto run = [](long n, const std::array<double, kArgs>& args, auto f) {
    for (long i = 0; i < n; ++i) {
      double x = args[static_cast<std::size_t>(i) & (kArgs - 1)];
      benchmark::DoNotOptimize(x);
      double y = f(x);
      benchmark::DoNotOptimize(y);
    }
  };
  for (auto _ : state) {
    run(c.sin - c.sinRepeated, shockAngles, [](double x) { return std::sin(x); });
    run(c.cos, doubled, [](double x) { return std::cos(x); });
    run(c.tan, tangents, [](double x) { return std::tan(x); });
    run(c.atan, ratios, [](double x) { return std::atan(x); });
    if (with_inline) {
      run(c.sqrt, radicands, [](double x) { return std::sqrt(x); });
      run(c.pow, bases, [](double x) { return std::pow(x, 2.0); });
    }
  }
  state.counters["calls"] =
      static_cast<double>(with_inline ? c.Total() - c.sinRepeated : c.LibraryCalls());
}

void BM_TranscendentalFloor(benchmark::State& state) { TimeCallFloor(state, true); }
BENCHMARK(BM_TranscendentalFloor);

// The same floor without pow(x, 2) and sqrt, which compile to a multiply and
// a square-root instruction: the library calls alone.
void BM_LibraryCallFloor(benchmark::State& state) { TimeCallFloor(state, false); }
BENCHMARK(BM_LibraryCallFloor);

// Prints the count and checks it against a real run: the repeated slip-line
// update must take as many steps as the procedure logs.
bool ReportCount() {
  const DefaultCount count = CountDefaultCalculation();
  diagram::NullSurface surface;
  HeadlessForm form(surface);
  form.form.hesapla();
  const auto logged = static_cast<int>(form.List1.items.size());
  const CallCount& c = count.calls;
  std::printf(
      "Default calculation: %d solver calls, %d passes, %d slip-line steps (procedure logged %d)\n"
      "Transcendental calls as written: sin %ld, cos %ld, tan %ld, atan %ld, sqrt %ld, pow %ld;"
      " total %ld\n"
      "Library calls after optimisation: sin %ld, cos %ld, tan %ld, atan %ld; total %ld\n",
      count.solverCalls, count.solverPasses, count.slipLineSteps, logged, c.sin, c.cos, c.tan,
      c.atan, c.sqrt, c.pow, c.Total(), c.sin - c.sinRepeated, c.cos, c.tan, c.atan,
      c.LibraryCalls());
  if (logged != count.slipLineSteps) {
    std::fprintf(stderr, "the counted slip-line steps differ from the procedure's log\n");
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!ReportCount()) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
