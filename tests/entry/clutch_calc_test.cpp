#include "entry/clutch_calc.h"

#include "entry_test_support.h"

namespace kestrelon {
namespace {

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
  using E = ClutchEntry;
  static ClutchEntry Conventional() {
    return test::Typed<E>(
        {{&E::Diameter, "10in"}, {&E::Weight, "20lb"}, {&E::TorqueStatic, "400lb/ft"}});
  }
  static ClutchEntry Converter(const char* stall, const char* slip, const char* mult = "") {
    return test::Typed<E>({{&E::TypeText, "Torque converter"}, {&E::BiteRPM, stall},
                           {&E::ConverterSlip, slip}, {&E::ConverterMult, mult}});
  }
  // Refused with this message and field, and the model as it was.
  static void ExpectRefused(ClutchEntry e, const std::string& message, int field) {
    test::ExpectRefusal(AcceptClutch(e), message, field);
    EXPECT_EQ(S.ClutchType, "N");
    EXPECT_EQ(S.ClutchDiameter, 0);
    EXPECT_EQ(S.ClutchEntered, False);
    EXPECT_EQ(S.VehicleData[6][12], "");
  }
};

TEST_F(Clutch, ConventionalClutch) {
  EXPECT_EQ(ClutchWorkingCode("Wet multi-plate"), "C");  // any other type text is conventional
  EXPECT_EQ(ClutchModelCode("Wet multi-plate"), "N");
  EXPECT_EQ(ClutchModelCode("torque converter"), "T");
  EXPECT_EQ(ClutchTypeIndex(" n"), 0);
  EXPECT_EQ(ClutchTypeIndex("t"), 3);

  ClutchEntry e = Conventional();
  e.BiteRPM = "0";
  e.LockupRPM = " ";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchType, "N");
  EXPECT_EQ(S.VehicleData[6][12], "N");
  EXPECT_NEAR(S.ClutchTorqueStatic, 542.68, 0.01);
  EXPECT_EQ(S.ClutchTorqueLocked, 0);
  EXPECT_FLOAT_EQ(S.ClutchEngageInitialPC, 1.0f);
  EXPECT_EQ(S.ClutchEntered, True);
  EXPECT_NEAR(S.ClutchInertia, 0.14635, 1e-4);
  // Rpm texts of zero are stored empty.
  test::ExpectItems(
      {{6, 13, "10in"}, {1, 13, "N"}, {1, 19, "Dry"}, {6, 19, "N"}, {5, 15, ""}, {5, 16, ""}});

  e.Diameter = "";  // a blank size is accepted
  e.Weight = "";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchInertia, 0);
}

TEST_F(Clutch, SizeAndCapacityRefusals) {
  ClutchEntry e = Conventional();
  e.Diameter = "-1m";
  ExpectRefused(e, "Clutch diameter invalid ", ClutchDiameterField);
  EXPECT_EQ(AcceptClutch(e)->title, "Clutch setup");
  e.Diameter = "5";
  const auto r = AcceptClutch(e);
  EXPECT_EQ(r->message.rfind("Clutch diameter invalid \nNo unit type provided", 0), 0u);
  e = Conventional();
  e.Weight = "-2kg";
  ExpectRefused(e, "Clutch weight invalid ", ClutchWeightField);
  EXPECT_EQ(AcceptClutch(e)->title, "clutch setup");
  e = Conventional();
  e.TorqueStatic = "";
  ExpectRefused(e, "Clutch static torque not valid", ClutchNoFocusField);
  e.TorqueStatic = "400";
  EXPECT_EQ(AcceptClutch(e)->field, ClutchTorqueStaticField);
}

TEST_F(Clutch, LockupKeepsTheCapacityAddedAboveStatic) {
  ClutchEntry e = Conventional();
  e.TypeText = "Lockup";
  e.TorqueLocked = "600lb/ft";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchType, "L");
  EXPECT_NEAR(S.ClutchTorqueLocked, 200 * 1.3567, 0.01);
  e.TorqueLocked = "400lb/ft";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchTorqueLocked, 0);

  S = SharedState{};
  S.ClutchType = "N";
  e.TorqueLocked = "";
  ExpectRefused(e, "Clutch lockup torque not valid", ClutchTorqueLockedField);
}

TEST_F(Clutch, EngagementProfile) {
  ClutchEntry e = Conventional();
  e.EngageInitialPC = "100";
  e.EngageInitial = "0.1";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_FLOAT_EQ(S.ClutchEngageFinal, 0.1f) << "a blank final time takes the initial time";
  S = SharedState{};
  S.ClutchType = "N";
  for (const char* pc : {"101", "-5"}) {
    e.EngageInitialPC = pc;
    ExpectRefused(e, "Clutch initial engagement percentage not valid", ClutchEngageInitialPCField);
  }
  e.EngageInitialPC = "";
  e.EngageInitial = "-1";
  ExpectRefused(e, "Clutch initial engagement time not valid", ClutchEngageInitialField);
  e.EngageInitial = "0.5";
  e.EngageFinal = "0.4";
  ExpectRefused(e, "Clutch final engagement time not valid", ClutchEngageFinalField);
}

