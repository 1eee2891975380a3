// The speed-step rows: several steps inside one recorded interval, a speed that rises while the
// mean acceleration reads 0 or below, and a short run after a long one.
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
  auto& Pt(RunChannel channel) { return S.RunResults[channel][CurrentRun]; }
};

TEST_F(SpeedStepsTest, TwoStepsCrossedInOneIntervalGiveTwoRowsFromThatPair) {
  // 0 to 30 m/s in one second: 10 and 20 mph lie in the first interval, 30 .. 60 mph later.
  S.PointCount = 2;
  S.PointSpacing = 1;
  Pt(PtSpeed)[1] = 10;
  Pt(PtSpeed)[2] = 30;
  for (int n = 0; n <= 2; ++n) Pt(PtAcceleration)[n] = 10;
  const auto steps = SpeedSteps();
  ASSERT_EQ(steps.size(), 6u);
  EXPECT_EQ(steps[0].step, 10);
  EXPECT_EQ(steps[1].step, 20);
  EXPECT_NEAR(steps[0].time, 0.447, 1e-5);
  EXPECT_NEAR(steps[1].time, 0.894, 1e-5);
  EXPECT_NEAR(steps[2].time, 1.341, 1e-5);
  // Distance under the steady 10 m/s^2: v^2 / 20.
  EXPECT_NEAR(steps[1].distance, 8.94 * 8.94 / 20, 1e-4);
}

TEST_F(SpeedStepsTest, ASpeedExactlyOnAStepIsNoCrossing) {
  S.PointCount = 3;
  S.PointSpacing = 1;
  Pt(PtSpeed) [1] = 10 * S.SpeedFactor;
  Pt(PtSpeed)[2] = 10 * S.SpeedFactor;
  Pt(PtSpeed)[3] = 25 * S.SpeedFactor;
  for (int n = 0; n <= 3; ++n) Pt(PtAcceleration)[n] = 1;
  const auto steps = SpeedSteps();
  ASSERT_EQ(steps.size(), 0u);
}

TEST_F(SpeedStepsTest, RisingSpeedWithoutMeanAccelerationTakesTheLinearTimeStep) {
  // The speed rises from 4 to 6 m/s while the recorded acceleration goes from -8 to 2.
  S.PointCount = 1;
  S.PointSpacing = 0.5f;
  S.SpeedFactor = 0.447f;
  Pt(PtSpeed)[0] = 4.0f;
  Pt(PtSpeed)[1] = 6.0f;
  Pt(PtAcceleration)[0] = -8;
  Pt(PtAcceleration)[1] = 2;
  Pt(PtDistance)[0] = 10;
  Pt(PtDistance)[1] = 12.5f;
  const auto steps = SpeedSteps();
  ASSERT_EQ(steps.size(), 1u);
  const double f = (4.47 - 4.0) / 2.0;  // the step's share of the interval
  EXPECT_NEAR(steps[0].time, f * 0.5, 1e-5);
  EXPECT_NEAR(steps[0].distance, 10 + (4.0 + 4.47) / 2 * f * 0.5, 1e-4);
  EXPECT_NEAR(steps[0].acceleration, -8 + f * 10, 1e-4);
  EXPECT_TRUE(std::isfinite(steps[0].time) && steps[0].time >= 0);
}

TEST_F(SpeedStepsTest, AShortRunReadsNoPointsAnEarlierRunLeft) {
  test::SetSteadyRun(1000, 0.02f, 2.5f);  // reaches 50 m/s
  const auto full = SpeedSteps();
  ASSERT_EQ(full.size(), 11u);
  EXPECT_NEAR(full.back().time, 110 * 0.447 / 2.5, 1e-3);
  test::SetSteadyRun(600, 0.01f, 2.5f);  // 6 s, up to 15 m/s; points 601..1000 are stale
  const auto steps = SpeedSteps();
  ASSERT_EQ(steps.size(), 3u);
  for (const SpeedStep& row : steps)
    EXPECT_NEAR(row.time, row.step * 0.447 / 2.5, 1e-3) << row.step;
}

TEST_F(SpeedStepsTest, AlignedOnRolloutNeverBelowZero) {
  Cfg.AlignRollout = True;
  test::SetSteadyRun(10, 1.0f, 2.5f);
  S.RunRolloutTime = 3;
  S.LaunchStage = 5;
  const auto steps = SpeedSteps();
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps[0].time, 0);  // 1.788 s from the start
  EXPECT_EQ(steps[0].distance, 0);
  EXPECT_NEAR(steps[1].time, 3.576 - 3, 1e-4);
}

}  // namespace
}  // namespace kestrelon
