// Whole runs of the Westfield example: the run is the program's hot path.

#include <benchmark/benchmark.h>

#include "core/settings.h"
#include "core/state.h"
#include "simulation/calculate_performance.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

void RunOf(benchmark::State& state, float seconds, int runs) {
  Cfg.HistoryLog = False;
  test::LoadWestfield(seconds);
  for (auto _ : state) {
    for (int i = 0; i < runs; ++i) CalculatePerformance(0);
    benchmark::DoNotOptimize(S.Distance);
  }
}

void BM_Run2s(benchmark::State& state) { RunOf(state, 2, 1); }
void BM_Run16s(benchmark::State& state) { RunOf(state, 16, 1); }
void BM_Run60s(benchmark::State& state) { RunOf(state, 60, 1); }
void BM_Estimate20Runs16s(benchmark::State& state) { RunOf(state, 16, 20); }
// The first example over the quarter mile it covers in some 13 s.
void BM_QuarterMileWestfield(benchmark::State& state) { RunOf(state, 14, 1); }

BENCHMARK(BM_Run2s)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Run16s)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Run60s)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Estimate20Runs16s)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuarterMileWestfield)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrelon
