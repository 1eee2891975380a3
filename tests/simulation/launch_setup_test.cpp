// The set-up's checks without the dialog; the dialog's own tests type the common cases. And a
// set-up stored after a run, which every reader of that run leaves alone.
#include "simulation/launch_setup.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "platform/recording_canvas.h"
#include "report/report_file.h"
#include "report/report_sections.h"
#include "report/speed_steps.h"
#include "results/run_graph.h"
#include "results/run_graph_channels.h"
#include "results/run_graph_display.h"
#include "results/run_graph_readout.h"
#include "results/set_baseline.h"
#include "simulation/calculate_performance.h"
#include "simulation/timing_points.h"
#include "support/run_fingerprint.h"
#include "support/scripted_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

using test::ScopedUi;
using test::ScriptedUi;

class LaunchSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 80;
    boxes = {"100", "0.2", "5000", "8", "", "", "66ft", "66ft", 0, 0};
  }
  void TearDown() override { Cfg = Settings{}; }

  LaunchCheck Accept() {
    ScopedUi guard(ui);
    return AcceptLaunchSetup(boxes);
  }

  // Expects the box refused with one message and nothing stored; returns the message.
  std::string Refused(LaunchField field) {
    const SharedState before = S;
    ui.asked.clear();
    const LaunchCheck check = Accept();
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ(check.refused, field);
    EXPECT_TRUE(S.VehicleData[4] == before.VehicleData[4] && S.LaunchThrottle == before.LaunchThrottle &&
                S.LaunchStage == before.LaunchStage);
    if (ui.asked.size() != 1u) return "(" + std::to_string(ui.asked.size()) + " messages)";
    EXPECT_EQ(ui.asked[0].style, Msg::Question);
    EXPECT_EQ(ui.asked[0].title, "Performance Calculation");
    return ui.asked[0].text;
  }

  ScriptedUi ui;
  LaunchBoxes boxes;
};

TEST_F(LaunchSetupTest, ThrottleRiseTimeStagingHeightAndPositionChecks) {
  boxes.LaunchThrottle = "150%";
  boxes.LaunchStage = "12in";
  boxes.LaunchHeight = "-402m";
  boxes.Trap4Position = NoTrapPosition;
  ASSERT_TRUE(Accept().accepted);
  EXPECT_FLOAT_EQ(S.LaunchThrottle, 1.5f);
  EXPECT_NEAR(S.LaunchStage, 0.3048, 1e-4);
  EXPECT_FLOAT_EQ(S.TrackSlope, static_cast<Single>(-402 / 402.34));
  EXPECT_EQ(S.Trap4Position, 0);  // no option chosen: before the line
  EXPECT_EQ(S.VehicleData[4][12], "0");
  EXPECT_EQ(S.VehicleData[4][5], "12in");

  // Each bad box in turn, checked before the ones already bad; a parsed value out of range gives
  // no reason, a stage without a unit adds the parser's. Nines: a figure past a Single.
  const char* Nines = "999999999999999999999999999999999999999";
  const struct {
    std::string LaunchBoxes::*box;
    const char* typed;
    LaunchField field;
    std::string message;
  } bad[] = {{&LaunchBoxes::LaunchHeight, "402.1m", LaunchField::LaunchHeight, "Invalid finish height "},
             {&LaunchBoxes::LaunchStage, "0ft", LaunchField::LaunchStage, "Invalid staging distance "},
             {&LaunchBoxes::LaunchStage, "12", LaunchField::LaunchStage, "Invalid staging distance *"},
             {&LaunchBoxes::LaunchRisetime, "abc", LaunchField::LaunchRisetime, "Invalid opening time"},
             {&LaunchBoxes::LaunchRisetime, Nines, LaunchField::LaunchRisetime, "Invalid opening time"},
             {&LaunchBoxes::LaunchThrottle, "0", LaunchField::LaunchThrottle, "Invalid throttle opening"},
             {&LaunchBoxes::LaunchThrottle, Nines, LaunchField::LaunchThrottle, "Invalid throttle opening"}};
  for (const auto& b : bad) {
    boxes.*b.box = b.typed;
    const std::string text = Refused(b.field);
    if (b.message.back() == '*') {
      EXPECT_EQ(text.rfind(b.message.substr(0, b.message.size() - 1), 0), 0u) << text;
      EXPECT_GT(text.size(), b.message.size()) << text;
    } else {
      EXPECT_EQ(text, b.message);
    }
  }
}

