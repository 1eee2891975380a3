#include "entry/clutch_spec_calc.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"

namespace kestrelon {
namespace {

class ClutchSpec : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    InitTables();
    Cfg.PUnits = "M";
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 70;
    S.AirDensityRatio = 1.0f;
    S.EngineEntered = True;
    for (int j = 20; j <= 70; ++j) S.PowerCurve[0][j] = 300;
  }
  // Two dry sintered bronze plates on steel, no arms.
  static ClutchEntry Plates() {
    ClutchEntry e;
    e.UseSpec = true;
    e.Frictions = "2";
    e.OD = "200mm";
    e.ID = "100mm";
    e.Material = 2;
    e.BaseMaterial = 4;
    e.FrictionThickness = "3mm";
    e.PressureThickness = "4mm";
    e.Spring = "5000n";
      return e;
  }
  static void ExpectRefused(ClutchEntry e, const std::string& message, int field) {
    const auto r = CheckClutchSpec(e, "C", false);
    ASSERT_TRUE(r) << message;
    EXPECT_EQ(r->message, message);
    EXPECT_EQ(r->field, field);
  }
};

TEST_F(ClutchSpec, CapacityFromPlatesAndSpring) {
  ClutchEntry e = Plates();
  ASSERT_FALSE(CheckClutchSpec(e, "C", true));
  // 2 plates x 0.33 x 5000 N x (0.2 + 0.1) m / 2.
  EXPECT_NEAR(S.ClutchTorqueStatic, 495, 0.01);
  EXPECT_EQ(S.VehicleData[6][8], "495.00N/m");
  EXPECT_EQ(e.TorqueStatic, "495.00N/m") << "the visible form shows the capacity";
  EXPECT_FLOAT_EQ(S.ClutchFrictionCoeff, 0.33f);
  e.Wet = true;
  ASSERT_FALSE(CheckClutchSpec(e, "C", false));
  EXPECT_FLOAT_EQ(S.ClutchFrictionCoeff, 0.25f);
}

TEST_F(ClutchSpec, UntickedSpecificationClearsThePlateModel) {
  S.ClutchFrictions = 3;
  S.ClutchAG = 0.1f;
  S.ClutchPlateCalc1 = 5;
  ClutchEntry e;
  e.Frictions = "x";
  EXPECT_FALSE(CheckClutchSpec(e, "C", false));
  EXPECT_EQ(S.ClutchFrictions, 0);
  EXPECT_EQ(S.ClutchAG, 0);
  EXPECT_EQ(S.ClutchPlateCalc1, 0);
}

TEST_F(ClutchSpec, AirGapWidensThePitchCircleThroughTheArms) {
  ClutchEntry e = Plates();
  e.AG = "0.002m";
  e.Arms = "3";
  e.ArmPL = "0.03m";
  e.ArmWL = "0.06m";
  e.PCD = "0.2m";
  e.ArmWeight = "0.1kg";
  ASSERT_FALSE(CheckClutchSpec(e, "S", false));
  EXPECT_FLOAT_EQ(S.ClutchPCDCopy, 0.2f);
  EXPECT_NEAR(S.ClutchPCD, 0.208, 1e-6);
  e.AG = "";
  ASSERT_FALSE(CheckClutchSpec(e, "S", false));
  EXPECT_FLOAT_EQ(S.ClutchPCD, S.ClutchPCDCopy);
}

TEST_F(ClutchSpec, Refusals) {
  ClutchEntry e = Plates();
  e.Frictions = "";
  ExpectRefused(e, "Number of friction plates not valid", ClutchFrictionsField);
  e = Plates();
  e.ID = "200mm";
  ExpectRefused(e, "Friction plate inside diameter not valid ", ClutchIDField);
  e = Plates();
  e.OD = "";
  ExpectRefused(e, "Friction plate outside diameter not valid ", ClutchODField);
  e = Plates();
  e.Material = 0;
  ExpectRefused(e, "No clutch plate friction material selected", ClutchMaterialField);
  e = Plates();
  e.BaseMaterial = 0;
  ExpectRefused(e, "No clutch pressure plate material selected", ClutchBaseMaterialField);
  e = Plates();
  Tbl.ClutchMaterial[6].DryFriction = 1.5f;
  e.Material = 6;
  ExpectRefused(e, "Clutch plate friction coefficient not valid - select another material",
                ClutchFrictionCoeffField);
  e = Plates();
  e.FrictionThickness = "-1mm";
  ExpectRefused(e, "Clutch friction plate thickness not valid ", ClutchFrictionThicknessField);
  e = Plates();
  e.AG = "-1mm";
  ExpectRefused(e, "Clutch air gap not valid ", ClutchAGField);
  e = Plates();
  e.Arms = "0";  // a typed 0 still asks for the arms
  ExpectRefused(e, "Length of arm from pivot to pressure plate not valid ", ClutchArmPLField);
  e.ArmPL = "1in";
  e.ArmWL = "2in";
  e.PCD = "8in";
  ExpectRefused(e, "Weight of each arm not valid ", ClutchArmWeightField);
}

