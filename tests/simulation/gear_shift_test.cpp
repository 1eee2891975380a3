// Upshift rules and the overall ratio with a growing tyre.

#include <gtest/gtest.h>

#include "core/state.h"
#include "simulation/gear_shift.h"

namespace kestrelon {
namespace {

class Shift : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.GearCount = 4;
    const Single ratios[] = {0, 2.9f, 2.0f, 1.4f, 1.0f};
    for (int g = 1; g <= 4; ++g) {
      S.GearInternal[g] = ratios[g];
      S.GearOverall[g] = ratios[g] * 3.77f;
    }
    for (int r = 30; r <= 75; ++r) S.PowerCurve[0][r] = 130;
    S.MinRPMIndex = 30;
    S.MaxRPMIndex = 75;
    S.RevLimitIndex = 75;
    S.ClutchType = "N";
    S.Gear = 1;
    S.ClutchSlipping = 0;
    S.EffectiveMass = 700;
    S.TyreRadius = 0.29f;
    S.EngineInertia = 0.18f;
    S.GearOverallRatio = S.GearOverall[1];
    S.ReflectedEngineInertia = 0.18f * S.GearOverallRatio * S.GearOverallRatio;
    S.NextReflectedEngineInertia = 0.18f * S.GearOverall[2] * S.GearOverall[2];
  }
};

TEST_F(Shift, TimedShiftIgnoresSlipAndSettlingAndAForcedShiftWaitsForIt) {
  S.RunTime = 0.2f;
  S.GearSec[1] = 0.3f;
  TestGearShift(1);  // forced, but its time is still to come
  EXPECT_EQ(S.Gear, 1);
  S.GearSec[1] = 0.3f;
  S.ClutchSlipping = 1;
  S.RunTime = 0.29f;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 1);
  S.RunTime = 0.3f;
  S.EngineSpeed = 60;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 2);
  EXPECT_FLOAT_EQ(S.GearEngagedTime[CurrentRun][1], 0.3f);
  EXPECT_FLOAT_EQ(S.GearEngagedRPM[CurrentRun][1], 60);
  EXPECT_EQ(S.ClutchSlipping, 1);
  EXPECT_FLOAT_EQ(S.GearOverallRatio, S.GearOverall[2]);
  S.ClutchSlipping = 0;
  S.RunTime = 1.0f;
  TestGearShift(1);  // forced once no shift time is set
  EXPECT_EQ(S.Gear, 3);
}

TEST_F(Shift, RpmShiftWaitsForTheLockedClutchAndHalfASecond) {
  S.GearRPM[1] = 65;
  S.EngineSpeed = 66;
  S.ClutchSlipping = 1;
  S.RunTime = 1.0f;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 1);
  S.ClutchSlipping = 0;
  S.RunTime = 0.4f;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 1);
  S.RunTime = 1.0f;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 2);
}

TEST_F(Shift, ShiftWithDurationRunsItsPhaseThenSettles) {
  S.GearChange[1] = 0.2f;
  S.GearRPM[1] = 65;
  S.GearRPM[2] = 65;
  S.EngineSpeed = 70;
  S.RunTime = 1.0f;
  TestGearShift(0);
  ASSERT_EQ(S.Gear, 2);
  EXPECT_EQ(S.ShiftPhase, 1);
  S.ClutchSlipping = 0;
  S.RunTime = 1.1f;
  TestGearShift(0);
  EXPECT_EQ(S.ShiftPhase, 1);
  S.RunTime = 1.2f;
  TestGearShift(0);  // ends the shift, nothing else in this call
  EXPECT_EQ(S.ShiftPhase, 0);
  EXPECT_EQ(S.Gear, 2);
  S.RunTime = 1.65f;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 2);
  S.RunTime = 1.7f;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 3);
}

TEST_F(Shift, RevLimiterCutShiftsAndClearsTheCut) {
  S.RunTime = 2.0f;
  S.EngineSpeed = 74;
  S.RevLimitCut = True;
  S.RevLimitFactor = -0.2f;
  // The next gear reads less thrust, so only the cut makes it shift.
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 2);
  EXPECT_EQ(S.RevLimitCut, False);
  EXPECT_FLOAT_EQ(S.RevLimitFactor, 1.0f);
}

TEST_F(Shift, BestAccelerationShiftsWhenTheNextGearPullsAsHard) {
  S.RunTime = 2.0f;
  S.EngineSpeed = 60;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 1);  // 2.9 x 130 against 2.0 x 130 after the shift
  for (int r = 30; r <= 75; ++r) S.PowerCurve[0][r] = static_cast<Single>(r * r);  // rising steeply
  S.EngineSpeed = 70;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 1);
  S.PowerCurve[0][49] = S.PowerCurve[0][50] = 100000;  // the next gear lands on a huge peak
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 2);
}

TEST_F(Shift, BoggedEngineBelowTheCurveDoesNotClimbThroughTheGearsNorLeavesTheTop) {
  S.RunTime = 5.0f;
  S.EngineSpeed = 10;  // no torque in either gear
  for (int i = 0; i < 5; ++i) {
    S.RunTime += 1.0f;
    TestGearShift(0);
  }
  EXPECT_EQ(S.Gear, 1);
  S.Gear = 4;
  S.EngineSpeed = 80;
  TestGearShift(0);
  EXPECT_EQ(S.Gear, 4);
}

TEST(GrowingTyre, RadiusGrowsWithTheSquareOfEngineSpeed) {
  S = SharedState{};
  S.TyreDia = 0.8f;
  S.RearTyreRadius = 0.4f;
  S.TyreGrowthDia = 0.9f;
  S.TyreGrowthRate = 0.001f;
  S.GearOverall[2] = 5;
  S.GearGrowthRPM[2] = 6000;
  EXPECT_FLOAT_EQ(GearingWithGrowth(6000, 2), 0.4f * 5 / 0.45f);
  EXPECT_FLOAT_EQ(S.TyreRadius, 0.45f);
  EXPECT_FLOAT_EQ(GearingWithGrowth(0, 2), 5);
  EXPECT_FLOAT_EQ(S.TyreRadius, 0.4f);
  S.TyreRadius = 0.123f;
  S.GearGrowthRPM[3] = 0;
  S.GearOverall[3] = 4;
  EXPECT_FLOAT_EQ(GearingWithGrowth(3000, 3), 4);
  EXPECT_FLOAT_EQ(S.TyreRadius, 0.123f);  // without growth the radius is left alone
}

}  // namespace
}  // namespace kestrelon
