#include "entry/clutch_spec_calc.h"

#include "entry_test_support.h"

namespace kestrelon {
namespace {

class ClutchSpec : public test::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    Cfg.PUnits = "M";
    FlatEngine(20, 70, 300);
    S.AirDensityRatio = 1.0f;
  }
  // Two dry sintered bronze plates on steel, no arms.
  using E = ClutchEntry;
  static ClutchEntry Plates() {
    ClutchEntry e = test::Typed<E>({{&E::Frictions, "2"}, {&E::OD, "200mm"}, {&E::ID, "100mm"},
                                    {&E::FrictionThickness, "3mm"}, {&E::PressureThickness, "4mm"},
                                    {&E::Spring, "5000n"}});
    e.UseSpec = true;
    e.Material = 2;
    e.BaseMaterial = 4;
    return e;
  }
};

TEST_F(ClutchSpec, CapacityFromPlatesAndSpring) {
  ClutchEntry e = Plates();
  ASSERT_FALSE(CheckClutchSpec(e, "C"));
  // 2 plates x 0.33 x 5000 N x (0.2 + 0.1) m / 2.
  EXPECT_NEAR(S.ClutchTorqueStatic, 495, 0.01);
  // The capacity box shows the capacity.
  EXPECT_EQ(test::Joined({S.VehicleData[6][8], e.TorqueStatic}), "495.00N/m|495.00N/m");
  EXPECT_FLOAT_EQ(S.ClutchFrictionCoeff, 0.33f);
  e.Wet = true;
  ASSERT_FALSE(CheckClutchSpec(e, "C"));
  EXPECT_FLOAT_EQ(S.ClutchFrictionCoeff, 0.25f);
}

TEST_F(ClutchSpec, AirGapWidensThePitchCircleThroughTheArms) {
  ClutchEntry e = Plates();
  e.AG = "0.002m";
  e.Arms = "3", e.ArmPL = "0.03m", e.ArmWL = "0.06m", e.PCD = "0.2m", e.ArmWeight = "0.1kg";
  ASSERT_FALSE(CheckClutchSpec(e, "S"));
  EXPECT_FLOAT_EQ(S.ClutchPCDCopy, 0.2f);
  EXPECT_NEAR(S.ClutchPCD, 0.208, 1e-6);
  e.AG = "";
  ASSERT_FALSE(CheckClutchSpec(e, "S"));
  EXPECT_FLOAT_EQ(S.ClutchPCD, S.ClutchPCDCopy);
}

TEST_F(ClutchSpec, Refusals) {
  const struct {
    void (*edit)(ClutchEntry&);
    const char* message;
    int field;
  } cases[] = {
      {[](ClutchEntry& e) { e.Frictions = ""; }, "Number of friction plates not valid",
       ClutchFrictionsField},
      {[](ClutchEntry& e) { e.Frictions = "40000"; }, "Number of friction plates not valid",
       ClutchFrictionsField},
      {[](ClutchEntry& e) { e.Arms = "40000"; }, "Invalid number of arms for weights",
       ClutchArmsField},
      {[](ClutchEntry& e) { e.ID = "200mm"; }, "Friction plate inside diameter not valid ",
       ClutchIDField},
      {[](ClutchEntry& e) { e.OD = ""; }, "Friction plate outside diameter not valid ",
       ClutchODField},
      {[](ClutchEntry& e) { e.Material = 0; }, "No clutch plate friction material selected",
       ClutchMaterialField},
      {[](ClutchEntry& e) { e.BaseMaterial = 0; }, "No clutch pressure plate material selected",
       ClutchBaseMaterialField},
      {[](ClutchEntry& e) { e.Material = 6, e.OtherFriction = "1.5"; },
       "Clutch plate friction coefficient not valid - select another material",
       ClutchFrictionCoeffField},
      {[](ClutchEntry& e) { e.FrictionThickness = "-1mm"; },
       "Clutch friction plate thickness not valid ", ClutchFrictionThicknessField},
      {[](ClutchEntry& e) { e.AG = "-1mm"; }, "Clutch air gap not valid ", ClutchAGField},
      // A typed 0 still asks for the arms.
      {[](ClutchEntry& e) { e.Arms = "0"; },
       "Length of arm from pivot to pressure plate not valid ", ClutchArmPLField},
      {[](ClutchEntry& e) { e.Arms = "0", e.ArmPL = "1in", e.ArmWL = "2in", e.PCD = "8in"; },
       "Weight of each arm not valid ", ClutchArmWeightField},
  };
  for (const auto& c : cases) {
    ClutchEntry e = Plates();
    c.edit(e);
    test::ExpectRefusal(CheckClutchSpec(e, "C"), c.message, c.field);
  }
}

