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
    S.MaxRPMIndex = S.RevLimitIndex = 75;
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
  // One shift test at `t` seconds; returns the gear after it.
  static Integer GearAt(Single t, Integer forced = 0) {
    S.RunTime = t;
    TestGearShift(forced);
    return S.Gear;
  }
};

TEST_F(Shift, TimedShiftIgnoresSlipAndSettlingAndAForcedShiftWaitsForIt) {
  S.GearSec[1] = 0.3f;
  EXPECT_EQ(GearAt(0.2f, 1), 1);  // forced, but its time is still to come
  S.GearSec[1] = 0.3f;
  S.ClutchSlipping = 1;
  EXPECT_EQ(GearAt(0.29f), 1);
  S.EngineSpeed = 60;
  EXPECT_EQ(GearAt(0.3f), 2);
  EXPECT_FLOAT_EQ(S.GearEngagedTime[CurrentRun][1], 0.3f);
  EXPECT_FLOAT_EQ(S.GearEngagedRPM[CurrentRun][1], 60);
  EXPECT_FLOAT_EQ(S.GearOverallRatio, S.GearOverall[2]);
  S.ClutchSlipping = 0;
  EXPECT_EQ(GearAt(1.0f, 1), 3);  // forced once no shift time is set
}

TEST_F(Shift, RpmShiftWaitsForTheLockedClutchAndHalfASecond) {
  S.GearRPM[1] = 65;
  S.EngineSpeed = 66;
  S.ClutchSlipping = 1;
  EXPECT_EQ(GearAt(1.0f), 1);
  S.ClutchSlipping = 0;
  EXPECT_EQ(GearAt(0.4f), 1);
  EXPECT_EQ(GearAt(1.0f), 2);
}

TEST_F(Shift, ShiftWithDurationRunsItsPhaseThenSettles) {
  S.GearChange[1] = 0.2f;
  S.GearRPM[1] = S.GearRPM[2] = 65;
  S.EngineSpeed = 70;
  ASSERT_EQ(GearAt(1.0f), 2);
  EXPECT_EQ(S.ShiftPhase, 1);
  S.ClutchSlipping = 0;
  EXPECT_EQ(GearAt(1.1f), 2);
  EXPECT_EQ(S.ShiftPhase, 1);
  EXPECT_EQ(GearAt(1.2f), 2);  // ends the shift, nothing else in this call
  EXPECT_EQ(S.ShiftPhase, 0);
  EXPECT_EQ(GearAt(1.65f), 2);
  EXPECT_EQ(GearAt(1.7f), 3);
}

TEST_F(Shift, RevLimiterCutShiftsAndClearsTheCut) {
  S.EngineSpeed = 74;
  S.RevLimitCut = True;
  S.RevLimitFactor = -0.2f;
  EXPECT_EQ(GearAt(2.0f), 2);  // the next gear reads less thrust: only the cut makes it shift
  EXPECT_EQ(S.RevLimitCut, False);
  EXPECT_FLOAT_EQ(S.RevLimitFactor, 1.0f);
}

TEST_F(Shift, BestAccelerationShiftsWhenTheNextGearPullsAsHard) {
  S.EngineSpeed = 60;
  EXPECT_EQ(GearAt(2.0f), 1);  // 2.9 x 130 against 2.0 x 130 after the shift
  S.CurrentStage = 1;           // a stage without points of its own pulls with the engine's curve
  EXPECT_EQ(GearAt(2.0f), 1);
  S.CurrentStage = 0;
  for (int r = 30; r <= 75; ++r) S.PowerCurve[0][r] = static_cast<Single>(r * r);  // rising steeply
  S.EngineSpeed = 70;
  EXPECT_EQ(GearAt(2.0f), 1);
  S.PowerCurve[0][49] = S.PowerCurve[0][50] = 100000;  // the next gear lands on a huge peak
  EXPECT_EQ(GearAt(2.0f), 2);
}

TEST_F(Shift, BoggedEngineBelowTheCurveDoesNotClimbThroughTheGearsNorLeavesTheTop) {
  S.EngineSpeed = 10;  // no torque in either gear
  for (Single t : {6.0f, 7.0f, 8.0f, 9.0f, 10.0f}) GearAt(t);
  EXPECT_EQ(S.Gear, 1);
  S.Gear = 4;
  S.EngineSpeed = 80;
  EXPECT_EQ(GearAt(10.0f), 4);
}

TEST(GrowingTyre, RadiusGrowsWithTheSquareOfEngineSpeed) {
  S = SharedState{};
  S.TyreDia = 0.8f;
  S.RearTyreRadius = 0.4f;
  S.TyreGrowthDia = 0.9f;
  S.TyreGrowthRate = 0.001f;
  S.GearOverall[2] = 5;
  S.GearGrowthRPM[2] = 6000;
  S.GearOverall[3] = 4;
  // {rpm, gear, ratio, radius}; gear 3 has no growth and leaves the radius alone.
  const Single rows[][4] = {{6000, 2, 0.4f * 5 / 0.45f, 0.45f}, {0, 2, 5, 0.4f}, {3000, 3, 4, 0.4f}};
  for (const auto& r : rows) {
    EXPECT_FLOAT_EQ(GearingWithGrowth(r[0], static_cast<Integer>(r[1])), r[2]) << r[0];
    EXPECT_FLOAT_EQ(S.TyreRadius, r[3]) << r[0];
  }
}

}  // namespace
}  // namespace kestrelon
