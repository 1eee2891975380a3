// The clutch or converter in a step: engagement by time, the converter's capacity law and the
// torque a slipping clutch passes on; and clutch capacities from a mechanical specification.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "core/settings.h"
#include "core/state.h"
#include "simulation/clutch_capacity.h"
#include "simulation/clutch_phase.h"
#include "simulation/run_context.h"
#include "simulation/run_setup.h"

namespace kestrelon {
namespace {

class Clutch : public ::testing::Test {
 protected:
  void SetUpClutch(const char* type) {
    S = SharedState{};
    S.ClutchType = type;
    S.ClutchTorqueStatic = 400;
    S.ClutchEngageInitial = 0.2f;
    S.ClutchEngageInitialPC = 0.5f;
    S.MinRPMIndex = 30;
    S.MaxRPMIndex = 75;
    S.Gear = S.TransStart = 1;
    S.GearCount = 4;
    SetUpRun(c);
  }
  Single CapacityAt(Single time, Single engineRows) {
    S.RunTime = time;
    S.EngineSpeed = engineRows;
    S.CrankTorque = 100;
    ClutchPhase(c);
    return S.ClutchTorqueCapacity;
  }
  RunContext c;
};

TEST_F(Clutch, ConventionalClutchFollowsTheTimeRampContinuously) {
  SetUpClutch("N");
  S.ClutchEngageFinal = 0.7f;
  // Half way to the first engagement, no jump at it, then on to the final one.
  for (const auto& [t, share] : {std::pair{0.1f, 0.25f}, {0.2f, 0.5f}, {0.45f, 0.75f}})
    EXPECT_FLOAT_EQ(CapacityAt(t, 50), 400 * share) << t;
  S.ClutchEngageFinal = 0;  // no final time: fully engaged from the first engagement on
  EXPECT_FLOAT_EQ(CapacityAt(0.2f, 50), 400);
}

TEST_F(Clutch, ConverterLocksUpInFirstOnlyPastThePeakTorqueRow) {
  SetUpClutch("T");
  S.ConverterK = 0.1f;
  S.ConverterCurveB = 1;
  S.GearLockup[0] = True;
  S.EngineSummary[0][1] = 55;
  S.DrivelineSpeed = 20;
  EXPECT_FLOAT_EQ(CapacityAt(1, 50), 0.1f * 50 * 50);  // by the converter's law
  EXPECT_FLOAT_EQ(CapacityAt(1, 56), 110);             // locked: 1.1 x the engine torque
  S.GearLockup[0] = False;
  EXPECT_EQ(CapacityAt(1, 0), 0.0f);  // a standing engine turns no converter
}

TEST_F(Clutch, LockUpTimersLaunchShareOfNoneLeavesTheWeightsOutUntilTheFirstStage) {
  SetUpClutch("L");
  S.ClutchTorqueLocked = S.DrivelineSpeed = 75;  // the weights add 75 N m at the curve's top
  S.ClutchTimerLPercent = 0;
  S.ClutchTimerStart[1] = 3;
  EXPECT_FLOAT_EQ(CapacityAt(1, 75), 400);
}

// Whatever the engine's own torque, a clutch slipping with the engine ahead of the drive line
// pulls the drive line forward by its capacity and slows the engine by the same amount.
TEST_F(Clutch, SlippingClutchNeverPullsTheDriveLineBackwards) {
  SetUpClutch("N");
  S.ClutchEngageFinal = 0;
  S.DrivelineSpeed = 0;
  c.CrankRowPerTorqueStep = 0.001f;
  const Single K = 400;
  for (const Single torque : {600.0f, 100.0f, -100.0f, -600.0f}) {
    SCOPED_TRACE(torque);
    S.ClutchSlipping = 1;
    S.EngineSpeed = 70;
    S.RunTime = 1;
    S.CrankTorque = torque;
    ClutchPhase(c);
    EXPECT_FLOAT_EQ(S.CrankTorque + c.ClutchDrag, K);
    EXPECT_NEAR(S.EngineSpeed, 70 + (torque - K) * 0.001f, 1e-4f);  // the engine takes the rest
    EXPECT_EQ(S.ClutchSlipping, 1);
  }
  // Engine braking through a locked clutch still holds the drive line back, up to the capacity.
  S.ClutchSlipping = 0;
  S.EngineSpeed = S.DrivelineSpeed = 50;
  S.CrankTorque = -600;
  ClutchPhase(c);
  EXPECT_FLOAT_EQ(S.CrankTorque + c.ClutchDrag, -K);
  EXPECT_EQ(S.ClutchSlipping, 1);  // and the clutch slips again
  // A locked clutch at no engine torque (a rev-limiter cut at its crossing) drags nothing.
  S.ClutchSlipping = 0;
  S.EngineSpeed = 51;
  S.CrankTorque = 0;
  ClutchPhase(c);
  EXPECT_EQ(std::tuple(c.ClutchDrag, S.EngineSpeed, S.ClutchSlipping), std::tuple(0.0f, 51.0f, 0));
}

class ClutchSpec : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    saved = Cfg.PUnits;
    Cfg.PUnits = "M";
    S.TransmissionEntered = True;
    S.TransPrimary = 2;
    S.ClutchUseSpec = True;
    S.ClutchFrictions = 4;
    S.ClutchFrictionCoeff = 0.25f;
    S.ClutchOD = 0.2f;
    S.ClutchID = 0.1f;
    S.ClutchSpring = 1000;
    S.MaxRPMIndex = 60;
  }
  void TearDown() override { Cfg.PUnits = saved; }
  std::string saved;
};

