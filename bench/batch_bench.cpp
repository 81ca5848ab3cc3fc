// shocks-cli --batch on 100 000 exact cases: the whole run of cli::RunBatch,
// from the CSV text to the output lines, written to a stream that keeps nothing.

#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "cli/batch.h"

namespace {

constexpr int kCases = 100000;

// 100 000 rows that spread over the regular intersections: M1 from 2 to 6,
// Teta-A and Teta-B from 1 to 12 degrees, all by the exact method.
std::string ExactCases() {
  std::string csv = "M1,TetaA,TetaB,method\n";
  for (int i = 0; i < kCases; ++i) {
    csv += std::to_string(2.0 + (i % 401) * 0.01) + ',' + std::to_string(1 + i % 12) + ',' +
           std::to_string(1 + (i / 12) % 12) + ",exact\n";
  }
  return csv;
}

class Discard : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void RunBatchOf(benchmark::State& state, cli::Format format) {
  const std::string csv = ExactCases();
  cli::Options options;
  options.format = format;
  Discard nothing;
  std::ostream out(&nothing);
  long failed = 0;
  for (auto _ : state) {
    std::istringstream in(csv);
    failed = cli::RunBatch(in, out, options, nullptr).failed;
  }
  state.counters["cases"] = kCases;
  state.counters["failed"] = static_cast<double>(failed);
  state.counters["per_case"] = benchmark::Counter(kCases, benchmark::Counter::kIsIterationInvariantRate |
                                                              benchmark::Counter::kInvert);
}

void BM_Batch100kExactJsonLines(benchmark::State& state) { RunBatchOf(state, cli::Format::Json); }
void BM_Batch100kExactCsv(benchmark::State& state) { RunBatchOf(state, cli::Format::Csv); }

BENCHMARK(BM_Batch100kExactJsonLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Batch100kExactCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
