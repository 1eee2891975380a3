// Vehicles a racer could type: the built-in examples with their measures scaled at random
// (fixed seeds), now and then far beyond anything built, through the automatic entry pass, the
// run set-up and a run. Every vehicle the forms accept runs to its end with numbers throughout
// (and, on a track that does not climb, ahead of its start), or stops with the one message that
// says it cannot be simulated. Either way its cascade, run
// graph and report are then drawn and written, each in a moment.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <regex>

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include "core/commands.h"
#include "entry/entry_chain.h"
#include "entry/ui/data_forms.h"
#include "entry_test_support.h"
#include "files/example_vehicles.h"
#include "platform/qt/form.h"
#include "platform/qt/qt_canvas.h"
#include "power/ui/power_curve_windows.h"
#include "report/performance_report.h"
#include "report/report_file.h"
#include "results/cascade_drawing.h"
#include "results/run_graph.h"
#include "simulation/calculate_performance.h"
#include "simulation/launch_setup.h"

namespace kestrelon::test {
namespace {

constexpr const char* CannotSimulate = "This vehicle cannot be simulated: check its weight, power and gearing";

// Watches the run at every recorded point: the first point at which the state it carries on
// with is no longer made of numbers, or its engine stalls or turns past 40,000 rpm, off its curve.
class WatchingUi : public ScriptedUi {
 public:
  int points = 0;
  int firstBroken = -1;
  void SetRunProgress(int) override {
    ++points;
    if (firstBroken < 0 && (!StateFinite() || S.EngineSpeed > 400 || S.EngineSpeed == 0)) firstBroken = points;
  }
  static bool StateFinite() {
    for (const Single v : {S.Speed, S.Distance, S.Acceleration, S.EngineSpeed, S.RearWheelSpeed, S.FrontWheelSpeed,
                           S.DrivelineSpeed, S.RearWheelLoad, S.FrontWheelLoad, S.CGHeight, S.ClutchTemp, S.TyreTemp,
                           S.ThrottleOpening, S.ClutchEngagement, S.TyreRadius, S.CorrectedTyreMu})
      if (!std::isfinite(v)) return false;
    return true;
  }
};

class RandomVehicles : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    Cfg.HistoryLog = False;
    InitExampleCatalogue();
    RegisterDataForms();
    RegisterPowerCurveWindows();
  }
  void TearDown() override { Form::DeleteInstances(); }

  // An example with some of its typed measures scaled: most by up to a hundred times either
  // way, a few by up to 1e30 either way; a Y/N switch flipped now and then, the curve scaled.
  // Whole numbers without a unit (counts, list choices) stay as they are.
  static void MakeVehicle(std::mt19937& rng) {
    S = SharedState{};
    LoadExampleVehicle(Tbl.ExampleKey[1 + rng() % 25]);
    std::uniform_real_distribution<double> unit(0, 1);
    const std::regex measure(R"(\s*([0-9]*\.?[0-9]+)\s*([A-Za-z/-]*)\s*)");
    for (int g = 0; g <= 10; ++g)
      for (int i = 1; i <= 20; ++i) {
        std::string& text = S.VehicleData[g][i];
        std::smatch m;
        if ((text == "Y" || text == "N") && unit(rng) < 0.1) {
          text = text == "Y" ? "N" : "Y";
        } else if (std::regex_match(text, m, measure) && (m[1].str().find('.') != std::string::npos || m[2].length() > 0) &&
                   unit(rng) < 0.15) {
          const bool extreme = unit(rng) < 0.1;
          const double decades = extreme ? (unit(rng) < 0.5 ? -1 : 1) * (6 + 24 * unit(rng)) : 4 * unit(rng) - 2;
          double typed = 0;
          std::from_chars(m[1].first.base(), m[1].second.base(), typed);
          const double value = typed * std::pow(10.0, decades);
          // Typed as a racer types it: digits and a point, no exponent.
          const int decimals = std::clamp(6 - static_cast<int>(std::floor(std::log10(value))), 0, 45);
          char number[128];
          char* end = std::to_chars(number, number + sizeof number, value, std::chars_format::fixed, decimals).ptr;
          text = std::string(number, end) + m[2].str();
        }
      }
    const Single curveScale = static_cast<Single>(std::pow(10.0, 2 * unit(rng) - 1));
    for (auto& column : S.PowerCurve)
      for (Single& torque : column) torque *= curveScale;
    RebuildExamplePeakSummary();
  }

