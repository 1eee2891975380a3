// The read-out under the mouse on both axes, counted from the rollout when it is aligned.
#include "platform/recording_canvas.h"
#include "results/run_graph_readout.h"
#include "run_graph_fixture.h"

namespace kestrelon::test {
namespace {

class ReadOutTest : public RunGraphTest {
 protected:
  void SetUp() override {
    RunGraphTest::SetUp();
    LoadSyntheticRun();
    S.RecordedWith.LaunchStage = 1.5f;  // covered at 1 s (1.5 t^2)
    S.GraphDynRecalc = True;
    Cfg.ShowPerfBox = False;
    Choose(10, 3);
  }
  void Draw() {
    RecordingCanvas pic(1000, 600);
    PrepareRunGraph(graph);
    DrawRunGraph(pic, graph, 600);
  }
  RunGraph graph;
};

TEST_F(ReadOutTest, NothingBeforeTheGraphIsDrawn) {
  EXPECT_FALSE(ReadOutAt(graph, 100).has_value());
}

TEST_F(ReadOutTest, TimeAxisCountsFromTheRolloutLine) {
  Draw();
  ASSERT_NEAR(S.RunRolloutTime, 1, 0.01);
  // 3.25 s into the run, 2.25 s after the rollout.
  const double x = graph.Series[0].gridOffset + 3.25 / S.RecordedWith.PointSpacing * graph.Series[0].pointStep;
  const std::optional<ReadOut> out = ReadOutAt(graph, x);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->position, Format(3.25 - S.RunRolloutTime, "##0.00") + " sec");
  EXPECT_EQ(out->values[1], "Engine RPM : " + Format(3000 + 400 * 3.25, "####0.0#"));
  EXPECT_TRUE(out->values[3].empty());
  // Between the start and the rollout line the time is negative; left of the start nothing.
  const double step = graph.Series[0].pointStep / S.RecordedWith.PointSpacing;  // plot units per second
  const std::optional<ReadOut> early = ReadOutAt(graph, graph.Series[0].gridOffset + 0.5 * step);
  ASSERT_TRUE(early);
  EXPECT_EQ(early->position, Format(0.5 - S.RunRolloutTime, "##0.00") + " sec");
  EXPECT_EQ(early->position.substr(0, 1), "-");
  EXPECT_FALSE(ReadOutAt(graph, graph.Series[0].gridOffset - 0.1 * step));
}

TEST_F(ReadOutTest, DistanceAxisCountsFromTheStagingDistance) {
  Cfg.XAxisTime = False;
  GraphDisplay.TraceTitles[2] = "Time";
  Draw();
  // 6 m from the start of motion (2 s): 4.5 m past the staging point.
  const double x = graph.XPerUnit * (6 * S.LengthFactor + graph.TraceXOffset);
  const std::optional<ReadOut> out = ReadOutAt(graph, x);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->position, Format(4.5 * S.LengthFactor, "####0.0") + "ft");
  // Trace 3 is the time after the rollout, shown as stored.
  EXPECT_EQ(out->values[2], "Time : " + Format(2 - S.RunRolloutTime, "####0.0#"));

  // Not aligned: counted from the start of motion.
  Cfg.AlignRollout = False;
  Draw();
  const std::optional<ReadOut> unaligned = ReadOutAt(graph, graph.XPerUnit * 6 * S.LengthFactor);
  ASSERT_TRUE(unaligned);
  EXPECT_EQ(unaligned->position, Format(6 * S.LengthFactor, "####0.0") + "ft");
}

// Each series is read over its own length: past the end of one, its value or its bracket is
// blank and the other is still read. The time is the run's; a run without points (one that could
// not be simulated) has none to give.
TEST_F(ReadOutTest, BaselineOfAnotherLengthReadOverItsOwnPoints) {
  Cfg.AlignRollout = False;
  S.ShowBaseline = True;
  struct Case {
    int baselinePoints;
    float baselineSeconds, t;
    const char* value;
    int runPoints = 1000;
  } cases[] = {
      {600, 6, 3, "Engine RPM : 4200.0 (4200.0)"},
      {1000, 6, 3, "Engine RPM : 4200.0 (4200.0)"},  // less than a pixel per point
      {600, 6, 8, "Engine RPM : 6200.0"},
      {3, 0.03f, 5, "Engine RPM : 5000.0"},
      {1000, 12, 11, "Engine RPM :  (7400.0)"},
      {1000, 10, 3, "Engine RPM :  (4200.0)", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    S.PointCount = static_cast<Integer>(c.runPoints);
    LoadSyntheticRun(c.baselinePoints, c.baselineSeconds, BaselineRun);
    Draw();
    const std::optional<ReadOut> out = ReadOutAt(graph, c.t * graph.XPerUnit);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->values[1], c.value);
    EXPECT_EQ(out->position, Format(c.runPoints > 0 ? c.t : 0.0f, "##0.00") + " sec");
  }
  EXPECT_FALSE(ReadOutAt(graph, 12.5 * graph.XPerUnit));  // beyond both
}

TEST_F(ReadOutTest, DistanceAxisReadsEachSeriesWithItsOwnStaging) {
  Cfg.XAxisTime = False;
  S.ShowBaseline = True;
  LoadSyntheticRun(1000, 10, BaselineRun);
  S.RecordedWith.LaunchStage = 6;  // the run staged at 6 m, its rollout over at 2 s
  S.RunRolloutTime = 2;
  S.BaselineLaunchStage = 1.5f;
  S.BaselineRolloutTime = 1;
  S.GraphDynRecalc = False;
  Choose(2);
  Draw();
  // The run's point 24 m from its start (4 s, 12 m/s); the baseline there is 19.5 m from its own.
  const std::optional<ReadOut> out = ReadOutAt(graph, graph.XPerUnit * (24 * S.LengthFactor + graph.Series[0].traceXOffset));
  ASSERT_TRUE(out);
  EXPECT_EQ(out->values[1], "Vehicle speed : " + Format(12 / S.SpeedFactor, "####0.0#") + " (" +
                                Format(3 * std::sqrt(19.5 / 1.5) / S.SpeedFactor, "####0.0#") + ")");
}

}  // namespace
}  // namespace kestrelon::test