TEST_F(ClutchSpec, BlankAndNegativeFiguresThatAreAccepted) {
  ClutchEntry e = Plates();
  e.FrictionThickness = "";
  e.PressureThickness = "";
  e.Spring = "-100n";
  EXPECT_FALSE(CheckClutchSpec(e, "C", false));
  EXPECT_EQ(S.ClutchArms, 0);
  EXPECT_EQ(S.ClutchPlateCalc1, 0) << "plates without thickness give no heat model";
}

TEST_F(ClutchSpec, PlateHeatFigures) {
  ClutchEntry e = Plates();
  S.ClutchWeight = 10;  // read by the clutch OK before the specification
  ASSERT_FALSE(CheckClutchSpec(e, "C", false));
  const double area = (0.04 - 0.01) * 3.1415927 / 4;
  const double mf = 2 * area * 0.003 * 1000 * 8.4;
  const double mp = 2 * area * 0.004 * 1000 * 7.8;
  EXPECT_NEAR(S.ClutchPlateCalc1, mf * 400 + mp * 500, 0.01);
  EXPECT_NEAR(S.ClutchPlateCalc2, (10 - mf - mp) * 500, 0.01);
  EXPECT_NEAR(S.ClutchPlateCalc3, (area * 75 / (2 * 0.003) + area * 50 / (2 * 0.004)) / 2, 0.01);
  EXPECT_FLOAT_EQ(S.ClutchPlateCalc4, 800);
  EXPECT_FLOAT_EQ(S.ClutchPlateCalc5, 350);
  EXPECT_FLOAT_EQ(S.ClutchPlateCalc6, 0.3f);

  // A clutch lighter than its plates has no heat capacity besides them; a plate kind without
  // thickness adds no conduction path.
  S.ClutchWeight = 1;
  e.PressureThickness = "0";
  ASSERT_FALSE(CheckClutchSpec(e, "C", false));
  EXPECT_EQ(S.ClutchPlateCalc2, 0);
  EXPECT_NEAR(S.ClutchPlateCalc3, area * 75 / (2 * 0.003) / 2, 0.01);
}

TEST_F(ClutchSpec, SliderRpmGiveCapacitiesGrowingWithTheSquareOfSpeed) {
  ClutchEntry e;
  e.BiteRPM = "3000";
  e.LockupRPM = "5000";
  ASSERT_FALSE(ValidateBiteLockupRPM(e));
  const double k = 300 * 1.3567 / (2500 - 900);
  EXPECT_NEAR(S.ClutchTorqueStatic, -k * 900, 0.01);
  EXPECT_NEAR(S.ClutchTorqueLocked, k * 4900 - k * 900, 0.01);

  e.LockupRPM = "7000";  // lock-up at the top is accepted, bite there is not
  EXPECT_FALSE(ValidateBiteLockupRPM(e));
  e.BiteRPM = "7000";
  EXPECT_EQ(ValidateBiteLockupRPM(e)->message, "Clutch Bite RPM not valid");
  e.BiteRPM = "3010";
  e.LockupRPM = "3090";  // one curve row: no range to grow over
  const auto r = ValidateBiteLockupRPM(e);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->message, "Clutch Lockup RPM not valid");
  EXPECT_EQ(r->field, LockupRPMField);
}

TEST_F(ClutchSpec, LockupDisplayFindsWhereTheEngineOutpullsTheClutch) {
  ClutchEntry e;
  e.TorqueStatic = "100nm";
  e.TorqueLocked = "1000nm";
  ShowLockupRPM(e, "L");
  // Capacity 100 + 900 (i/70)^2 N m meets 407.01 N m between rows 40 and 41.
  EXPECT_EQ(e.LockupRPM, "4000");
  EXPECT_EQ(e.BiteRPM, "");
  e.TorqueLocked = "";
  e.TorqueStatic = "300nm";
  ShowLockupRPM(e, "L");
  EXPECT_EQ(e.LockupRPM, "No lockup");
  e.TorqueStatic = "900nm";
  ShowLockupRPM(e, "S");
  EXPECT_EQ(e.LockupRPM, "Min RPM");
}

}  // namespace
}  // namespace kestrelon
