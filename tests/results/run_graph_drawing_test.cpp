// The graph as drawn on a recording canvas: the packed choices, the scales, the X labels
// counted from the rollout, the traces of the run and of a baseline of another length, the
// marks and the timing box.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/recording_canvas.h"
#include "results/axis_steps.h"
#include "results/set_baseline.h"
#include "run_graph_fixture.h"

namespace kestrelon::test {
namespace {

class Drawing : public RunGraphTest {
 protected:
  void SetUp() override {
    RunGraphTest::SetUp();
    LoadSyntheticRun();
    Cfg.ShowPerfBox = False;  // the box recomputes the timing ticket; most tests set their own
  }

  RunGraph& Draw(int width = 1000, int height = 600, int windowHeight = 600) {
    pic = RecordingCanvas(width, height);
    PrepareRunGraph(graph);
    DrawRunGraph(pic, graph, windowHeight);
    return graph;
  }

  std::vector<DrawOp> Ops(DrawOp::Kind kind, Color colour) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : pic.ops)
      if (op.kind == kind && op.color == colour) found.push_back(op);
    return found;
  }
  const DrawOp* TextOp(const std::string& text) const {
    for (const DrawOp& op : pic.ops)
      if (op.kind == DrawOp::Text && op.text == text) return &op;
    return nullptr;
  }
  double RightmostLine(Color colour, PenStyle style) const {
    double x = 0;
    for (const DrawOp& op : Ops(DrawOp::Line, colour))
      if (op.style == style) x = std::max({x, op.x1, op.x2});
    return x;
  }

  RecordingCanvas pic;
  RunGraph graph;
};

TEST_F(Drawing, ChoicesArePackedAndCounted) {
  Choose(0, 5, 0, 10);
  Draw();
  EXPECT_EQ(GraphDisplay.TraceChoice, (std::array<Integer, 5>{0, 5, 10, 0, 0}));
  EXPECT_EQ(GraphDisplay.TraceCount, 2);
  EXPECT_EQ(graph.ChannelTitle[2], "Engine RPM");
  EXPECT_NEAR(graph.ChannelMax[2], 7000, 0.5);
}

TEST_F(Drawing, DivisionsFollowTheAxisStepTable) {
  Cfg.AlignRollout = False;
  Choose(6);  // tyre mu, 0 throughout: one division of the second step
  Draw();
  EXPECT_FLOAT_EQ(graph.YGridStep, 0.02f);
  EXPECT_EQ(graph.YGridCount, 1);
  EXPECT_EQ(graph.XGridCount, 10);  // 10 s at zoom 1
  EXPECT_FLOAT_EQ(graph.XGridStep, 1);
  // The plot's scale leaves room for the labels: the sample label's height twice over.
  EXPECT_DOUBLE_EQ(pic.ScaleTop(), 990 - graph.AxisLabelHeight);
  EXPECT_DOUBLE_EQ(pic.ScaleTop() + pic.ScaleHeight(), graph.AxisLabelHeight - 40);

  Cfg.AlignRollout = True;
  S.RunRolloutTime = 0.3f;  // one second more for the rollout
  Draw();
  EXPECT_EQ(graph.XGridCount, 11);

  Cfg.AlignRollout = False;
  S.GraphZoom = 2;  // at most 24 divisions
  Draw();
  EXPECT_EQ(graph.XGridCount, 20);
  EXPECT_FLOAT_EQ(graph.XGridStep, 0.5f);
}

// A zoom of a few per cent or less narrows the picture: one division at least, and every line
// inside the picture's scale.
TEST_F(Drawing, SmallZoomDrawsInsideTheNarrowPicture) {
  Choose(2, 10);
  for (const Single zoom : {0.05f, 0.001f}) {
    SCOPED_TRACE(zoom);
    S.GraphZoom = zoom;
    Draw(std::max(static_cast<int>(1000 * zoom), 1), 600);
    EXPECT_GE(graph.XGridCount, 1);
    EXPECT_LE(graph.XGridCount, 12);
    const double left = std::min(pic.ScaleLeft(), pic.ScaleLeft() + pic.ScaleWidth());
    const double right = std::max(pic.ScaleLeft(), pic.ScaleLeft() + pic.ScaleWidth());
    int lines = 0;
    for (const DrawOp& op : Ops(DrawOp::Line, QBColor(GraphDisplay.ChannelColour[1]))) {
      EXPECT_TRUE(op.x1 >= left && op.x2 <= right) << op.x1 << " " << op.x2;
      ++lines;
    }
    EXPECT_GT(lines, 0);
  }
}

