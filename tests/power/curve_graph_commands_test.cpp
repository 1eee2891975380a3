#include "power/curve_graph_commands.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "core/state.h"
#include "core/tables.h"
#include "entry/nitrous_power_calc.h"
#include "power/curve_mouse_edit.h"
#include "power/vehicle_change.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

using Plots = std::vector<std::pair<int, bool>>;

class CurveGraphCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 70;
    S.GraphXPerRPMIndex = 10;  // ten picture units per row
    S.GraphYPerUnit = 2;       // two picture units per lb-ft
    graph.GraphReady = true;
  }
  PlotRow Recorder() {
    return [this](int row, bool draw) { plotted.push_back({row, draw}); };
  }
  // Maps a click and sets the point there; returns the plot calls it made.
  Plots Click(Single x, Single y, int firstRow = 1) {
    plotted.clear();
    MapPointer(graph, x, y);
    SetCurvePoint(graph, firstRow, Recorder());
    return plotted;
  }
  PowerGraphState graph;
  Plots plotted;
};

TEST_F(CurveGraphCommands, ClickSetsRedrawsAndRefusesPoints) {
  MapPointer(graph, 405, 100);
  EXPECT_EQ(graph.MouseRPMIndex, 40);  // 40.5 rounds half to even
  EXPECT_EQ(Click(500, 800), (Plots{{50, true}}));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][50], 400);
  // A second click on the row paints the old marks over first.
  EXPECT_EQ(Click(500, 700), (Plots{{50, false}, {50, true}}));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][50], 350);
  // Below the zero line, at row 0 on a press, past the span: nothing.
  for (const auto& [x, y] : {std::pair{600, -1}, {0, 100}, {710, 100}})
    EXPECT_TRUE(Click(x, y).empty()) << x;
  EXPECT_EQ(S.PowerCurve[0][71], 0);
  // A drag accepts row 0.
  EXPECT_EQ(Click(0, 100, 0).size(), 1u);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][0], 50);
  // Shown torque in N-m is stored in lb-ft.
  S.TorqueUnitDivisor = 0.7371f;
  S.PowerCurveIndex = 2;
  Click(300, 200);
  EXPECT_FLOAT_EQ(S.PowerCurve[2][30], 73.71f);
}

TEST_F(CurveGraphCommands, EraseModeAndHeldKeyEmptyTheRow) {
  S.PowerCurve[0][40] = 300;
  S.PowerEraseMode = 1;
  EXPECT_EQ(Click(400, 900), (Plots{{40, false}}));
  EXPECT_EQ(std::tuple(S.PowerCurve[0][40], graph.MouseValue), std::tuple(0, 0));  // shows 0.00
  EXPECT_TRUE(Click(410, 900).empty());

  S.PowerEraseMode = 0;  // the held E key erases just the same
  graph.EraseKeyHeld = true;
  S.PowerCurve[0][45] = 250;
  EXPECT_EQ(Click(450, 10), (Plots{{45, false}}));

  // Erase Entire Curve empties only the span.
  S.PowerCurveIndex = 1;
  S.PowerCurve[1].fill(100);
  EraseEntireCurve();
  const auto& c = S.PowerCurve[1];
  EXPECT_EQ(std::tuple(c[19], c[20], c[70], c[71]), std::tuple(100, 0, 0, 100));
}

TEST_F(CurveGraphCommands, ReadoutsFollowTheCurveOrThePointer) {
  S.PowerCurve[0][65] = 412.5f;
  MapPointer(graph, 650, 10);
  FollowCurve(graph);
  EXPECT_EQ(RPMReadout(graph), "RPM : 6500");
  EXPECT_EQ(TorqueReadout(graph), "lb/ft : 412.50");
  EXPECT_EQ(PowerReadout(graph), "BHP : 510.52");
  MapPointer(graph, 600, -40);
  FollowCurve(graph);
  EXPECT_EQ(TorqueReadout(graph), "lb/ft : 0.00");
}

