// One step of the drive line worked out by hand: what the vehicle and its wheels carry while the
// driven wheel grips and while it spins.

#include <gtest/gtest.h>

#include <tuple>

#include "core/state.h"
#include "simulation/drive_line.h"
#include "simulation/gear_shift.h"
#include "simulation/run_context.h"

namespace kestrelon {
namespace {

class DriveLine : public ::testing::Test {
 protected:
  // A 500 kg rear-drive vehicle at 10 m/s with 300 kg on its driven tyres (grip 1.0, axle 0.3 m),
  // a locked clutch, a flat 200 lb-ft curve and an overall ratio of 10 in gear 1 of 2.
  void SetUp() override {
    S = SharedState{};
    S.Gravity = 9.81f;
    S.ChassisWeight = 500;
    S.DriveType = 0;
    S.RearWheelLoad = 300;
    S.FrontWheelLoad = 200;
    S.CorrectedTyreMu = 1.0f;
    S.RearAxleHeight = S.TyreRadius = 0.3f;
    S.ClutchType = "N";
    S.ClutchTorqueStatic = 2000;
    S.ClutchEngageInitial = 0.2f;
    S.ClutchSlipping = 0;
    S.RunTime = 1;
    S.Gear = 1;
    S.GearCount = 2;
    S.GearOverallRatio = 10;
    S.TransEff = 1;
    S.MinRPMIndex = 10;
    S.MaxRPMIndex = S.RevLimitIndex = 80;
    for (int r = 10; r <= 80; ++r) S.PowerCurve[0][r] = 200;
    S.ThrottleOpening = 1;
    S.RevLimitFactor = 1;
    S.EngineSpeed = S.DrivelineSpeed = 50;
    S.EngineInertia = 0.2f;
    S.ReflectedEngineInertia = 0.2f * 10 * 10;  // 20 kg m^2
    S.RearWheelInertia = 2;
    S.Speed = S.FrontWheelSpeed = 10;
    c.TorqueScale = 1.3567f;
    c.StepDt = 0.002f;
    c.Sps = 500;
    c.TopGearLimitSpeed = 1000;
    c.FrontWheelMassEquiv = 5;
    c.RearWheelMassEquiv = 2 / (0.3f * 0.3f);
  }
  RunContext c;
};

TEST_F(DriveLine, SpinningWheelCarriesTheEngineAndTheVehicleOnlyItsOwnMass) {
  S.RearWheelSpeed = 12;
  S.RearWheelSpinning = 1;
  DriveLinePhase(c);
  // Grip: 300 kg x 9.81 = 2943 N. The engine's 271.34 N m x 10 = 2713.4 N m at the wheel spins it
  // up against the 882.9 N m the tyre holds, through engine and wheel inertia (20 + 2).
  const Single grip = 300 * 9.81f;
  EXPECT_FLOAT_EQ(S.EffectiveMass, 500 + 5);  // vehicle plus the rolling front wheel
  EXPECT_FLOAT_EQ(S.Acceleration, grip / 505);
  EXPECT_NEAR(S.Speed, 10 + grip / 505 * 0.002f, 1e-5f);
  const Single wheelTorque = 200 * 1.3567f * 10;
  EXPECT_NEAR(S.RearWheelRotAccel, (wheelTorque - 0.3f * grip) / 22, 0.01f);
  EXPECT_NEAR(S.RearWheelSpeed, 12 + 0.3f * (wheelTorque - 0.3f * grip) / 22 * 0.002f, 1e-4f);
  EXPECT_EQ(S.RearWheelSpinning, 1);
  EXPECT_EQ(S.EngineInEffectiveMass, False);
}

TEST_F(DriveLine, GrippingWheelCarriesTheEngineInTheVehicle) {
  S.RearWheelSpeed = 10;
  S.PowerCurve[0][50] = S.PowerCurve[0][51] = 40;  // within the tyre's grip
  DriveLinePhase(c);
  const Single mass = 500 + 20 / (0.3f * 0.3f) + 2 / (0.3f * 0.3f) + 5;
  EXPECT_FLOAT_EQ(S.EffectiveMass, mass);
  EXPECT_NEAR(S.Acceleration, 40 * 1.3567f * 10 / 0.3f / mass, 1e-4f);
  EXPECT_EQ(S.RearWheelSpinning, 0);
  EXPECT_EQ(S.EngineInEffectiveMass, True);
}

// Past the top gear's limit speed the top gear still drives; only a gear beyond the box leaves the
// vehicle standing on its static loads.
TEST_F(DriveLine, BeyondTheLastGearTheVehicleStandsOnItsStaticLoads) {
  S.RearWheelSpeed = 10;
  c.TopGearLimitSpeed = 5;
  c.StaticRearShare = 0.6f;
  for (const Integer gear : {2, 3}) {
    S.Gear = gear;
    S.EngineSpeed = 50;
    S.Acceleration = 7;
    DriveLinePhase(c);
    EXPECT_EQ(S.EngineSpeed == 0, gear == 3) << gear;
  }
  EXPECT_EQ(std::tuple(S.Acceleration, S.RearWheelLoad, S.FrontWheelLoad), std::tuple(0.0f, 300.0f, 200.0f));

  // A one-gear vehicle pulled below its curve is driven by the engine, half its torque at half
  // the curve's lowest speed, to climb back onto the curve.
  S.Gear = S.GearCount = 1;
  c.TopGearLimitSpeed = 1000;
  S.EngineSpeed = S.DrivelineSpeed = 5;
  DriveLinePhase(c);
  EXPECT_NEAR(S.CrankTorque, 100 * 1.3567f, 1e-3f);
}

TEST_F(DriveLine, NextGearMassSwapsTheEngineOnlyWhereTheVehicleCarriesIt) {
  // Gear 2 (internal 1 against 2) lands at row 25 with 190 lb-ft against 100 at row 50: a little
  // less thrust, so only a lighter next-gear mass (the engine's 20 kg m^2 swapped for 5) shifts.
  S.GearInternal[1] = 2;
  S.GearInternal[2] = 1;
  S.NextReflectedEngineInertia = 0.2f * 5 * 5;
  for (int r = 10; r <= 80; ++r) S.PowerCurve[0][r] = 100;
  S.PowerCurve[0][25] = S.PowerCurve[0][26] = 190;
  S.RunTime = 2;
  struct Case {
    Single mass;
    Integer engineHeld;
    Integer gearAfter;
  };
  const Case cases[] = {{500 + 20 / 0.09f, True, 2}, {500, False, 1}};
  for (const Case& k : cases) {
    S.Gear = 1;
    S.EffectiveMass = k.mass;
    S.EngineInEffectiveMass = k.engineHeld;
    TestGearShift(0);
    EXPECT_EQ(S.Gear, k.gearAfter) << k.mass;
  }
}

}  // namespace
}  // namespace kestrelon