TEST_F(Drawing, WindowHeightLimitsVerticalDivisions) {
  struct Case {
    int windowHeight, limit;
    float step;
    int count;
  } cases[] = {{600, 10, 1000, 8}, {360, 6, 2000, 4}, {1200, 10, 1000, 8}, {100, 1, 10000, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.windowHeight);
    EXPECT_EQ(VerticalLimit(c.windowHeight), c.limit);
    const AxisDivisions d = VerticalDivisions(7000, c.limit);
    EXPECT_FLOAT_EQ(d.step, c.step);
    EXPECT_EQ(d.count, c.count);
  }
}

// Whatever the run holds, the grid has no more divisions than the picture allows, each a real
// size that reaches the value; a value that is not a number draws as 0.
TEST_F(Drawing, SearchesKeepToTheDivisionsThePictureAllows) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  for (const double max : {0.0, 7000.0, 1e12, 1e37, inf, nan}) {
    SCOPED_TRACE(max);
    const double shown = (std::isfinite(max) ? max : 0) * (1 - 1e-6);  // steps are single precision
    for (const int limit : {1, 5, 10}) {
      const AxisDivisions v = VerticalDivisions(max, limit);
      EXPECT_LE(v.count, limit);
      EXPECT_GE(v.count * double(v.step), shown);
    }
    EXPECT_EQ(VerticalDivisions(max, 0).count, 1);  // a window too low for one division
    const AxisDivisions h = HorizontalDivisions(max, 1);
    EXPECT_GE(h.count, 1);
    EXPECT_LE(h.count, 12);
    EXPECT_GE(h.count * double(h.step), shown);
    const Single step = ChannelStep(3, max);
    EXPECT_TRUE(std::isfinite(step));
    EXPECT_GE(3 * double(step), shown);
  }
  EXPECT_FLOAT_EQ(VerticalDivisions(1e12, 5).step, 3e11f);  // the table's pattern goes on
}

// Results that are not numbers (a run stopped as one that cannot be simulated) draw nothing
// from those values, on either axis.
TEST_F(Drawing, NothingIsDrawnFromValuesThatAreNotNumbers) {
  const Single nan = std::numeric_limits<Single>::quiet_NaN(), inf = std::numeric_limits<Single>::infinity();
  Choose(2, 10, 3, 8);
  Cfg.ShowPerfBox = True;
  for (int i = 500; i <= 1000; ++i) {
    S.RunResults[PtSpeed][CurrentRun][i] = nan;
    S.RunResults[PtEngineSpeed][CurrentRun][i] = inf;
    S.RunResults[PtRearWheelLoad][CurrentRun][i] = nan;
    S.RunResults[PtDistance][CurrentRun][i] = i < 800 ? nan : inf;
  }
  S.GearEngagedTime[CurrentRun][2] = inf;
  S.WheelieTime[CurrentRun][1] = nan;
  for (const bool timeAxis : {true, false}) {
    SCOPED_TRACE(timeAxis);
    Cfg.XAxisTime = ToFlag(timeAxis);
    Draw();
    int lines = 0;
    for (const DrawOp& op : pic.ops) {
      EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) && std::isfinite(op.y2))
          << op.kind << " " << op.text;
      lines += op.kind == DrawOp::Line;
    }
    if (timeAxis) {
      EXPECT_GT(lines, 500);  // the first half of the run is drawn
    }
  }
}

// On axes aligned to the rollout the traces move right onto a grid line: the axis still holds
// the whole run (a 15 s run staged at 9 in, its rollout over at 0.39 s).
TEST_F(Drawing, AlignedAxisHoldsTheWholeShiftedRun) {
  LoadSyntheticRun(1000, 15);
  Cfg.AlignRollout = True;
  S.RunRolloutTime = 0.39f;
  S.RecordedWith.LaunchStage = 0.2286f;
  Choose(2);
  for (const bool timeAxis : {true, false}) {
    SCOPED_TRACE(timeAxis);
    Cfg.XAxisTime = ToFlag(timeAxis);
    Draw();
    const double end = timeAxis ? 15.0 : 337.5 * S.LengthFactor;
    EXPECT_LE(graph.XPerUnit * (end + graph.Series[0].traceXOffset), GridWidth + 1e-3);
    EXPECT_NEAR(RightmostLine(QBColor(2), PenStyle::Solid), graph.XPerUnit * (end + graph.Series[0].traceXOffset), 0.1);
    EXPECT_LE(graph.XGridCount, 12);
  }
}