TEST_F(ClutchSpec, StaticCapacityInBothUnitSetsAndTypedCapacitiesWithoutASpecification) {
  CalcClutchCapacity();
  // 4 x 0.25 x 0.3 / (2 x 2) = 0.075 N m per N of clamping force.
  EXPECT_NEAR(S.ClutchTorqueStatic, 75.0f, 1e-4f);
  EXPECT_EQ(S.VehicleData[6][8], "75.00N/m");
  Cfg.PUnits = "I";
  CalcClutchCapacity();
  EXPECT_EQ(S.VehicleData[6][8], "55.28lb/ft");

  S = SharedState{};
  S.ClutchTorqueStatic = 123;
  Cfg.PUnits = "M";
  CalcClutchCapacity();
  EXPECT_EQ(S.ClutchTorqueStatic, 123.0f);
  EXPECT_EQ(S.TransPrimary, 1.0f);
  EXPECT_EQ(S.TorqueFactorUnit, "N/m");
  EXPECT_TRUE(S.VehicleData[6][8].empty());
}

TEST_F(ClutchSpec, WeightsAddTheirForceAtTheTopOfTheCurveUnlessMasslessOrArmless) {
  S.ClutchArms = 3;
  S.ClutchArmPL = 0.02f;
  S.ClutchArmWL = 0.04f;
  S.ClutchPCD = 0.2f;
  S.ClutchArmWeight = 0.05f;
  S.ClutchTotalWeight = 0.3f;
  CalcClutchCapacity();
  // At 6000 rpm over a primary of 2: about 6415 N from arms and weights together.
  EXPECT_NEAR(S.ClutchTorqueLocked, 481.1f, 0.1f);
  EXPECT_EQ(S.VehicleData[6][9], "556.14N/m");

  // No arm to lever with, then weights without mass: the static capacity alone.
  auto expectStaticOnly = [] {
    CalcClutchCapacity();
    EXPECT_EQ(S.ClutchTorqueLocked, 0.0f);
    EXPECT_EQ(S.VehicleData[6][9], "75.00N/m");
  };
  S.ClutchArmPL = 0;
  expectStaticOnly();
  S.ClutchArmPL = 0.02f;
  S.ClutchTotalWeight = S.ClutchArmWeight = 0;
  expectStaticOnly();
}

}  // namespace
}  // namespace kestrelon
