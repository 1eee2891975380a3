// The clutch or converter in a step: engagement by time, the converter's capacity law and the
// torque a slipping clutch passes on.

#include <gtest/gtest.h>

#include "core/state.h"
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
  EXPECT_FLOAT_EQ(CapacityAt(0.1f, 50), 400 * 0.25f);  // half way to the first engagement
  EXPECT_FLOAT_EQ(CapacityAt(0.2f, 50), 400 * 0.5f);   // no jump at the first engagement
  EXPECT_FLOAT_EQ(CapacityAt(0.45f, 50), 400 * 0.75f);
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
  EXPECT_EQ(S.ClutchSlipping, 1);
}

}  // namespace
}  // namespace kestrelon
