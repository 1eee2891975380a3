#include "entry/gear_calc.h"

#include "entry_test_support.h"

namespace kestrelon::test {
namespace {

class GearCalc : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    S.MinRPMIndex = 30;
    S.MaxRPMIndex = 80;
    S.RearTyreRadius = 0.3f;
    e.DisplayRPMIndex = 80;
    e.Primary = "1";
    e.Final = "3.77";
    e.Internal = {"2.9", "2", "1.4", "1", "", "", "", ""};
  }
  std::string Refused(bool keyboard = false) {
    const Verdict v = AcceptGears(e, keyboard);
    return v ? v->message : "accepted";
  }
  GearsEntry e;
};

TEST_F(GearCalc, RatiosAsNumbersExpressionsAndToothPairs) {
  for (const auto& [text, value] : {std::pair{"3.5:1", 3.5f}, {"1:1", 1.0f}, {"17:37", 37.0f / 17},
                                    {"37/17", 37.0f / 17}, {"0:37", 0.0f}, {"abc", 0.0f}})
    EXPECT_FLOAT_EQ(ParseRatio(text).value, value) << text;
  EXPECT_GT(ParseRatio("abc").errorCode, 0);
  EXPECT_EQ(ParseRatio(std::string("1:") + BeyondSingle).errorCode, 1);
  e.Internal[0] = "17 : 37";
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_EQ(Joined({e.Internal[0], S.VehicleData[7][1]}), "17:37|17:37");
}

TEST_F(GearCalc, DriveRatiosAndEfficiency) {
  // {primary, final, efficiency, refusal}; a primary of 0 is direct, efficiencies of 0 or 100 are 1.
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"0", "3.77", "0", "accepted"},   {"", "3.77", "", "Primary drive ratio Invalid"},
      {"1", "0", "", "Final drive ratio Invalid"}, {"1", "3.77", "", "accepted"},
      {"1", "3.77", "100", "accepted"}, {"1", "3.77", "101", "Invalid Transmission Efficiency"}};
  for (const auto& [primary, final, eff, refusal] : cases) {
    e.Primary = primary, e.Final = final, e.Eff = eff;
    EXPECT_EQ(Refused(), refusal) << primary << final << eff;
    if (refusal == std::string("accepted")) {
      EXPECT_EQ(std::tuple(S.TransPrimary, S.TransEff), std::tuple(1.0f, 1.0f));
    }
  }
  e.Eff = "90";
  S.TyreGrowthSpeed = 40, S.TyreGrowthDia = 0.8f;  // the tyre's growth speed as engine rpm in each gear
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_FLOAT_EQ(S.TransEff, 0.9f);
  EXPECT_NEAR(S.GearGrowthRPM[1], 10440, 1);  // 10.933 overall x 40 m/s over a 0.8 m tyre
  S.GearOverall[GearRows] = 1, S.TyreGrowthSpeed = 0.8f;  // the top gear too, and a slow growth speed
  WorkOutGearGrowthRPM();
  EXPECT_NEAR(S.GearGrowthRPM[GearRows], 19.1, 0.01);  // 0.8 m/s over a 0.8 m tyre, in wheel rpm
  // Without a growth speed, or without a grown diameter, no gear has a growth speed.
  for (const auto& [speed, dia] : {std::pair{0.0f, 0.8f}, {40.0f, 0.0f}}) {
    S.TyreGrowthSpeed = speed, S.TyreGrowthDia = dia;
    WorkOutGearGrowthRPM();
    EXPECT_EQ(S.GearGrowthRPM[1], 0) << speed << " " << dia;
  }
}

TEST_F(GearCalc, AGapEndsTheGearbox) {
  e.Internal = {"3", "2.5", "2", "1.5", "", "1", "", ""};
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_EQ(S.GearCount, 4);
  EXPECT_EQ(S.GearInternal[6] + S.GearOverall[6], 0);
  EXPECT_EQ(S.VehicleData[7][16], "1");  // its text is still stored

  e.Internal = {"8", "7", "6", "5", "4", "3", "2", "1"};  // every row: eight gears
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_EQ(S.GearCount, 8);
  ExpectItems({{10, 11, "2"}, {10, 14, "1"}});  // gears 7 and 8 are kept in group 10

  e.Internal = {"3", "2", "2", "", "", "", "", ""};
  ExpectRefusal(AcceptGears(e, false), "Gear 3 is lower than or the same as gear 2",
                GearInternalField + 2);

  e.Internal = {"", "2", "", "", "", "", "", ""};
  EXPECT_EQ(Refused(), "No gear ratios entered");
  e.Internal = {"3", "2x", "", "", "", "", "", ""};
  EXPECT_EQ(Refused(), "Gear ratio  2invalid");
  EXPECT_EQ(S.GearCount, 0);
}

