// Clutch capacities from a mechanical specification.

#include <gtest/gtest.h>

#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "simulation/clutch_capacity.h"

namespace kestrelon {
namespace {

class ClutchSpec : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    saved = Cfg.PUnits;
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
  Cfg.PUnits = "M";
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
  Cfg.PUnits = "M";
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

  S.ClutchArmPL = 0;  // no arm to lever with
  CalcClutchCapacity();
  EXPECT_EQ(S.ClutchTorqueLocked, 0.0f);
  EXPECT_EQ(S.VehicleData[6][9], "75.00N/m");
  S.ClutchArmPL = 0.02f;
  S.ClutchTotalWeight = 0;
  S.ClutchArmWeight = 0;
  CalcClutchCapacity();
  EXPECT_EQ(S.VehicleData[6][9], "75.00N/m");
}

}  // namespace
}  // namespace kestrelon