  // The first vehicle of the seed that the forms take whole. A form that refuses its texts waits
  // for the racer; here it is closed at once, and the vehicle counts as refused.
  bool EnterVehicle(unsigned seed) {
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
      for (Form* form : Form::LoadedForms())
        if (form->isVisible() && form->windowModality() == Qt::ApplicationModal) form->Unload();
    });
    closer.start(0);
    std::mt19937 rng(seed);
    for (int attempt = 0; attempt < 20; ++attempt) {
      MakeVehicle(rng);
      S.AutoAccept = S.DataSequence = True;
      InputData(0, False);
      Form::DeleteInstances();
      if (Entered()) return true;
    }
    return false;
  }

  // The cascade and the run graph drawn into pictures as their windows draw them, and the
  // report's text; none may take longer than a moment or print a figure that is not a number.
  static void ShowResults() {
    QElapsedTimer clock;
    clock.start();
    QImage picture(800, 600, QImage::Format_RGB32);
    QtCanvas pic(picture);
    DrawCascade(pic, ComputeCascadeScene({600, true, true}));
    RunGraph graph;
    GraphDisplay.TraceChoice = {0, 2, 10, 8, 23};
    PrepareRunGraph(graph);
    DrawRunGraph(pic, graph, 600);
    const std::string report = ReportText(PerformanceReport(ReportSink::File, {}));
    EXPECT_EQ(report.find("nan"), std::string::npos);
    EXPECT_EQ(report.find("inf"), std::string::npos);
    EXPECT_LT(clock.elapsed(), 2000);
  }

  static bool Entered() {
    for (const Integer flag : {S.EngineEntered, S.ChassisEntered, S.TyreEntered, S.AeroEntered,
                               S.TransmissionEntered, S.ClutchEntered, S.InertiaEntered})
      if (flag != True) return false;
    return true;
  }
};

TEST_F(RandomVehicles, EveryAcceptedVehicleRunsWithNumbersOrStopsWithTheMessage) {
  int ran = 0, stopped = 0;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(seed);
    if (!EnterVehicle(seed)) continue;

    WatchingUi watch;
    ScopedUi scoped{watch};
    S.CalcRequested = True;
    LaunchBoxes boxes;
    OpenLaunchSetup(boxes);
    if (!AcceptLaunchSetup(boxes).accepted) continue;
    CalculatePerformance(1);

    EXPECT_EQ(S.Calculating, False);
    const bool message = !watch.asked.empty() && watch.asked.back().text == CannotSimulate;
    if (watch.firstBroken >= 0) {
      // Stopped at the point where it broke, with the message alone.
      ++stopped;
      EXPECT_TRUE(message);
      EXPECT_EQ(watch.points, watch.firstBroken);
      EXPECT_EQ(S.RunDone, False);
    } else if (message) {
      // Numbers throughout, but the run ended behind its start.
      ++stopped;
      EXPECT_LT(S.Distance, 0.0f);
      EXPECT_EQ(S.RunDone, False);
    } else {
      ++ran;
      EXPECT_TRUE(WatchingUi::StateFinite());
      EXPECT_EQ(S.RunDone, True);
    }
    ShowResults();
  }
  // The seeds give both kinds, and enough vehicles the forms accept.
  EXPECT_GE(ran, 26);
  EXPECT_GE(stopped, 1);
  RecordProperty("ran", ran);
  RecordProperty("stopped", stopped);
}

}  // namespace
}  // namespace kestrelon::test
