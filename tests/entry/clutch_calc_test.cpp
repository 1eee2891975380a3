#include "entry/clutch_calc.h"

#include "entry_test_support.h"

namespace kestrelon {
namespace {

using E = ClutchEntry;

class Clutch : public test::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    Cfg.PUnits = "I";
    FlatEngine(20, 70, 300);
    S.AirDensityRatio = 1.0f;
    S.GearCount = 3;
    S.EngineSummary[0][1] = 50;
    S.ClutchType = "N";
  }
  static E Conventional() {
    return test::Typed<E>({{&E::Diameter, "10in"}, {&E::Weight, "20lb"}, {&E::TorqueStatic, "400lb/ft"}});
  }
  static E Converter(const char* stall, const char* slip, const char* mult = "") {
    return test::Typed<E>({{&E::TypeText, "Torque converter"}, {&E::BiteRPM, stall},
                           {&E::ConverterSlip, slip}, {&E::ConverterMult, mult}});
  }
};

TEST_F(Clutch, TypeCodesAndAConventionalClutch) {
  EXPECT_EQ(test::Joined({ClutchWorkingCode("Wet multi-plate"), ClutchModelCode("Wet multi-plate"),
                          ClutchModelCode("torque converter")}),
            "C|N|T");  // any other type text is conventional
  EXPECT_EQ(std::tuple(ClutchTypeIndex(" n"), ClutchTypeIndex("t")), std::tuple(0, 3));

  E e = Conventional();
  e.BiteRPM = "0";
  e.LockupRPM = " ";
  e.AG = "2mm";
  e.ArmPL = "1in", e.ArmWeight = "20g";  // the specification's texts are kept when it is off
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(std::tuple(S.ClutchType, S.ClutchTorqueLocked, S.ClutchEngageInitialPC, S.ClutchEntered),
            std::tuple("N", 0.0f, 1.0f, True));
  EXPECT_NEAR(S.ClutchTorqueStatic, 542.68, 0.01);
  EXPECT_NEAR(S.ClutchInertia, 0.14635, 1e-4);
  // Rpm texts of zero are stored empty.
  test::ExpectItems({{6, 12, "N"}, {6, 13, "10in"}, {1, 13, "N"}, {1, 19, "Dry"}, {6, 19, "N"},
                     {5, 15, ""}, {5, 16, ""}, {1, 20, "2mm"}, {1, 8, "1in"}, {1, 11, "20g"}});

  e.Diameter = e.Weight = "";  // a blank size is accepted
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchInertia, 0);
}