TEST_F(Drawing, ZeroLabelStandsOnTheRolloutDivision) {
  Choose(2);
  Cfg.AlignRollout = True;
  S.RunRolloutTime = 0.3f;
  S.GraphZoom = 2;
  Draw(300, 300);  // narrow: every second division carries a label
  ASSERT_FLOAT_EQ(graph.XGridStep, 0.5f);
  EXPECT_EQ(FirstLabelledDivision(graph, 2), 1);
  // The axis ends before its division count, so labels carry one decimal.
  EXPECT_EQ(XLabelText(graph, 1), "0.0");
  EXPECT_EQ(XLabelText(graph, 3), "1.0");
  EXPECT_EQ(XLabelText(graph, 0), "-0.5");
  const DrawOp* zero = TextOp("0.0");
  ASSERT_NE(zero, nullptr);
  EXPECT_DOUBLE_EQ(zero->y1, -8);
  EXPECT_NEAR(zero->x1 + pic.TextWidth("0.0") / 2, 0.5 * graph.XPerUnit, 1e-6);
  EXPECT_EQ(TextOp("0.5"), nullptr);  // division 2 is skipped
  EXPECT_NE(TextOp("2.0"), nullptr);

  // A whole-second step labels plainly.
  S.GraphZoom = 1;
  Draw(300, 300);
  ASSERT_FLOAT_EQ(graph.XGridStep, 1);
  EXPECT_EQ(XLabelText(graph, 1), "0");
}

TEST_F(Drawing, ShorterBaselineIsDrawnWhereItHappened) {
  LoadSyntheticRun(600, 6, BaselineRun);
  S.ShowBaseline = True;
  Choose(2);
  Cfg.AlignRollout = False;
  Draw();
  const Color green = QBColor(2);
  EXPECT_NEAR(RightmostLine(green, PenStyle::Solid), 10 * graph.XPerUnit, 1e-3);
  const double baselineEnd = RightmostLine(green, PenStyle::Dot);
  EXPECT_LE(baselineEnd, 6 * graph.XPerUnit + 1e-3);
  EXPECT_GT(baselineEnd, 5.5 * graph.XPerUnit);
}

TEST_F(Drawing, FartherBaselineEndsAtTheGridOnADistanceAxis) {
  LoadSyntheticRun(1000, 12, BaselineRun);  // 216 m against the run's 150 m
  S.ShowBaseline = True;
  Cfg.XAxisTime = False;
  Cfg.AlignRollout = False;
  Choose(2);
  Draw();
  EXPECT_NEAR(RightmostLine(QBColor(2), PenStyle::Solid), 150 * S.LengthFactor * graph.XPerUnit, 1e-2);
  // The baseline's last line ends on the grid's edge at the speed it had there (sqrt(6 d)).
  const auto dotted = Ops(DrawOp::Line, QBColor(2));
  const DrawOp& end = *std::max_element(dotted.begin(), dotted.end(),
                                        [](const DrawOp& a, const DrawOp& b) { return a.x2 < b.x2; });
  EXPECT_NEAR(end.x2, GridWidth, 1e-6);
  const double metres = GridWidth / graph.XPerUnit / S.LengthFactor;
  EXPECT_NEAR(end.y2, graph.YPerUnit * std::sqrt(6 * metres) / S.SpeedFactor, 1);
}

TEST_F(Drawing, UnitTitlesOfChannelsThreeAndFourStayApart) {
  Cfg.XAxisTime = False;
  Choose(2, 10, 1, 3);  // channel 4 is the time, titled "seconds"
  Draw();
  const DrawOp* g = TextOp("g");
  const DrawOp* seconds = TextOp("seconds");
  ASSERT_NE(g, nullptr);
  ASSERT_NE(seconds, nullptr);
  EXPECT_DOUBLE_EQ(g->y1, seconds->y1);
  EXPECT_DOUBLE_EQ(g->y1, 980 - graph.AxisLabelHeight);
  // Channel 4 labels right of the grid, each just above its line.
  std::vector<double> tops;
  for (const DrawOp& op : Ops(DrawOp::Text, QBColor(GraphDisplay.ChannelColour[4])))
    if (op.x1 == 1290) tops.push_back(op.y1);
  ASSERT_EQ(tops.size(), static_cast<std::size_t>(graph.YGridCount));
  EXPECT_NEAR(*std::min_element(tops.begin(), tops.end()), graph.YGridStep * graph.YPerUnit + 1, 1e-3);
  EXPECT_LE(g->x1 + pic.TextWidth("g"), seconds->x1);
  // Titles that fit keep their places: channel 3's ends 10 left of the grid's right edge.
  Cfg.XAxisTime = True;
  Choose(2, 10, 3, 1);
  Draw();
  ASSERT_NE(TextOp("ft"), nullptr);
  EXPECT_DOUBLE_EQ(TextOp("ft")->x1, 1270 - pic.TextWidth("ft"));
}

TEST_F(Drawing, NarrowPlotDrawsEveryTwentyFifthBaselinePoint) {
  LoadSyntheticRun(1000, 10, BaselineRun);
  S.ShowBaseline = True;
  Choose(2);
  Draw(200, 300);
  std::size_t dotted = 0;
  for (const DrawOp& op : Ops(DrawOp::Line, QBColor(2)))
    if (op.style == PenStyle::Dot) ++dotted;
  EXPECT_EQ(dotted, 40u);  // points 1, 26, .., 976
}

