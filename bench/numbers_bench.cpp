// Number text is written for every line of a report and every graph label.
#include <benchmark/benchmark.h>

#include "core/numbers.h"

static void BM_FormatTimingFigure(benchmark::State& state) {
  double x = 13.256;
  for (auto _ : state) benchmark::DoNotOptimize(kestrelon::Format(x, "#0.000"));
}
BENCHMARK(BM_FormatTimingFigure);