// Each refusal names its box and puts the model back.
TEST_F(Clutch, RefusalsNameTheirBoxAndChangeNothing) {
  S.PowerCurve[0][70] = 250;
  const struct {
    void (*edit)(E&);
    const char* message;
    int field;
  } cases[] = {
      {[](E& e) { e.Diameter = "-1m"; }, "Clutch diameter invalid ", ClutchDiameterField},
      {[](E& e) { e.Weight = "-2kg"; }, "Clutch weight invalid ", ClutchWeightField},
      {[](E& e) { e.TorqueStatic = ""; }, "Clutch static torque not valid", ClutchNoFocusField},
      {[](E& e) { e.TypeText = "Lockup"; }, "Clutch lockup torque not valid", ClutchTorqueLockedField},
      {[](E& e) { e.TypeText = "Lockup", e.TorqueStatic = "0lb/ft"; }, "Clutch static torque not valid",
       ClutchNoFocusField},
      {[](E& e) { e.EngageInitialPC = "101"; }, "Clutch initial engagement percentage not valid",
       ClutchEngageInitialPCField},
      {[](E& e) { e.EngageInitialPC = "-5"; }, "Clutch initial engagement percentage not valid",
       ClutchEngageInitialPCField},
      {[](E& e) { e.EngageInitial = "-1"; }, "Clutch initial engagement time not valid", ClutchEngageInitialField},
      {[](E& e) { e.EngageInitial = test::BeyondSingle; }, "Clutch initial engagement time not valid", ClutchEngageInitialField},
      {[](E& e) { e.EngageFinal = test::BeyondSingle; }, "Clutch final engagement time not valid", ClutchEngageFinalField},
      {[](E& e) { e.EngageInitial = "0.5", e.EngageFinal = "0.4"; }, "Clutch final engagement time not valid",
       ClutchEngageFinalField},
      {[](E& e) { e = Converter("7000", "3"); }, "Converter Stall RPM not valid", BiteRPMField},
      {[](E& e) { e = Converter("1999", "3"); }, "Converter Stall RPM not valid", BiteRPMField},
      {[](E& e) { e = Converter("", "3"); }, "Converter Stall RPM not valid", BiteRPMField},
      {[](E& e) { e = Converter("3000", "0.5"); }, "Converter Slip % not valid", ConverterSlipField},
      {[](E& e) { e = Converter("3000", "43"); }, "Converter Slip % not valid", ConverterSlipField},
      {[](E& e) { e = Converter("3000", "3", "5.01"); }, "Converter Multiplication Factor not valid",
       ConverterMultField},
      {[](E& e) { e = Converter("3000", "3", "0.5"); }, "Converter Multiplication Factor not valid",
       ConverterMultField},
  };
  for (const auto& c : cases) {
    E e = Conventional();
    c.edit(e);
    test::ExpectRefusal(AcceptClutch(e), c.message, c.field);
    EXPECT_EQ(std::tuple(S.ClutchType, S.ClutchDiameter, S.ClutchEntered, S.VehicleData[6][12]),
              std::tuple("N", 0.0f, False, ""));
  }
  // The size's refusals carry titles of their own; a number without a unit adds the parser's reason.
  E e = Conventional();
  e.Diameter = "-1m";
  EXPECT_EQ(AcceptClutch(e)->title, "Clutch setup");
  e.Diameter = "5";
  EXPECT_EQ(AcceptClutch(e)->message.rfind("Clutch diameter invalid \nNo unit type provided", 0), 0u);
  e = Conventional();
  e.Weight = "-2kg";
  EXPECT_EQ(AcceptClutch(e)->title, "clutch setup");
  e = Conventional();
  e.TorqueStatic = "400";
  EXPECT_EQ(AcceptClutch(e)->field, ClutchTorqueStaticField);
  // Nothing to fit the converter to at the top of the curve.
  S.PowerCurve[0][70] = 0;
  test::ExpectRefusal(AcceptClutch(e = Converter("3000", "3")), "Converter Stall RPM not valid", BiteRPMField);
}

TEST_F(Clutch, LockupKeepsTheCapacityAddedAboveStaticAndABlankFinalTimeTakesTheInitial) {
  E e = Conventional();
  e.TypeText = "Lockup";
  e.TorqueLocked = "600lb/ft";
  e.EngageInitialPC = "100";
  e.EngageInitial = "0.1";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchType, "L");
  EXPECT_NEAR(S.ClutchTorqueLocked, 200 * 1.3567, 0.01);
  EXPECT_FLOAT_EQ(S.ClutchEngageFinal, 0.1f);
  test::ExpectItems({{6, 8, "400lb/ft"}, {6, 9, "600lb/ft"}});  // each capacity as typed
  e.TorqueLocked = "400lb/ft";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchTorqueLocked, 0);
}

TEST_F(Clutch, AutomaticClutchOnlyWhereItsBoxIsOn) {
  E e = Conventional();
  e.Feather = true;
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(std::tuple(S.ClutchFeatherFlag, S.VehicleData[6][19]), std::tuple(True, "Y"));

  e.TypeText = "Slider";
  e.BiteRPM = "3000";
  e.LockupRPM = "5000";
  ASSERT_FALSE(AcceptClutch(e));
  // A switched-off box leaves its item.
  EXPECT_EQ(std::tuple(S.ClutchType, S.ClutchFeatherFlag, S.VehicleData[6][19]), std::tuple("S", False, "Y"));
  EXPECT_LT(S.ClutchTorqueStatic, 0);
}