TEST_F(Drawing, GearChangeAndWheelieMarks) {
  Choose(10);
  Cfg.AlignRollout = False;
  Draw();
  for (const auto& [label, t] : {std::pair{"1-2", 3.0}, {"2-3", 6.0}}) {
    SCOPED_TRACE(label);
    const DrawOp* text = TextOp(label);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->color, QBColor(8));
    EXPECT_DOUBLE_EQ(text->y1, 1000);
  }
  EXPECT_EQ(TextOp("3-4"), nullptr);  // never made
  const auto grey = Ops(DrawOp::Line, QBColor(8));
  ASSERT_EQ(grey.size(), 2u);
  EXPECT_NEAR(grey[0].x1, 3 * graph.XPerUnit, 1e-3);
  ASSERT_NE(TextOp("Wheelie"), nullptr);
  const auto red = Ops(DrawOp::Line, QBColor(4));
  ASSERT_EQ(red.size(), 1u);
  EXPECT_NEAR(red[0].x1, 0.5 * graph.XPerUnit, 1e-3);

  // With the baseline shown: marks of the run with one or two traces, of both (the baseline's
  // dashed) with three or four, of the baseline alone without a trace on channels 1 and 2.
  LoadSyntheticRun(1000, 10, BaselineRun);
  S.ShowBaseline = True;
  struct Case {
    std::array<Integer, 4> traces;
    std::size_t solid, dashed;
  } cases[] = {{{10, 0, 0, 0}, 2, 0}, {{10, 2, 0, 0}, 2, 0}, {{10, 2, 3, 0}, 2, 2}, {{0, 0, 0, 0}, 0, 2}};
  for (const Case& c : cases) {
    Choose(c.traces[0], c.traces[1], c.traces[2], c.traces[3]);
    Draw();
    std::size_t solid = 0, dashed = 0;
    for (const DrawOp& op : Ops(DrawOp::Line, QBColor(8))) (op.style == PenStyle::Dash ? dashed : solid)++;
    EXPECT_EQ(std::pair(solid, dashed), std::pair(c.solid, c.dashed)) << c.traces[2];
  }
}

TEST_F(Drawing, MarkAtTheLastRecordedPointUsesThatPoint) {
  Cfg.XAxisTime = False;
  Cfg.AlignRollout = False;
  Choose(2);
  Draw();
  const double end = S.RunResults[PtDistance][CurrentRun][1000] * S.LengthFactor * graph.XPerUnit;
  EXPECT_NEAR(MarkX(graph, CurrentRun, 10), end, 1e-2);
  EXPECT_NEAR(MarkX(graph, CurrentRun, 12), end, 1e-2);  // past the run's end: its last point
  // A baseline of 600 points over 6 s: its mark at 6 s is its own last point.
  LoadSyntheticRun(600, 6, BaselineRun);
  S.ShowBaseline = True;
  Draw();
  EXPECT_NEAR(MarkX(graph, BaselineRun, 6), 54 * S.LengthFactor * graph.XPerUnit, 1e-2);
}

TEST_F(Drawing, GridIsDottedCyanAndTheFrameBlack) {
  Choose(2);
  Cfg.AlignRollout = False;
  Draw();
  const auto cyan = Ops(DrawOp::Line, QBColor(3));
  EXPECT_EQ(cyan.size(), static_cast<std::size_t>(graph.XGridCount - 1 + graph.YGridCount));
  for (const DrawOp& op : cyan) EXPECT_EQ(op.style, PenStyle::Dot);
  ASSERT_NE(TextOp("seconds"), nullptr);
  Cfg.ShowGridLines = False;
  Draw();
  EXPECT_TRUE(Ops(DrawOp::Line, QBColor(3)).empty());
}

TEST_F(Drawing, FirstExampleWithItsBaseline) {
  RunFirstExample();
  SetBaseline();
  S.ShowBaseline = True;
  Cfg.ShowPerfBox = True;
  Choose(4, 10, 1, 3);
  Draw();
  EXPECT_EQ(graph.ChannelTitle[2], "Engine RPM");
  EXPECT_GT(graph.ChannelMax[2], 6000);
  EXPECT_LE(graph.ChannelMax[2], 7600);
  for (const char* shift : {"1-2", "2-3", "3-4"}) EXPECT_NE(TextOp(shift), nullptr) << shift;
  bool sixtyFoot = false;
  for (const DrawOp& op : Ops(DrawOp::Text, QBColor(9)))
    sixtyFoot |= op.text.rfind("60ft - ", 0) == 0 && op.text.find("mph (") != std::string::npos;
  EXPECT_TRUE(sixtyFoot);
  EXPECT_EQ(S.GraphDynRecalc, False);
}

}  // namespace
}  // namespace kestrelon::test
