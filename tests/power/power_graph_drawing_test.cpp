#include "power/power_graph_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/state.h"
#include "core/tables.h"
#include "platform/recording_canvas.h"
#include "power/curve_graph_scale.h"

namespace kestrelon {
namespace {

class PowerGraphDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    SetPowerGraphUserScale(pic);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const DrawOp& op : pic.ops)
      if (op.kind == DrawOp::Text) texts.push_back(op.text);
    return texts;
  }
  std::vector<DrawOp> Ops(DrawOp::Kind kind, Color colour) const {
    std::vector<DrawOp> found;
    std::copy_if(pic.ops.begin(), pic.ops.end(), std::back_inserter(found),
                 [&](const DrawOp& op) { return op.kind == kind && op.color == colour; });
    return found;
  }
  RecordingCanvas pic{464, 297};
};

TEST_F(PowerGraphDrawing, SpeedGridReachesTheTop) {
  EXPECT_EQ(GraphRPMTopFor(60), 7000);
  GridChoice g = ChooseSpeedGrid(7000);
  EXPECT_EQ(std::tuple(g.step, g.count), std::tuple(1000, 7));
  // 13 divisions of 1000 are too many; 2000 gives 6, one more reaches 14000.
  EXPECT_EQ(GraphRPMTopFor(125), 13000);
  g = ChooseSpeedGrid(13000);
  EXPECT_EQ(std::tuple(g.step, g.count), std::tuple(2000, 7));
  // A top past the value table ends on its last step instead of running off it.
  EXPECT_GT(ChooseValueGrid(1e12).step, 0);
}

TEST_F(PowerGraphDrawing, KilowattTopStretchesBelow14500Rpm) {
  EXPECT_NEAR(ComputePowerGraphScale(7000, 300, "KW", 1.340183f).valueTop, 463.7, 0.05);
  // A graph painted before any preset still has a speed axis.
  const PowerGraphScale unset = ComputePowerGraphScale(0, 0, "KW", 1.340183f);
  EXPECT_TRUE(unset.speedTop == 1000 && unset.xPerUnit > 0);
}

TEST_F(PowerGraphDrawing, ScaleMaxIsTheLargerOfPeakPowerAndPeakTorqueInTheSpan) {
  S.MinRPMIndex = 10;
  S.MaxRPMIndex = 60;
  S.PowerCurve[0][20] = 400;  // 152.3 BHP: torque is larger
  S.PowerCurve[0][60] = 300;  // 342.7 BHP
  EXPECT_EQ(PowerCurveScaleMax(0), 400);
  S.PowerCurve[0][60] = 380;  // 434.1 BHP
  S.PowerCurve[0][5] = 900;   // outside the span
  EXPECT_EQ(PowerCurveScaleMax(0), 434);
  S.MinRPMIndex = 61;  // empty span
  EXPECT_EQ(PowerCurveScaleMax(0), 0);
}

TEST_F(PowerGraphDrawing, LabelsEveryGridLineBelowTheTops) {
  // A value top of 250 takes a step of 30.
  DrawPowerGraphFrame(pic, ComputePowerGraphScale(7000, 250, "BHP", 1));
  const std::vector<std::string> expected{"BHP",  "RPM",  "1000", "2000", "3000", "4000",
                                          "5000", "6000", "30",   "60",   "90",   "120",
                                          "150",  "180",  "210",  "240",  "270"};
  EXPECT_EQ(Texts(), expected);
  // Seven dotted speed lines and nine value lines in cyan, two black axes.
  EXPECT_EQ(std::tuple(Ops(DrawOp::Line, QBColor(3)).size(), Ops(DrawOp::Line, QBColor(0)).size()),
            std::tuple(16u, 2u));
  EXPECT_EQ(Ops(DrawOp::Line, QBColor(3)).front().style, PenStyle::Dot);

  // Crowded speed labels skip every other line; an empty column gets one small division.
  pic.ops.clear();
  DrawPowerGraphFrame(pic, ComputePowerGraphScale(21000, 0, "BHP", 1));
  const auto texts = Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "4000"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "2000"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), ".02"), texts.end());
}

TEST_F(PowerGraphDrawing, CurveInTheSpanShowsDotsAndCrossesOrJoinedLinesForPrinting) {
  S.MaxRPMIndex = 60;
  S.GraphXPerRPMIndex = 20;
  S.GraphYPerUnit = 2;
  S.PowerCurve[0][30] = 100;
  S.PowerCurve[0][50] = 200;
  S.PowerCurve[0][61] = 300;  // above the span
  const MarkerSize marker = MarkerSizeOf(pic);
  DrawPowerCurve(pic, marker, false);
  // Two dots, and two crosses of two strokes.
  EXPECT_EQ(std::tuple(Ops(DrawOp::Point, QBColor(4)).size(), Ops(DrawOp::Line, QBColor(2)).size()),
            std::tuple(2u, 4u));
  pic.ops.clear();
  DrawPowerCurve(pic, marker, true);
  EXPECT_EQ(std::tuple(Ops(DrawOp::Point, QBColor(4)).size(), Ops(DrawOp::Line, QBColor(4)).size(),
                       Ops(DrawOp::Line, QBColor(2)).size()),
            std::tuple(1u, 1u, 1u));
}

TEST_F(PowerGraphDrawing, RevLimitLineWinsOverAMarkOnItsRow) {
  S.GraphXPerRPMIndex = 20;
  S.RevLimitIndex = 60;
  PowerGraphState graph;
  graph.RangeMark1 = 40;
  graph.RangeMark2 = 60;
  DrawMarkLines(pic, graph);
  const auto black = Ops(DrawOp::Line, QBColor(0));
  ASSERT_EQ(black.size(), 1u);
  EXPECT_DOUBLE_EQ(black[0].x1, 800);
  const auto red = Ops(DrawOp::Line, Rgb(255, 0, 0));
  ASSERT_EQ(red.size(), 1u);
  EXPECT_DOUBLE_EQ(red[0].x1, 1200);
}

}  // namespace
}  // namespace kestrelon
