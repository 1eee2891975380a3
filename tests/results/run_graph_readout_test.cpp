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
    S.LaunchStage = 1.5f;  // covered at 1 s (1.5 t^2)
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
  const double x = graph.Series[0].gridOffset + 3.25 / S.PointSpacing * graph.Series[0].pointStep;
  const std::optional<ReadOut> out = ReadOutAt(graph, x);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->position, Format(3.25 - S.RunRolloutTime, "##0.00") + " sec");
  EXPECT_EQ(out->values[1], "Engine RPM : " + Format(3000 + 400 * 3.25, "####0.0#"));
  EXPECT_TRUE(out->values[3].empty());
  // Between the start and the rollout line the time is negative; left of the start nothing.
  const double step = graph.Series[0].pointStep / S.PointSpacing;  // plot units per second
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
}

}  // namespace
}  // namespace kestrelon::test