TEST_F(LaunchSetupTest, HugeNumbersAreRefusedOrOfferedTheLimitWithoutOverflow) {
  boxes.LaunchRPM = "9999999999";
  EXPECT_EQ(Refused(LaunchField::LaunchRPM), "Invalid launch RPM");

  // No to the step-limit question keeps the shortened time and stores nothing else.
  boxes.LaunchRPM = "5000";
  boxes.LaunchTime = "99999999999999999999";
  S.PointSpacing = 0.012f;
  ui.answers = {Msg::No};
  const LaunchCheck check = Accept();
  EXPECT_TRUE(!check.accepted && check.refused == LaunchField::None);
  EXPECT_EQ(ui.asked.back().text, "Maximum calculation time is 60 seconds. Do you want to continue?");
  EXPECT_EQ(S.LaunchTime, 60);
  EXPECT_TRUE(S.PointSpacing == 0.012f && S.LaunchRPM == 0 && S.VehicleData[4][4].empty());
  EXPECT_EQ(boxes.LaunchTime, "99999999999999999999");

  // Yes runs the longest allowed time and shows it in the box; 60 itself asks nothing.
  for (const char* typed : {"61", "60"}) {
    boxes.LaunchTime = typed;
    ui.asked.clear();
    ui.answers = {Msg::Yes};
    ASSERT_TRUE(Accept().accepted);
    EXPECT_EQ(ui.asked.size(), typed == std::string("61") ? 1u : 0u);
    EXPECT_EQ(S.LaunchTime, 60);
    EXPECT_FLOAT_EQ(S.PointSpacing, 0.06f);
    EXPECT_EQ(S.VehicleData[4][4], "60");
  }
}

// After No, the 12-s run on screen still reads as the 12-s run it was (its ticket, and the time
// the graph gives its points), while a run started without the dialog (F2, an estimate) records
// and reads its points as a run set up for 60 s does.
TEST_F(LaunchSetupTest, ARunAfterNoToTheLongestTimeGivesTheTicketOfA60SecondRun) {
  ScopedUi guard(ui);
  Cfg.HistoryLog = False;
  Cfg.XAxisTime = False;  // the Time trace: each point's time since the start
  test::LoadWestfield(60);
  CalculatePerformance(0);
  const std::uint64_t sixty = test::RunFingerprint();

  test::LoadWestfield(12);
  CalculatePerformance(0);
  const std::uint64_t twelve = test::RunFingerprint();
  ChannelPoints timesBefore{}, timesAfter{};
  SetupChannels(3, CurrentRun, timesBefore);
  ASSERT_FLOAT_EQ(timesBefore[S.PointCount], 12);

  boxes = {"60", "1.5", "4500", "70", "", "", "60ft", "60ft", 0, 0};
  ui.answers = {Msg::No};
  ASSERT_FALSE(AcceptLaunchSetup(boxes).accepted);
  EXPECT_EQ(test::RunFingerprint(), twelve);
  SetupChannels(3, CurrentRun, timesAfter);
  EXPECT_TRUE(timesAfter == timesBefore);

  CalculatePerformance(0);
  EXPECT_EQ(test::RunFingerprint(), sixty);
}

// Presses Cancel as the run records its 100th point.
class CancellingUi : public ScriptedUi {
 public:
  bool cancel = false;
  void SetRunProgress(int point) override {
    if (cancel && point == 100) S.CancelFlag = 1;
  }
};

template <typename Numbers>
std::string Figures(const Numbers& numbers) {
  std::ostringstream text;
  text.precision(9);
  for (const auto& n : numbers) text << n << ' ';
  return text.str();
}

std::string Figures(std::initializer_list<double> numbers) { return Figures<>(numbers); }

// What every reader of the last run gives, as text: the timing ticket with the spot distance;
// on each axis the graph as drawn (traces, marks, timing box) and a read-out; Set Baseline's
// stage, rollout and figures; the speed steps; the report's performance data.
std::map<std::string, std::string> ReadLastRun() {
  std::map<std::string, std::string> read;
  CalcTimingPoints();
  read["ticket"] = Figures({S.Mark60ft, S.Mark330ft, S.Mark660ft, S.Mark1320ft, S.RunRolloutTime, S.Time60ft,
                            S.Speed60ft, S.Time330ft, S.Speed330ft, S.Time660ft, S.Speed660ft, S.Time1320ft,
                            S.Speed1320ft, S.TimeSimDistance, S.SpeedSimDistance});
  for (const Integer timeAxis : {True, False}) {
    Cfg.XAxisTime = timeAxis;
    const std::string axis = timeAxis != False ? "time axis " : "distance axis ";
    RecordingCanvas pic(1000, 600);
    RunGraph graph;
    PrepareRunGraph(graph);
    DrawRunGraph(pic, graph, 600);
    std::string drawn;
    for (const DrawOp& op : pic.ops) drawn += Figures({double(op.kind), op.x1, op.y1, op.x2, op.y2}) + op.text + "\n";
    read[axis + "graph"] = drawn;
    const std::optional<ReadOut> out = ReadOutAt(graph, 0.4 * GridWidth);
    read[axis + "read-out"] = out ? out->position + "|" + out->values[1] + "|" + out->values[2] : "none";
  }
  SetBaseline();
  read["baseline"] = Figures({S.BaselineLaunchStage, S.BaselineRolloutTime}) + Figures(S.BaselinePerfText);
  for (const SpeedStep& row : SpeedSteps())
    read["speed steps"] += Figures({double(row.step), row.time, row.distance, row.engineRows, row.acceleration});
  ReportWriter report(ReportSink::File, {});
  PerformanceSection(report);
  read["performance data"] = ReportText(report.ops());
  return read;
}