TEST_F(CurveGraphCommands, RangeMarksAndRevLimitPickKeepToTheSpan) {
  ToggleRangeMark(graph, 50);
  ToggleRangeMark(graph, 30);
  EXPECT_FALSE(ToggleRangeMark(graph, 60));  // both set: a third does nothing
  EXPECT_EQ(graph.RangeMark2, 50);
  EXPECT_FALSE(ToggleRangeMark(graph, 0) || ToggleRangeMark(graph, 71));

  S.RevLimitIndex = 60;
  EXPECT_FALSE(PickRevLimit(60) || PickRevLimit(71));  // the present limit, past the span
  EXPECT_TRUE(PickRevLimit(70));                       // the top of the span is allowed
  EXPECT_EQ(S.VehicleData[9][2], " 7000");
}

TEST_F(CurveGraphCommands, FillJoinsPointsAndRampsDownToTheTop) {
  auto& c = S.PowerCurve[0];
  c[30] = 300;
  c[50] = 400;
  c[75] = 99;  // above the span
  c[201] = 5;
  FillPowerCurve(graph, Recorder());
  EXPECT_EQ(S.MinRPMIndex, 30);
  EXPECT_EQ(std::tuple(c[29], c[40], c[60], c[70], c[75], c[201]),
            std::tuple(0, 350, 200, 0, 0, 0));
  EXPECT_EQ(plotted.size(), 19u + 19u);  // rows 31..49 and 51..69

  // A curve whose only point is at the top only resets the span start.
  S = SharedState{};
  S.MinRPMIndex = 30;
  S.MaxRPMIndex = 70;
  c[70] = 200;
  c[80] = 1;
  plotted.clear();
  FillPowerCurve(graph, Recorder());
  EXPECT_EQ(std::tuple(S.MinRPMIndex, c[80], plotted.size()), std::tuple(0, 1, 0u));
}

TEST_F(CurveGraphCommands, NothingRunsBeforeTheGraphIsDrawn) {
  graph.GraphReady = false;
  S.PowerCurve[0][30] = 300;
  EXPECT_FALSE(AcceptPowerCurve(graph, Recorder()));
  EXPECT_EQ(S.CurveEntered[0], False);
  S.AutoAccept = True;  // the automatic pass accepts at load, without plotting
  EXPECT_TRUE(AcceptPowerCurve(graph, Recorder()));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][31], 292.5f);  // filled all the same
  EXPECT_TRUE(plotted.empty());
}

TEST_F(CurveGraphCommands, AcceptRebuildsSummaryClampsAndFlags) {
  S.PowerCurveIndex = 1;
  S.MinRPMIndex = 30;
  for (int r = 30; r <= 70; ++r) S.PowerCurve[0][r] = 400;  // the span a power file gives back
  S.PowerCurve[1][40] = 500;
  S.PowerCurve[1][60] = 500;
  graph.RangeMark1 = 40;
  S.LowRPM = 4000;
  S.PowerCurve[2][1] = S.PowerCurve[2][50] = S.PowerCurve[2][CurveTopRow] = 1.23456789f;
  ASSERT_TRUE(AcceptPowerCurve(graph, Recorder()));
  // Every row a power file holds as it reads it back, and the summaries of every column.
  EXPECT_EQ(std::tuple(S.PowerCurve[2][1], S.PowerCurve[2][CurveTopRow], S.EngineSummary[0][0], S.EngineSummary[2][0]),
            std::tuple(1.234568f, 1.234568f, 400.0f, 1.234568f));
  EXPECT_FLOAT_EQ(S.EngineSummary[1][1], 40);  // a flat top records its lowest row
  EXPECT_FLOAT_EQ(S.EngineSummary[1][3], 60);
  EXPECT_EQ(std::tuple(S.RevLimitIndex, S.VehicleData[9][2], S.EngineEntered, S.CurveEntered[1]),
            std::tuple(70, " 7000", True, True));
  EXPECT_EQ(std::tuple(graph.AcceptPending, graph.RangeMark1, S.LowRPM), std::tuple(false, 0, 0));

  // An F2 accept keeps the marks.
  graph.RangeMark1 = 40;
  graph.AcceptFromF2 = true;
  S.MaxRPMIndex = CurveTopRow, S.PowerCurve[0][CurveTopRow] = 5;  // past an empty row: no curve
  AcceptPowerCurve(graph, Recorder());
  EXPECT_EQ(graph.RangeMark1, 40);
  EXPECT_EQ(std::tuple(S.PowerCurve[0][CurveTopRow], S.MaxRPMIndex), std::tuple(0.0f, 70));
  // A calculated stage changed here comes off the calculator, its texts kept; one left as built stays.
  S.DryDensityRatio = 1, AcceptNitrousCalc(1, {"5.7l", "4", "100", "100", "4", "0.043in", "100", "850psi", 0});
  std::copy_n(S.PowerCurve[1].begin(), CurveTopRow + 1, S.PowerCurveBackup.begin()), S.AeroTemp = 30;  // as entered
  for (const bool drawn : {false, true}) {
    if (drawn) S.PowerCurve[1][50] = 600;
    AcceptPowerCurve(graph, Recorder());
    EXPECT_EQ(std::tuple(S.PowerCurve[1][50] == 600, S.NitrousCapacity[1] > 0, S.VehicleData[5][19], S.VehicleData[0][1]),
              std::tuple(drawn, !drawn, drawn ? "" : "Y", "5.7l"));
  }
}

