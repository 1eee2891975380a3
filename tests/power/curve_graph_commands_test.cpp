#include "power/curve_graph_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/state.h"
#include "core/tables.h"

namespace kestrelon {
namespace {

class CurveGraphCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    S.MaxRPMIndex = 70;
    graph.GraphReady = true;
  }
  PlotRow Recorder() {
    return [this](int row, bool) { plotted.push_back(row); };
  }
  PowerGraphState graph;
  std::vector<int> plotted;
};

TEST_F(CurveGraphCommands, FillJoinsPointsAndRampsDownToTheTop) {
  auto& c = S.PowerCurve[0];
  c[30] = 300;
  c[50] = 400;
  c[75] = 99;  // above the span
  c[201] = 5;
  FillPowerCurve(graph, Recorder());
  EXPECT_EQ(S.MinRPMIndex, 30);
  EXPECT_FLOAT_EQ(c[40], 350);
  EXPECT_FLOAT_EQ(c[60], 200);
  EXPECT_FLOAT_EQ(c[70], 0);
  EXPECT_EQ(c[29], 0);
  EXPECT_EQ(c[75], 0);
  EXPECT_EQ(c[201], 0);
  EXPECT_EQ(plotted.size(), 19u + 19u);  // rows 31..49 and 51..69
}

TEST_F(CurveGraphCommands, FillOfAnEmptyCurveOnlyResetsTheSpanStart) {
  S.MinRPMIndex = 30;
  S.PowerCurve[0][70] = 200;  // the only point is at the top
  S.PowerCurve[0][80] = 1;
  FillPowerCurve(graph, Recorder());
  EXPECT_EQ(S.MinRPMIndex, 0);
  EXPECT_EQ(S.PowerCurve[0][80], 1);
  EXPECT_TRUE(plotted.empty());
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
  S.PowerCurve[0][60] = 400;
  S.PowerCurve[1][40] = 500;
  S.PowerCurve[1][60] = 500;
  S.RevLimitIndex = 0;
  graph.RangeMark1 = 40;
  S.LowRPM = 4000;
  ASSERT_TRUE(AcceptPowerCurve(graph, Recorder()));
  EXPECT_FLOAT_EQ(S.EngineSummary[1][0], 500);
  EXPECT_FLOAT_EQ(S.EngineSummary[1][1], 40);  // a flat top records its lowest row
  EXPECT_FLOAT_EQ(S.EngineSummary[1][3], 60);
  EXPECT_EQ(S.RevLimitIndex, 70);
  EXPECT_EQ(S.VehicleData[9][2], " 7000");
  EXPECT_EQ(S.EngineEntered, True);
  EXPECT_EQ(S.CurveEntered[1], True);
  EXPECT_FALSE(graph.AcceptPending);
  EXPECT_EQ(graph.RangeMark1, 0);
  EXPECT_EQ(S.LowRPM, 0);

  // An F2 accept keeps the marks.
  graph.RangeMark1 = 40;
  graph.AcceptFromF2 = true;
  AcceptPowerCurve(graph, Recorder());
  EXPECT_EQ(graph.RangeMark1, 40);
}

TEST_F(CurveGraphCommands, CancelRestoresAndKeepsTheSummaryInLine) {
  S.MinRPMIndex = 30;
  S.PowerCurveBackup[40] = 300;
  S.PowerCurveBackup[60] = 300;
  S.PowerMaxRPMIndexBackup = 65;
  S.PowerCurve[0][50] = 999;  // an edit, accepted by F2
  S.EngineSummary[0] = {999, 50, 951, 50};
  S.RevLimitIndex = 68;
  S.InputDataPending = True;
  S.DataSequence = True;
  CancelPowerCurve(graph, Recorder());
  EXPECT_EQ(S.MaxRPMIndex, 65);
  EXPECT_EQ(S.GraphRPMTop, 7000);
  EXPECT_EQ(S.MinRPMIndex, 40);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][50], 300);  // filled between the restored points
  EXPECT_FLOAT_EQ(S.EngineSummary[0][0], 300);
  EXPECT_EQ(S.RevLimitIndex, 65);
  EXPECT_EQ(S.InputDataPending, False);
  EXPECT_EQ(S.DataSequence, False);
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
  EXPECT_EQ(S.PowerCurve[2][50], 600);
  EXPECT_EQ(S.PowerCurve[2][80], 0);
  EXPECT_EQ(S.PowerCurve[2][90], 0);
  EXPECT_EQ(S.EngineSummary[2], S.EngineSummary[1]);
  EXPECT_EQ(S.CurvePeakValue, 600);
}

}  // namespace
}  // namespace kestrelon
