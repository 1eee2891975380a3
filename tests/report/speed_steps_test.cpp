// The speed-step rows: several steps inside one recorded interval, a speed exactly on a step,
// speeds that rise faster than the recorded accelerations explain, a short run after a long one,
// and rows counted from the start beam.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "report/speed_steps.h"
#include "report_fixture.h"

namespace kestrelon {
namespace {

class SpeedStepsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    Cfg.AlignRollout = False;
  }
  void TearDown() override {
    S = SharedState{};
    Cfg = Settings{};
  }
  // One recorded interval of `spacing` seconds from point 0 to point 1.
  static void Interval(Single spacing, Single u0, Single u1, Single a0, Single a1, Single d0, Single d1) {
    auto& r = S.RunResults;
    S.PointCount = 1;
    S.RecordedWith.PointSpacing = spacing;
    r[PtSpeed][CurrentRun][0] = u0;
    r[PtSpeed][CurrentRun][1] = u1;
    r[PtAcceleration][CurrentRun][0] = a0;
    r[PtAcceleration][CurrentRun][1] = a1;
    r[PtDistance][CurrentRun][0] = d0;
    r[PtDistance][CurrentRun][1] = d1;
  }
};

TEST_F(SpeedStepsTest, TwoStepsCrossedInOneIntervalGiveTwoRowsFromThatPair) {
  // 0 to 30 m/s at 10 m/s^2: 10 and 20 mph lie in the first second, 30 .. 60 mph in the next.
  test::SetSteadyRun(2, 1, 10);
  S.RunResults[PtSpeed][CurrentRun][1] = 10;
  S.RunResults[PtSpeed][CurrentRun][2] = 30;
  const auto steps = SpeedSteps();
  ASSERT_EQ(steps.size(), 6u);
  EXPECT_EQ(steps[1].step, 20);
  EXPECT_NEAR(steps[1].time, 0.894, 1e-5);
  EXPECT_NEAR(steps[2].time, 1.341, 1e-5);
  EXPECT_NEAR(steps[1].distance, 8.94 * 8.94 / 20, 1e-4);  // v^2 / 20 under 10 m/s^2
}

TEST_F(SpeedStepsTest, ASpeedExactlyOnAStepIsNoCrossing) {
  test::SetSteadyRun(3, 1, 1);
  for (int n = 1; n <= 3; ++n) S.RunResults[PtSpeed][CurrentRun][n] = (n < 3 ? 10 : 25) * S.SpeedFactor;
  EXPECT_TRUE(SpeedSteps().empty());
}

// Where the recorded accelerations cannot account for the rise in speed across the interval,
// the step's time is taken from the speeds; time and distance stay inside the interval. Where
// they can, however small, the time is the one they give.
TEST_F(SpeedStepsTest, TimeAndDistanceStayInsideTheirInterval) {
  struct Case {
    const char* what;
    Single spacing, u0, u1, a0, a1, d0, d1;
    bool fromSpeeds = true;
  } cases[] = {
      {"deceleration before the point", 0.5f, 4, 6, -8, 2, 10, 12.5f},
      {"acceleration far too small", 1.49f, 2, 6, 0.02f, 0.02f, 100, 115},
      {"zero acceleration", 1, 4, 6, 0, 0, 10, 15},
      {"a rising acceleration below 1", 0.5f, 4.4f, 4.6f, 0.2f, 0.6f, 10, 12.25f, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Interval(c.spacing, c.u0, c.u1, c.a0, c.a1, c.d0, c.d1);
    const auto steps = SpeedSteps();
    ASSERT_EQ(steps.size(), 1u);
    const double f = (10 * 0.447 - c.u0) / (c.u1 - c.u0);  // the step's share of the interval
    const double mean = c.a0 + f * (c.a1 - c.a0) / 2;      // the acceleration up to the step
    const double time = c.fromSpeeds ? f * c.spacing : (4.47 - c.u0) / mean;
    EXPECT_NEAR(steps[0].time, time, 1e-5);
    EXPECT_NEAR(steps[0].distance, c.d0 + (c.u0 + 4.47) / 2 * time, 1e-3);
    EXPECT_GE(steps[0].distance, c.d0);
    EXPECT_LE(steps[0].distance, c.d1);
    EXPECT_NEAR(steps[0].acceleration, c.a0 + f * (c.a1 - c.a0), 1e-4);
  }
  // Distances recorded closer than the speeds suggest hold the row's distance at the far one.
  Interval(1, 4, 6, 1, 1, 10, 10.5f);
  EXPECT_FLOAT_EQ(SpeedSteps().at(0).distance, 10.5f);
}

TEST_F(SpeedStepsTest, AShortRunReadsNoPointsAnEarlierRunLeft) {
  test::SetSteadyRun(1000, 0.02f, 2.5f);  // reaches 50 m/s
  ASSERT_EQ(SpeedSteps().size(), 11u);
  test::SetSteadyRun(600, 0.01f, 2.5f);  // 6 s, up to 15 m/s; points 601..1000 are stale
  const auto steps = SpeedSteps();
  ASSERT_EQ(steps.size(), 3u);
  for (const SpeedStep& row : steps) EXPECT_NEAR(row.time, row.step * 0.447 / 2.5, 1e-3) << row.step;
}

TEST_F(SpeedStepsTest, AlignedOnRolloutNeverBelowZero) {
  Cfg.AlignRollout = True;
  test::SetSteadyRun(10, 1.0f, 2.5f);
  S.RunRolloutTime = 3;
  S.RecordedWith.LaunchStage = 5;
  const auto steps = SpeedSteps();
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps[0].time, 0);  // 1.788 s from the start
  EXPECT_EQ(steps[0].distance, 0);
  EXPECT_NEAR(steps[1].time, 3.576 - 3, 1e-4);
}

}  // namespace
}  // namespace kestrelon