TEST_F(Clutch, ConverterLimitsAreAcceptedAndTheStallTorqueIsTheStaticCapacity) {
  S.PowerCurve[0][70] = 250;
  E e;
  for (const E& ok : {Converter("2000", "3"), Converter("6999", "3"), Converter("3000", "42", "5")})
    EXPECT_FALSE(AcceptClutch(e = ok)) << ok.BiteRPM;
  ASSERT_FALSE(AcceptClutch(e = Converter("3000", "3")));
  EXPECT_EQ(std::tuple(S.ClutchType, S.BiteRPM, S.ConverterMult, S.ClutchEngageInitialPC),
            std::tuple("T", 30.0f, 1.0f, 1.0f));
  EXPECT_NEAR(S.ClutchTorqueStatic, 407.01, 1e-3);
}

TEST_F(Clutch, DefaultsFromTheEngineCurve) {
  S.EngineSummary[0][0] = 300;
  S.EngineSummary[1][0] = 350;
  E e;
  e.TorqueLocked = "999";
  const auto defaults = [&e](const char* code, std::initializer_list<std::string E::*> boxes) {
    EXPECT_FALSE(ClutchDefaults(e, code));
    std::string all;
    for (auto b : boxes) all += e.*b + "|";
    return all;
  };
  EXPECT_EQ(defaults("C", {&E::TorqueStatic, &E::TorqueLocked, &E::EngageFinal}), "402.5lb/ft||.75|");
  EXPECT_EQ(defaults("L", {&E::TorqueLocked}), "525.0lb/ft|");  // half as much again as the strongest stage
  Cfg.PUnits = "M";
  EXPECT_EQ(defaults("C", {&E::TorqueStatic}), "546.1N/m|");
  EXPECT_EQ(defaults("S", {&E::BiteRPM, &E::LockupRPM}), "3500|5000|");
  S.EngineSummary[0][1] = 30;
  EXPECT_EQ(defaults("S", {&E::BiteRPM, &E::LockupRPM}), "2000|3000|");
  S.MaxRPMIndex = 30;
  EXPECT_EQ(defaults("S", {&E::LockupRPM}), "2500|");
  // A nitrous stage on from the start of first gear sets the stall speed, whatever its delay.
  S.NitrousSG1 = 1;
  S.NitrousDT1 = 2;
  S.EngineSummary[1][1] = 45;
  EXPECT_EQ(defaults("T", {&E::BiteRPM, &E::ConverterSlip}), "4500|3|");

  S.EngineEntered = False;
  EXPECT_EQ(ClutchDefaults(e, "C")->message, "No Power data is available to calculate clutch default settings");
}

TEST_F(Clutch, LoadTakesATypedCoefficientAsTheOtherMaterial) {
  test::SetItems({{6, 12, "N"}, {1, 4, " 0.42"}, {6, 20, "Steel"}, {6, 19, "Y"}, {1, 6, "30"}});
  E e = LoadClutchEntry();
  EXPECT_EQ(std::tuple(e.TypeText, e.Material, e.BaseMaterial, e.Feather, e.OtherFriction),
            std::tuple("Conventional", 6, 4, true, " 0.42"));
  EXPECT_FLOAT_EQ(Tbl.ClutchMaterial[6].DryFriction, 0.35f);  // the shared table keeps its figure
  EXPECT_EQ(test::Joined({e.EngageInitialPC, e.EngageInitial}), "30|.1");
  e.TorqueStatic = "300lb/ft";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.VehicleData[1][4], " 0.42");  // as stored, so the file opens again with it
  e.Material = 3;  // another material picked: its name
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.VehicleData[1][4], "Carbon fibre");
  S.VehicleData[1][4] = Tbl.ClutchMaterial[0].FrictionName;  // the first material is a material
  EXPECT_EQ(LoadClutchEntry().Material, 0);
}

}  // namespace
}  // namespace kestrelon
