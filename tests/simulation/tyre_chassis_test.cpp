// Rolling resistance, the grip of the driven tyre, and the wheelie limit of the body.

#include <gtest/gtest.h>

#include <cmath>

#include "core/state.h"
#include "simulation/chassis_phase.h"
#include "simulation/run_context.h"
#include "simulation/run_setup.h"
#include "simulation/tyre_phase.h"

namespace kestrelon {
namespace {

TEST(TractionLimit, RollingResistanceOfTwoWideTyres) {
  S = SharedState{};
  S.RearWheelLoad = 300;
  S.TyreWidth = 0.4f;
  S.TyreNum = 2;
  S.TyreDia = 0.8f;
  EXPECT_NEAR(TractionLimit(50000), 107.5f, 0.1f);
  S.TyreDia = 0;  // no tyre: no resistance rather than a division by zero
  EXPECT_EQ(TractionLimit(50000), 0.0f);
}

class TyreGrip : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.TyreMu = 1.0f;
    S.TyreDia = 0.6f;
    S.TyreWidth = 0.2f;
    S.TyreNum = 2;
    S.TyrePress = 33000;  // the pressure at which grip above 0.8 is unchanged
    S.ChassisWeight = 600;
    SetUpRun(c);
    S.RearWheelLoad = 300;
    S.TyreTemp = 100;
    c.MuPerStep = 10;  // no rate limit unless a test sets one
  }
  Single GripAt(Single speed, Single wheel) {
    S.Speed = speed;
    S.RearWheelSpeed = wheel;
    TyrePhase(c);
    return S.CorrectedTyreMu;
  }
  RunContext c;
};

TEST_F(TyreGrip, RestingShareColdTyreAndOneStepRateLimit) {
  for (const Single wheel : {0.0f, -0.5f})  // even a wheel slower than a standing car
    EXPECT_NEAR(GripAt(0, wheel), 1.0f / 1.75f, 1e-6f) << wheel;
  EXPECT_LT(GripAt(10, 9.99f), 1.0f / 1.75f - 1e-3f);  // a moving car's wheel dragging grips less
  S.TyreTemp = 45;
  EXPECT_NEAR(GripAt(0, 0), 1.0f / 1.75f * std::pow(0.5f, 0.3f), 1e-5f);
  c.MuPerStep = 0.02f;
  c.PrevCorrectedTyreMu = 0.3f;
  EXPECT_NEAR(GripAt(0, 0), 0.32f, 1e-6f);
}

TEST_F(TyreGrip, RisingSlipPeaksAtTenMetresPerSecond) {
  // The pressure rises with the wheel's speed, so a peak above 0.8 shrinks a little.
  S.TyrePress = 33000 - 8.5944f * 30 * 30 / 0.3f;
  c.SlipSpeed = 9;
  EXPECT_NEAR(GripAt(20, 30), 1.125f, 2e-3f);
}

TEST_F(TyreGrip, SlipTrendRoundsTheChangeInGripSteps) {
  c.GravityMuPerStep = 0.25f;  // changes below are exact multiples of it
  const struct {
    Single steps;  // change of the slip speed, in grip steps
    Integer trend;
  } cases[] = {{0, 0},     {0.25f, 0}, {0.5f, 0},  {-0.5f, 0}, {0.75f, 1},
               {-0.75f, -1}, {1, 1},     {3, 1},     {-3, -1}};
  for (const auto& k : cases) {
    c.SlipSpeed = 0;
    GripAt(10, 10 + k.steps * c.GravityMuPerStep);
    EXPECT_EQ(c.SlipTrend, k.trend) << k.steps;
  }
}

// The gear below the top one needs the top gear's limit too: a wheelie can shift up within the step.
TEST_F(TyreGrip, TopGearSpeedLimitIsReadyFromTheGearBelowTheTop) {
  S.GearCount = 4;
  S.GearOverallRatio = 4;
  S.TopGearRPMIndex = 70;
  for (const Integer gear : {3, 4}) {
    S.Gear = gear;
    c.TopGearLimitSpeed = -1;
    GripAt(10, 10);
    EXPECT_NEAR(c.TopGearLimitSpeed, 70 * 0.3f * c.RadPerSecPerRow / 4, 1e-4f) << gear;
  }
}

TEST(WheelieLimit, EachExcursionCountsOnceAndTheEleventhIsNotRecorded) {
  S = SharedState{};
  RunContext c;
  S.ChassisWheelbase = 1.5f;
  SetUpRun(c);
  auto stepWithFrontAt = [&](Single height, Single time) {
    S.RunTime = time;
    S.FrontWheelHeight = height;
    ChassisPhase(c);
  };
  // {front height, time, wheelies counted}: above 0.4 wheelbases counts once per excursion.
  const Single steps[][3] = {{0.7f, 1.0f, 1}, {0.7f, 1.1f, 1}, {0.3f, 1.2f, 1}, {0.7f, 1.3f, 2}};
  for (const auto& st : steps) {
    stepWithFrontAt(st[0], st[1]);
    EXPECT_EQ(S.WheelieCount[CurrentRun], st[2]) << st[1];
    EXPECT_EQ(c.WheelieActive, st[0] > 0.5f ? True : False) << st[1];
  }
  EXPECT_FLOAT_EQ(S.WheelieTime[CurrentRun][1], 1.0f);
  EXPECT_FLOAT_EQ(S.WheelieTime[CurrentRun][2], 1.3f);
  EXPECT_FLOAT_EQ(S.ThrottleOpening, -0.2f);

  S.WheelieCount[CurrentRun] = 10;
  stepWithFrontAt(0.3f, 1.4f);
  stepWithFrontAt(0.7f, 1.5f);
  EXPECT_TRUE(S.WheelieCount[CurrentRun] == 10 && c.WheelieActive == True);
}

}  // namespace
}  // namespace kestrelon