TEST_F(GearCalc, UpshiftRows) {
  e.RPM[0] = "8050";
  e.RPM[1] = "7950";
  e.RPM[2] = "";
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_EQ(S.GearRPM[1], 80);
  EXPECT_EQ(S.GearRPM[2], 80);
  EXPECT_EQ(S.GearRPM[3], 0);
  e.RPM[0] = "8150";
  // Above the top of the curve the racer is asked; OK keeps it, Cancel refuses.
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_EQ(S.GearRPM[1], 82);
  ExpectAsked(seam.asked, 1, "Upshift RPM higher than Maximum engine RPM", "Transmission Data", 33);

  // Blanks inside a typed rpm are skipped, not where the number stops.
  seam.asked.clear();
  e.RPM[0] = "8 050";
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_EQ(S.GearRPM[1], 80);
  e.RPM[0] = "2000";
  EXPECT_EQ(Refused(), "Upshift RPM too low");
  e.RPM[0] = "", e.RPM[2] = "2000";
  ExpectRefusal(AcceptGears(e, false), "Upshift RPM too low", GearRPMField + 2);
  e.RPM[2] = "";
  // Rows that do not fit a 16-bit whole number are refused, F2 or not.
  e.RPM[1] = "3276800";
  ExpectRefusal(AcceptGears(e, true), "Upshift RPM higher than Maximum engine RPM", GearRPMField + 1);
  e.RPM[0] = "-3276900";
  EXPECT_EQ(Refused(true), "Upshift RPM too low");
}

TEST_F(GearCalc, UpshiftTimesAndTopGear) {
  S.VehicleData[10][18] = "Y";  // no power shift now
  e.UpshiftDefault = ".5";
  e.Sec[0] = "0.5";
  e.Sec[1] = "0.9";  // within the first second too
  EXPECT_EQ(Refused(), "Cannot upshift until previous shift is complete");
  e.Sec[1] = "1.01";
  e.Change[3] = "0.3";
  e.Sec[3] = "9";
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_FLOAT_EQ(S.GearChange[2], 0.5f);
  EXPECT_EQ(S.GearChange[4] + S.GearSec[4], 0);  // the top gear has no upshift
  ExpectItems({{10, 17, ".5"}, {10, 18, ""}});
  e.Change[1] = "-1";
  ExpectRefusal(AcceptGears(e, false), "Upshift Duration Invalid", GearChangeField + 1);
  e.Change[1] = BeyondSingle;
  ExpectRefusal(AcceptGears(e, false), "Upshift Duration Invalid", GearChangeField + 1);
  e.Change[1] = "", e.Sec[2] = BeyondSingle;
  ExpectRefusal(AcceptGears(e, false), "Upshift point Invalid", GearSecField + 2);
  e.UpshiftDefault = BeyondSingle;
  ExpectRefusal(AcceptGears(e, false), "Invalid Upshift duration", GearUpshiftDefaultField);
}

TEST_F(GearCalc, StartingGearAndLockups) {
  for (const char* start : {"0", "-2", ""}) {
    e.Start = start;
    ASSERT_EQ(Refused(), "accepted");
    EXPECT_EQ(S.TransStart, 1);
  }
  for (const char* start : {"5", "99999999"}) {
    e.Start = start;
    EXPECT_EQ(Refused(), "Starting gear invalid") << start;
  }
  e.Start = "4";  // the top gear itself
  e.Lockup[1] = true;
  ASSERT_EQ(Refused(), "accepted");
  EXPECT_EQ(S.GearLockup[1], True);
  ExpectItems({{8, 11, "Y"}, {8, 10, ""}, {7, 19, "4"}});
}

TEST_F(GearCalc, SpeedColumn) {
  EXPECT_EQ(GearSpeedHeading(80), "MPH at  8000 RPM");
  S.MaxRPMIndex = 0;
  EXPECT_EQ(DisplayRPMIndexNow(), 100);
  Cfg.DUnits = "M";
  EXPECT_EQ(GearSpeedHeading(100), "Km/h at  10000 RPM");
  Cfg.DUnits = "I";
  S.TransPrimary = 1;
  S.TransFinal = 3.77f;
  RecalcGearTable(e, 100);
  // 80 rows x 23.425 x 0.3 m / 3.77: about 149 mph in top gear.
  EXPECT_EQ(Joined({e.SpeedCaption[3], e.SpeedCaption[4]}), "149.12| ");
}

}  // namespace
}  // namespace kestrelon::test