TEST_F(Clutch, AutomaticClutchOnlyWhereItsBoxIsOn) {
  ClutchEntry e = Conventional();
  e.Feather = true;
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchFeatherFlag, True);
  EXPECT_EQ(S.VehicleData[6][19], "Y");

  e.TypeText = "Slider";
  e.BiteRPM = "3000";
  e.LockupRPM = "5000";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.ClutchType, "S");
  EXPECT_EQ(S.ClutchFeatherFlag, False);
  EXPECT_EQ(S.VehicleData[6][19], "Y") << "a switched-off box leaves its item";
  EXPECT_LT(S.ClutchTorqueStatic, 0);
}

TEST_F(Clutch, ConverterFiguresAndTheirLimits) {
  S.PowerCurve[0][70] = 250;
  for (const char* stall : {"7000", "1999", ""})
    ExpectRefused(Converter(stall, "3"), "Converter Stall RPM not valid", BiteRPMField);
  for (const char* slip : {"0.5", "43"})
    ExpectRefused(Converter("3000", slip), "Converter Slip % not valid", ConverterSlipField);
  for (const char* mult : {"5.01", "0.5"})
    ExpectRefused(Converter("3000", "3", mult), "Converter Multiplication Factor not valid",
                  ConverterMultField);
  ClutchEntry e;
  for (const char* stall : {"2000", "6999"}) EXPECT_FALSE(AcceptClutch(e = Converter(stall, "3")));
  EXPECT_FALSE(AcceptClutch(e = Converter("3000", "42", "5")));
  ASSERT_FALSE(AcceptClutch(e = Converter("3000", "3")));
  EXPECT_EQ(S.ClutchType, "T");
  EXPECT_FLOAT_EQ(S.BiteRPM, 30);
  EXPECT_NEAR(S.ClutchTorqueStatic, 407.01, 1e-3) << "the stall torque is the static capacity";
  EXPECT_FLOAT_EQ(S.ConverterMult, 1.0f);
  EXPECT_FLOAT_EQ(S.ClutchEngageInitialPC, 1.0f);

  SetUp();
  S.PowerCurve[0][70] = 0;  // nothing to fit the converter to at the top of the curve
  ExpectRefused(Converter("3000", "3"), "Converter Stall RPM not valid", BiteRPMField);
}

TEST_F(Clutch, DefaultsFromTheEngineCurve) {
  S.EngineSummary[0][0] = 300;
  S.EngineSummary[1][0] = 350;
  ClutchEntry e;
  e.TorqueLocked = "999";
  ASSERT_FALSE(ClutchDefaults(e, "C"));
  EXPECT_EQ(test::Joined({e.TorqueStatic, e.TorqueLocked, e.EngageFinal}), "402.5lb/ft||.75");
  Cfg.PUnits = "M";
  ASSERT_FALSE(ClutchDefaults(e, "C"));
  EXPECT_EQ(e.TorqueStatic, "546.1N/m");

  ASSERT_FALSE(ClutchDefaults(e, "S"));
  EXPECT_EQ(test::Joined({e.BiteRPM, e.LockupRPM}), "3500|5000");
  S.EngineSummary[0][1] = 30;
  ASSERT_FALSE(ClutchDefaults(e, "S"));
  EXPECT_EQ(test::Joined({e.BiteRPM, e.LockupRPM}), "2000|3000");
  S.MaxRPMIndex = 30;
  ASSERT_FALSE(ClutchDefaults(e, "S"));
  EXPECT_EQ(e.LockupRPM, "2500");

  ASSERT_FALSE(ClutchDefaults(e, "T"));
  EXPECT_EQ(test::Joined({e.BiteRPM, e.ConverterSlip}), "3000|3");

  S.EngineEntered = False;
  EXPECT_EQ(ClutchDefaults(e, "C")->message,
            "No Power data is available to calculate clutch default settings");
}

TEST_F(Clutch, LoadTakesATypedCoefficientAsTheOtherMaterial) {
  test::SetItems({{6, 12, "N"}, {1, 4, " 0.42"}, {6, 20, "Steel"}, {6, 19, "Y"}, {1, 6, "30"}});
  ClutchEntry e = LoadClutchEntry();
  EXPECT_EQ(e.TypeText, "Conventional");
  EXPECT_EQ(e.Material, 6);
  EXPECT_EQ(e.BaseMaterial, 4);
  EXPECT_FLOAT_EQ(Tbl.ClutchMaterial[6].DryFriction, 0.42f);
  EXPECT_TRUE(e.Feather);
  EXPECT_EQ(test::Joined({e.EngageInitialPC, e.EngageInitial}), "30|.1");
  e.TorqueStatic = "300lb/ft";
  ASSERT_FALSE(AcceptClutch(e));
  EXPECT_EQ(S.VehicleData[1][4], "other");
}

}  // namespace
}  // namespace kestrelon