// A staged run with two speed traps of their own; then a set-up stored since, by No to the
// 60-second question or by a run cancelled on its way, each with another stage, rpm and traps:
// every reader of the run reads it as before, with what the run noted of its own set-up.
TEST_F(LaunchSetupTest, ASetUpStoredSinceLeavesEveryReaderOfTheLastRunAsItWas) {
  CancellingUi seam;
  ScopedUi guard(seam);
  Cfg.HistoryLog = False;
  const struct {
    const char* what;
    LaunchBoxes later;
    bool run;  // accepted and run until Cancel; else No to the question
  } since[] = {
      {"No to the 60-second question", {"80", "1.2", "5500", "70", "50cm", "", "80ft", "40ft", 2, 0}, false},
      {"a cancelled run", {"80", "1.2", "5500", "10", "50cm", "", "80ft", "40ft", 2, 0}, true},
  };
  for (const auto& row : since) {
    SCOPED_TRACE(row.what);
    test::LoadWestfield(16);
    ApplyDisplayUnits("I");
    S.SimDistance = 100;
    GraphDisplay = RunGraphDisplay{};
    GraphDisplay.TraceChoice = {0, 3, 10, 2, 0};
    boxes = {"60", "1.5", "4500", "16", "9in", "", "60ft", "100ft", 1, 2};
    ASSERT_TRUE(AcceptLaunchSetup(boxes).accepted);
    CalculatePerformance(1);
    const RecordedRunSettings& noted = S.RecordedWith;
    ASSERT_EQ(std::tuple(noted.LaunchTime, noted.LaunchStage, noted.Trap8Length, noted.Trap4Length,
                         noted.Trap8Position, noted.Trap4Position, noted.LaunchRPM, noted.LaunchStageText),
              std::tuple(S.LaunchTime, S.LaunchStage, S.Trap8Length, S.Trap4Length, S.Trap8Position,
                         S.Trap4Position, S.LaunchRPM, S.VehicleData[4][5]));
    const auto before = ReadLastRun();
    ASSERT_GT(S.Time1320ft, 0);

    boxes = row.later;
    seam.answers = {Msg::No};
    ASSERT_EQ(AcceptLaunchSetup(boxes).accepted, row.run);
    seam.cancel = true;
    if (row.run) CalculatePerformance(1);
    seam.cancel = false;
    ASSERT_NE(S.LaunchTime, noted.LaunchTime);
    const auto after = ReadLastRun();
    for (const auto& [reader, text] : before) EXPECT_EQ(after.at(reader), text) << reader;
  }
  GraphDisplay = RunGraphDisplay{};
}

TEST_F(LaunchSetupTest, OpeningRefillsOnlyOnRequestKeepsTheRPMOnTheCurveAndHoldsTheRiseTime) {
  auto& g = S.VehicleData[4];
  g[2] = "0.5";
  g[3] = "9500";  // above the curve: its top
  g[12] = " 1 ";
  S.StepsPerSecond = 0;
  OpenLaunchSetup(boxes);
  EXPECT_TRUE(S.StepsPerSecond == 500 && S.CalcRequested == False);
  EXPECT_EQ(boxes.LaunchRPM + " " + boxes.LaunchRisetime, "8000 0.5");
  EXPECT_EQ(boxes.Trap4Position, 1);

  S.CalcRequested = True;
  S.ClutchEngageInitial = 0.3f;
  S.UseTraction = True;  // launch control: held to the clutch engagement
  OpenLaunchSetup(boxes);
  EXPECT_EQ(boxes.LaunchRisetime, "0.3");

  LaunchBoxes empty;  // no refill requested: an empty rpm box shows the lowest rpm
  OpenLaunchSetup(empty);
  EXPECT_EQ(empty.LaunchThrottle + "|" + empty.LaunchRPM, "|2000");
  empty.LaunchRPM = "8000.0";  // the top itself stays as typed
  OpenLaunchSetup(empty);
  EXPECT_EQ(empty.LaunchRPM, "8000.0");
}

}  // namespace
}  // namespace kestrelon
