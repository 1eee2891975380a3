// The power estimate search: 20 attempts of the Westfield example's 16 s run against a ticket no
// change can match, so every attempt runs.

#include <benchmark/benchmark.h>

#include "core/settings.h"
#include "core/state.h"
#include "platform/ui_seam.h"
#include "simulation/calculate_performance.h"
#include "simulation/estimate_search.h"
#include "simulation/timing_points.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

// Counts the attempts drawn on the dialog's bar.
class AttemptCounter : public UiSeam {
 public:
  int MsgBox(const std::string&, int, const std::string&) override { return Msg::Ok; }
  void SetEstimateProgress(int) override { ++attempts; }
  long attempts = 0;
};

void BM_EstimateSearch20Attempts16s(benchmark::State& state) {
  Cfg.HistoryLog = False;
  test::LoadWestfield(16);
  CalculatePerformance(0);
  CalcTimingPoints();
  // Slower than the run yet faster through the trap, with power alone to change: no attempt
  // matches.
  S.Est1320time = S.Time1320ft * 1.05f;
  S.Est1320speed = S.Speed1320ft * S.SpeedFactor * 1.05f;
  S.EstCDAdjust = S.EstMUAdjust = S.EstGearAdjust = False;
  S.EstBHPAdjust = True;
  S.EstNumber = 20;
  AttemptCounter counter;
  UiSeam* previous = setUi(&counter);
  for (auto _ : state) {
    // No results window answers here: every change is put back, so each search starts alike.
    EstimatePowerSearch();
    benchmark::DoNotOptimize(S.Time1320ft);
  }
  setUi(previous);
  state.counters["attempts"] = benchmark::Counter(static_cast<double>(counter.attempts),
                                                  benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_EstimateSearch20Attempts16s)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrelon
