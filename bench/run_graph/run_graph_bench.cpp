// Drawing the run graph of a 60 s run of the Westfield example with its baseline into an
// image, as the graph window does after every run, option change or settled resize.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "platform/qt/qt_canvas.h"
#include "platform/ui_seam.h"
#include "results/run_graph.h"
#include "results/set_baseline.h"
#include "simulation/calculate_performance.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

void BM_DrawRunGraph60sWithBaseline(benchmark::State& state) {
  InitTables();
  Cfg.HistoryLog = False;
  test::LoadWestfield(60);
  S.LaunchStage = 0.2286f;  // staged 9 in
  ApplyDisplayUnits("I");
  CalculatePerformance(0);
  SetBaseline();
  S.LaunchRPM = 55;
  CalculatePerformance(0);
  S.ShowBaseline = True;
  GraphDisplay.TraceChoice = {0, 4, 10, 1, 3};

  QImage image(1260, 620, QImage::Format_RGB32);
  RunGraph graph;
  for (auto _ : state) {
    QPainter painter(&image);
    QtCanvas pic(painter);
    PrepareRunGraph(graph);
    DrawRunGraph(pic, graph, 720);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

BENCHMARK(BM_DrawRunGraph60sWithBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrelon

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);  // fonts for the labels and the timing box
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
