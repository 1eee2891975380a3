#include "power/power_graph_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/state.h"
#include "core/tables.h"
#include "platform/recording_canvas.h"

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

TEST_F(PowerGraphDrawing, LabelsEveryGridLineBelowTheTops) {
  DrawPowerGraphFrame(pic, ComputePowerGraphScale(7000, 250, "BHP", 1));
  const std::vector<std::string> expected{"BHP",  "RPM",  "1000", "2000", "3000", "4000",
                                          "5000", "6000", "30",   "60",   "90",   "120",
                                          "150",  "180",  "210",  "240",  "270"};
  EXPECT_EQ(Texts(), expected);
  // Seven dotted speed lines and nine value lines in cyan, two black axes.
  EXPECT_EQ(Ops(DrawOp::Line, QBColor(3)).size(), 16u);
  EXPECT_EQ(Ops(DrawOp::Line, QBColor(0)).size(), 2u);
  EXPECT_EQ(Ops(DrawOp::Line, QBColor(3)).front().style, PenStyle::Dot);
}

TEST_F(PowerGraphDrawing, CrowdedSpeedLabelsSkipEveryOtherLine) {
  DrawPowerGraphFrame(pic, ComputePowerGraphScale(21000, 0, "BHP", 1));
  const auto texts = Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "4000"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "2000"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), ".02"), texts.end());  // an empty column
}

TEST_F(PowerGraphDrawing, CurveShowsDotsAndCrossesOrJoinedLinesForPrinting) {
  S.MaxRPMIndex = 60;
  S.GraphXPerRPMIndex = 20;
  S.GraphYPerUnit = 2;
  S.PowerCurve[0][30] = 100;
  S.PowerCurve[0][50] = 200;
  S.PowerCurve[0][61] = 300;  // above the span
  const MarkerSize marker = MarkerSizeOf(pic);
  DrawPowerCurve(pic, marker, false);
  const auto dots = Ops(DrawOp::Point, QBColor(4));
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_DOUBLE_EQ(dots[1].x1, 1000);
  EXPECT_DOUBLE_EQ(dots[1].y1, 400);
  EXPECT_EQ(dots[1].width, 2);
  EXPECT_EQ(Ops(DrawOp::Line, QBColor(2)).size(), 4u);  // two crosses of two strokes

  pic.ops.clear();
  DrawPowerCurve(pic, marker, true);
  EXPECT_EQ(Ops(DrawOp::Point, QBColor(4)).size(), 1u);
  EXPECT_EQ(Ops(DrawOp::Line, QBColor(4)).size(), 1u);
  const auto power = Ops(DrawOp::Line, QBColor(2));
  ASSERT_EQ(power.size(), 1u);
  EXPECT_NEAR(power[0].y2, 2 * 200 * 50 / 52.52, 1e-3);
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
  EXPECT_DOUBLE_EQ(red[0].y2, 960);
}

}  // namespace
}  // namespace kestrelon