// A torque no power file holds, or no number, is refused before the fill spreads it: the graph
// stays open, the curve as it was and not entered.
TEST_F(CurveGraphCommands, AcceptRefusesATorqueNoEngineGives) {
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  S.PowerCurve[0][30] = S.PowerCurve[0][50] = 300;
  for (const Single bad : {std::numeric_limits<Single>::quiet_NaN(), std::numeric_limits<Single>::infinity(), -2e7f}) {
    S.PowerCurve[0][40] = bad;
    EXPECT_FALSE(AcceptPowerCurve(graph, Recorder()));
    EXPECT_EQ(std::tuple(S.PowerCurve[0][31], S.MinRPMIndex, S.EngineEntered, graph.AcceptPending),
              std::tuple(0.0f, 20, False, true));
  }
  ASSERT_EQ(seam.asked.size(), 3u);
  EXPECT_EQ(std::tie(seam.asked[2].text, seam.asked[2].style, seam.asked[2].title),
            std::tuple("Kestrelon cannot handle that much torque", Msg::Exclamation, "Power Input"));
}

TEST_F(CurveGraphCommands, CopyTakesTheSpanAndSummaryOfAnotherColumn) {
  S.PowerCurveIndex = 2;
  S.CurvePeakValue = 1;
  S.PowerCurve[1][50] = 600;
  S.PowerCurve[1][80] = 600;  // above the span
  S.PowerCurve[2][90] = 7;
  S.EngineSummary[1] = {600, 50, 571.3f, 50};
  CopyCurveColumn(0);
  EXPECT_EQ(S.CurvePeakValue, 1);  // the no-nitrous copy keeps the top
  CopyCurveColumn(1);
  const auto& c = S.PowerCurve[2];
  EXPECT_EQ(std::tuple(c[50], c[80], c[90]), std::tuple(600, 0, 0));
  EXPECT_EQ(S.EngineSummary[2], S.EngineSummary[1]);
  EXPECT_EQ(S.CurvePeakValue, 600);

  // Original puts back the whole column the entry found, up to its top row at 20,000 rpm.
  S.PowerCurveBackup[CurveTopRow] = 55;
  RestoreOriginalCurve();
  EXPECT_EQ(std::tuple(c[50], c[CurveTopRow]), std::tuple(0, 55));
}

