#include "power/curve_mouse_edit.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/state.h"

namespace kestrelon {
namespace {

class CurveMouseEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 70;
    S.GraphXPerRPMIndex = 10;  // ten picture units per row
    S.GraphYPerUnit = 2;       // two picture units per lb-ft
  }
  // Maps a click and sets the point there; returns the plot calls it made.
  std::vector<std::pair<int, bool>> Click(Single x, Single y, int firstRow = 1) {
    std::vector<std::pair<int, bool>> plots;
    MapPointer(graph, x, y);
    SetCurvePoint(graph, firstRow, [&](int row, bool draw) { plots.push_back({row, draw}); });
    return plots;
  }
  PowerGraphState graph;
};

TEST_F(CurveMouseEdit, PointerRowRoundsHalfToEven) {
  MapPointer(graph, 405, 100);
  EXPECT_EQ(graph.MouseRPMIndex, 40);
  MapPointer(graph, 415, -6);
  EXPECT_EQ(graph.MouseRPMIndex, 42);
  EXPECT_FLOAT_EQ(graph.MouseValue, -3);
}

TEST_F(CurveMouseEdit, SetsRedrawsAndRefusesPoints) {
  EXPECT_EQ(Click(500, 800), (std::vector<std::pair<int, bool>>{{50, true}}));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][50], 400);
  // A second click on the row paints the old marks over first.
  EXPECT_EQ(Click(500, 700), (std::vector<std::pair<int, bool>>{{50, false}, {50, true}}));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][50], 350);
  // Below the zero line, at row 0 on a press, past the span: nothing.
  EXPECT_TRUE(Click(600, -1).empty());
  EXPECT_TRUE(Click(0, 100).empty());
  EXPECT_TRUE(Click(710, 100).empty());
  EXPECT_EQ(S.PowerCurve[0][0], 0);
  EXPECT_EQ(S.PowerCurve[0][71], 0);
  // A drag accepts row 0.
  EXPECT_EQ(Click(0, 100, 0).size(), 1u);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][0], 50);
}

TEST_F(CurveMouseEdit, StoresDisplayTorqueInLbFt) {
  S.TorqueUnitDivisor = 0.7371f;
  S.PowerCurveIndex = 2;
  Click(300, 200);  // 100 N-m shown
  EXPECT_FLOAT_EQ(S.PowerCurve[2][30], 73.71f);
}

TEST_F(CurveMouseEdit, EraseModeAndHeldKeyEmptyTheRow) {
  S.PowerCurve[0][40] = 300;
  S.PowerEraseMode = 1;
  EXPECT_EQ(Click(400, 900), (std::vector<std::pair<int, bool>>{{40, false}}));
  EXPECT_EQ(S.PowerCurve[0][40], 0);
  EXPECT_EQ(graph.MouseValue, 0);  // the read-outs show 0.00
  EXPECT_TRUE(Click(410, 900).empty());

  S.PowerEraseMode = 0;  // the held E key erases just the same
  graph.EraseKeyHeld = true;
  S.PowerCurve[0][45] = 250;
  EXPECT_EQ(Click(450, 10), (std::vector<std::pair<int, bool>>{{45, false}}));
}

TEST_F(CurveMouseEdit, ReadoutsFollowTheCurveOrThePointer) {
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

TEST_F(CurveMouseEdit, RangeMarksAndRevLimitPickKeepToTheSpan) {
  ToggleRangeMark(graph, 50);
  ToggleRangeMark(graph, 30);
  EXPECT_FALSE(ToggleRangeMark(graph, 60));  // both set: a third does nothing
  EXPECT_EQ(graph.RangeMark2, 50);
  EXPECT_FALSE(ToggleRangeMark(graph, 0));
  EXPECT_FALSE(ToggleRangeMark(graph, 71));

  S.RevLimitIndex = 60;
  EXPECT_FALSE(PickRevLimit(60));  // the present limit
  EXPECT_FALSE(PickRevLimit(71));
  EXPECT_TRUE(PickRevLimit(70));   // the top of the span is allowed
  EXPECT_EQ(S.VehicleData[9][2], " 7000");
}

TEST_F(CurveMouseEdit, EraseEntireCurveEmptiesOnlyTheSpan) {
  S.PowerCurveIndex = 1;
  S.PowerCurve[1].fill(100);
  EraseEntireCurve();
  EXPECT_EQ(S.PowerCurve[1][19], 100);
  EXPECT_EQ(S.PowerCurve[1][20], 0);
  EXPECT_EQ(S.PowerCurve[1][70], 0);
  EXPECT_EQ(S.PowerCurve[1][71], 100);
}

}  // namespace
}  // namespace kestrelon