TEST_F(ClutchSpec, PlateHeatFiguresAndPlatesWithoutThickness) {
  ClutchEntry e = Plates();
  S.ClutchWeight = 10;  // read by the clutch OK before the specification
  ASSERT_FALSE(CheckClutchSpec(e, "C"));
  const Single figures[] = {1210.14f, 3671.11f, 220.893f, 800, 350, 0.3f};
  const Single* calc[] = {&S.ClutchPlateCalc1, &S.ClutchPlateCalc2, &S.ClutchPlateCalc3,
                          &S.ClutchPlateCalc4, &S.ClutchPlateCalc5, &S.ClutchPlateCalc6};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(*calc[i], figures[i], 0.01) << i + 1;
  // Wet plates shed heat into the oil across their radial width as well.
  e.Wet = true;
  ASSERT_FALSE(CheckClutchSpec(e, "C"));
  EXPECT_NEAR(S.ClutchPlateCalc3 - figures[2], 0.70686 + 0.62832, 2e-3);
  e.Wet = false;

  // A clutch lighter than its plates has no heat capacity besides them; a plate kind without
  // thickness adds no conduction path (and no division by zero).
  S.ClutchWeight = 1;
  e.PressureThickness = "0";
  ASSERT_FALSE(CheckClutchSpec(e, "C"));
  EXPECT_EQ(S.ClutchPlateCalc2, 0);
  EXPECT_NEAR(S.ClutchPlateCalc3, 147.262, 0.01);

  // Both blank: accepted, no heat model; a negative spring is accepted too.
  e.FrictionThickness = "";
  e.PressureThickness = "";
  e.Spring = "-100n";
  EXPECT_FALSE(CheckClutchSpec(e, "C"));
  EXPECT_EQ(std::tuple(S.ClutchArms, S.ClutchPlateCalc1), std::tuple(0, 0.0f));

  // Unticked, the specification clears the plate model whatever its boxes hold.
  S.ClutchFrictions = 3;
  S.ClutchAG = 0.1f;
  S.ClutchPlateCalc1 = 5;
  ClutchEntry unticked;
  unticked.Frictions = "x";
  EXPECT_FALSE(CheckClutchSpec(unticked, "C"));
  EXPECT_EQ(std::tuple(S.ClutchFrictions, S.ClutchAG, S.ClutchPlateCalc1), std::tuple(0, 0.0f, 0.0f));
}

TEST_F(ClutchSpec, SliderRpmGiveCapacitiesGrowingWithTheSquareOfSpeed) {
  ClutchEntry e = test::Typed<E>({{&E::BiteRPM, "3000"}, {&E::LockupRPM, "5000"}});
  ASSERT_FALSE(ValidateBiteLockupRPM(e));
  // The engine's 407.01 N m is met at the lock-up row (50) from none at the bite row (30).
  EXPECT_NEAR(S.ClutchTorqueStatic, -228.943, 0.01);
  EXPECT_NEAR(S.ClutchTorqueLocked, 1017.525, 0.01);

  e.LockupRPM = "7000";  // lock-up at the top is accepted, bite there is not
  EXPECT_FALSE(ValidateBiteLockupRPM(e));
  e.BiteRPM = "7000";
  EXPECT_EQ(ValidateBiteLockupRPM(e)->message, "Clutch Bite RPM not valid");
  e.BiteRPM = "3010";
  e.LockupRPM = "3090";  // one curve row: no range to grow over
  test::ExpectRefusal(ValidateBiteLockupRPM(e), "Clutch Lockup RPM not valid", LockupRPMField);
}

TEST_F(ClutchSpec, LockupDisplayFindsWhereTheEngineOutpullsTheClutch) {
  ClutchEntry e = test::Typed<E>({{&E::TorqueStatic, "100nm"}, {&E::TorqueLocked, "1000nm"}});
  ShowLockupRPM(e, "L");
  // Capacity 100 + 900 (i/70)^2 N m meets 407.01 N m between rows 40 and 41.
  EXPECT_EQ(test::Joined({e.LockupRPM, e.BiteRPM}), "4000|");
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