// Cancel puts back what the graph's own commands typed (the calculator's set-up, the span the
// transmission was checked against) and the sections' flags unless the vehicle changed meanwhile;
// what other commands wrote (a clutch weight, the run set-up, a kept drag) stays either way. A
// Cancel that changed the vehicle leaves it unsaved.
TEST_F(CurveGraphCommands, CancelKeepsWhatAFormAcceptedMeanwhile) {
  const std::pair<int, int> curveItems[] = {{6, 1}, {6, 2}, {8, 18}, {9, 2}};
  for (const auto& [group, item] : curveItems) S.VehicleData[group][item] = "8";
  S.NitrousCapacity[1] = 0.5f, S.VehicleData[5][20] = "Y";
  TakeVehicleAsFound(S.CurveEntryStart), TakeVehicleAsFound(S.CurveGraphOpening);
  for (const bool changed : {false, true}) {
    S.VehicleData[6][14] = "9kg", S.ClutchWeight = 9, S.NitrousCapacity[1] = 1.3f, S.VehicleData[0][1] = "1300cc";
    S.VehicleData[5][20].clear();
    S.VehicleData[4][3] = "6500", S.AeroCD = 0.3f, S.LaunchTemp = 9, S.EngineEntered = S.CurveEntered[0] = S.ClutchRefused = True;
    S.TransmissionSpan = {20, 55}, S.DataSaved = True;
    for (const auto& [group, item] : curveItems) S.VehicleData[group][item] = "1";
    S.VehicleChanges += changed;
    CancelPowerCurve();
    EXPECT_EQ(std::tuple(S.VehicleData[6][14], S.ClutchWeight, S.NitrousCapacity[1], S.VehicleData[0][1], S.VehicleData[5][20]),
              std::tuple("9kg", 9, 0.5f, "", "Y"));
    EXPECT_EQ(std::tuple(S.VehicleData[4][3], S.AeroCD, S.EngineEntered, S.CurveEntered[0], S.LaunchTemp),
              std::tuple("6500", 0.3f, False, False, 0.0f));
    EXPECT_EQ(std::tuple(S.ClutchRefused, S.TransmissionSpan, S.DataSaved), std::tuple(ToFlag(changed), std::array<Integer, 2>{}, False));
    for (const auto& [group, item] : curveItems) EXPECT_EQ(S.VehicleData[group][item], "8");
  }
  S.DataSaved = True, CancelPowerCurve();  // nothing to undo: the vehicle stays saved
  EXPECT_EQ(S.DataSaved, True);
  // A chassis opened and a power estimate kept meanwhile stay through Cancel and Original.
  S.VehicleData[8][18] = "80c", S.LaunchTemp = 80, TakeOpenedChassisIntoSnapshots();
  S.PowerCurve[0][40] = 123, TakeKeptPowerIntoSnapshots();
  for (void (*undo)() : {+[] { RestoreOriginalCurve(); }, +[] { CancelPowerCurve(); }}) {
    S.VehicleData[8][18] = "1", S.LaunchTemp = 1, S.PowerCurve[0][40] = 1;
    undo();
    EXPECT_EQ(std::tuple(S.VehicleData[8][18], S.LaunchTemp, S.PowerCurve[0][40]), std::tuple("80c", 80, 123));
  }
  // Original puts the clutch side back as the graph opened, but not the rev limit picked since.
  TakeVehicleAsFound(S.CurveGraphOpening);
  S.VehicleData[9][2] = "6000";
  RestoreOriginalCurve();
  EXPECT_EQ(S.VehicleData[9][2], "6000");
}

// A change of the vehicle holds the stages as their file gives them back, but not the column an
// open graph is editing.
TEST_F(CurveGraphCommands, VehicleChangedLeavesTheColumnUnderEdit) {
  S.PowerCurveIndex = 1;
  for (const Integer open : {True, False}) {
    S.CurveGraphOpen = open, S.PowerCurve[1][30] = S.PowerCurve[2][30] = 123.456789f;
    VehicleChanged();
    EXPECT_EQ(std::tuple(S.PowerCurve[1][30] == 123.456789f, S.PowerCurve[2][30] == 123.456789f), std::tuple(open != False, false));
  }
}

}  // namespace
}  // namespace kestrelon
