#include "entry/chassis_calc.h"

#include "entry_test_support.h"

namespace kestrelon::test {
namespace {

class ChassisCalc : public EntryTest {
 protected:
  using E = ChassisEntry;
  static ChassisEntry Typical() {
    ChassisEntry e = Typed<E>({{&E::Wheelbase, "100in"}, {&E::Weight, "1000kg"}, {&E::CGL, "40in"},
                               {&E::CGH, "20in"}, {&E::FTravel, "0.1m"}, {&E::FRate, "20000n/m"},
                               {&E::FPrel, "500n"}});
    e.Damping = DampingChoice::Hard;
    return e;
  }
  ChassisBase base;
};

TEST_F(ChassisCalc, RearShareGivesTheCGDistanceInTheWheelbaseUnit) {
  ChassisEntry e = Typical();
  e.CGL = "";
  e.CGP = "60";
  ASSERT_FALSE(AcceptChassis(e, base));
  EXPECT_NEAR(S.ChassisCGL, 1.016f, 1e-5);
  EXPECT_EQ(e.CGL, "40.0IN");
  EXPECT_EQ(S.VehicleData[2][3], "40.0IN");

  // A C.G. distance that reads wins; the share is not looked at.
  e = Typical();
  e.CGP = "100";
  ASSERT_FALSE(AcceptChassis(e, base));
  EXPECT_NEAR(S.ChassisCGL, 1.016f, 1e-5);
}

TEST_F(ChassisCalc, RefusalsNameTheFieldAndAppendTheUnitReason) {
  const struct {
    void (*edit)(ChassisEntry&);
    const char* message;
    int field;
  } cases[] = {
      {[](E& e) { e.CGL = "", e.CGP = "0"; }, "Weight on rear axle should be greater than 0 and less than 100 percent",
       ChassisCGPField},
      {[](E& e) { e.CGL = "", e.CGP = "100"; },
       "Weight on rear axle should be greater than 0 and less than 100 percent", ChassisCGPField},
      {[](E& e) { e.CGL = ""; }, "Unable to determine C.G. distance from rear axle ", -1},
      {[](E& e) { e.FRate = "0n/m"; }, "Front suspension spring rate not valid ", -1},
      {[](E& e) { e.CrankL = "-1in"; }, "Crankshaft to rear axle distance is invalid ", -1},
  };
  for (const auto& c : cases) {
    ChassisEntry e = Typical();
    c.edit(e);
    const Verdict v = AcceptChassis(e, base);
    ExpectRefusal(v, c.message, c.field < 0 ? std::nullopt : std::optional<int>(c.field));
  }
  ChassisEntry e = Typical();
  e.Wheelbase = "100";
  const Verdict v = AcceptChassis(e, base);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->message.rfind("Invalid wheelbase \nNo unit type provided", 0), 0u) << v->message;
  EXPECT_EQ(v->field, ChassisWheelbaseField);
}

TEST_F(ChassisCalc, FrontDampingAndItsDivisors) {
  EXPECT_NEAR(FrontDampingOf(20000, 0.1f, 500, DampingChoice::Soft), 7905.7f / 3, 0.1f);
  // Without travel the suspension is rigid whatever else was typed.
  ChassisEntry e = Typical();
  e.FTravel = "0";
  ASSERT_FALSE(AcceptChassis(e, base));
  EXPECT_EQ(S.FrontDamping + S.ChassisFRate + S.ChassisFPrel, 0);
  EXPECT_EQ(S.VehicleData[2][9], "20000n/m");
}

TEST_F(ChassisCalc, WheelieBarsOnlyOnRearDriveWithTheBoxTicked) {
  ChassisEntry e = Typical();
  e.WBL = "60in";
  e.WBH = "2in";
  ASSERT_FALSE(AcceptChassis(e, base));
  EXPECT_NEAR(S.ChassisWBL, 1.524f, 1e-5);
  EXPECT_EQ(S.DriveType, 0);

  e.Drive = DriveLayout::FWD;
  ASSERT_FALSE(AcceptChassis(e, base));
  EXPECT_EQ(S.ChassisWBL + S.ChassisWBH, 0);
  EXPECT_EQ(S.DriveType, 2);
  ExpectItems({{2, 20, "FWD"}, {2, 6, "60in"}});

  e.Drive = DriveLayout::RWD;
  e.UseWheelieBars = false;
  ASSERT_FALSE(AcceptChassis(e, base));
  EXPECT_EQ(S.ChassisWBL, 0);
  EXPECT_EQ(S.VehicleData[7][20], "N");
}

TEST_F(ChassisCalc, LoadReadsCodesStrictly) {
  SetItems({{2, 1, "100in"}, {2, 3, "40in"}, {2, 11, "m"}, {2, 20, "awd"}});
  ChassisEntry e;
  LoadChassis(e, base);
  EXPECT_EQ(e.Damping, DampingChoice::Soft);  // a letter outside "HMSN"
  EXPECT_EQ(e.Drive, DriveLayout::RWD);
  EXPECT_TRUE(e.UseWheelieBars);  // (7,20) blank
  EXPECT_EQ(e.CGP, "60.00");
  // A rear share the C.G. cannot have leaves the distance alone.
  e.CGP = "100";
  ChassisCGP_LostFocus(e, base);
  EXPECT_EQ(e.CGL, "40in");
}

TEST_F(ChassisCalc, PresetsFollowWheelbaseWeightAndCG) {
  // A short wheelbase scales the travel down.
  EXPECT_FLOAT_EQ(PresetSuspension(SuspensionPreset::Hard, 1.55f, 1000, 1).Travel, 0.064f);
  EXPECT_FLOAT_EQ(PresetSuspension(SuspensionPreset::Medium, 1.55f, 1000, 1).Travel, 1.55f / 15);

  // 2.5 m, 1000 kg, C.G. 1.0 m ahead of the rear axle: front load 3924 N.
  ChassisEntry e = Typed<E>({{&E::Wheelbase, "2.5m"}, {&E::Weight, "1000kg"}, {&E::CGL, "1m"}});
  Cfg.DUnits = "M";
  const std::pair<SuspensionPreset, std::string> metric[] = {
      {SuspensionPreset::Hard, "100mm|118N/mm|1962N"},
      {SuspensionPreset::Medium, "167mm|59N/mm|1570N"},
      {SuspensionPreset::Soft, "250mm|31N/mm|1308N"}};
  const auto texts = [&] { return Joined({e.FTravel, e.FRate, e.FPrel}); };
  for (const auto& [preset, expected] : metric) {
    ASSERT_FALSE(ApplySuspensionPreset(e, base, preset));
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(static_cast<int>(e.Damping), static_cast<int>(preset));
  }
  Cfg.DUnits = "I";
  ASSERT_FALSE(ApplySuspensionPreset(e, base, SuspensionPreset::Hard));
  EXPECT_EQ(texts(), "3.94in|672lb/in|441lb");

  e.Weight = "";
  ExpectRefusal(ApplySuspensionPreset(e, base, SuspensionPreset::Soft), "Vehicle weight not set ",
                ChassisWeightField);
}

}  // namespace
}  // namespace kestrelon::test
