#include "entry/aero_calc.h"

#include "entry_test_support.h"

namespace kestrelon::test {
namespace {

class AeroCalc : public EntryTest {
 protected:
  static AeroEntry Car() {
    return Typed<AeroEntry>({{&AeroEntry::Area, "17sqft"}, {&AeroEntry::CD, ".55"}});
  }
  static std::string Refused(AeroEntry e) {
    const Verdict v = AcceptAero(e);
    return v ? v->message : "accepted";
  }
};

TEST_F(AeroCalc, StandardDayAndBlankWeatherGiveStandardAir) {
  AeroEntry e = Car();
  e.CL = "0.2";
  e.StandardDay = true;
  e.Press = "99999pa";
  ASSERT_EQ(Refused(e), "accepted");
  EXPECT_EQ(std::tuple(S.AeroPress, S.AeroTemp, S.HumidityFactor, S.DryDensityRatio, S.AirDensityRatio),
            std::tuple(101400.0f, 15.5f, 1.0f, 1.0f, 1.0f));
  ExpectItems({{5, 13, "Y"}, {6, 3, "99999pa"}});
  EXPECT_NEAR(S.AeroDragFactor, 0.52117f, 1e-4);
  EXPECT_NEAR(S.AeroLiftFactor, 0.52117f / 0.55f * 0.2f, 1e-4);  // lift and drag on the same area

  e.StandardDay = false;
  e.Press = "";
  ASSERT_EQ(Refused(e), "accepted");
  EXPECT_EQ(std::tuple(S.DryDensityRatio, S.StandardDay, S.VehicleData[5][13]), std::tuple(1.0f, False, "N"));
}

TEST_F(AeroCalc, AltitudeFollowsTheStandardAtmosphere) {
  AeroEntry e = Car();
  e.Alt = "1524m";
  ASSERT_EQ(Refused(e), "accepted");
  EXPECT_NEAR(S.AeroPress, 84379, 0.5);
  EXPECT_NEAR(S.AeroTemp, 5.3f, 1e-3);
  // A typed barometer reading is reduced to the track; a typed temperature stays.
  e.Press = "50700pa";
  e.Temp = "20c";
  ASSERT_EQ(Refused(e), "accepted");
  EXPECT_NEAR(S.AeroPress, 84379 / 2.0, 0.5);
  EXPECT_EQ(S.AeroTemp, 20);

  EXPECT_NEAR(StandardAtmosphereAt(0).Pressure, 101400, 1e-3);
  for (const auto& [h, verdict] : {std::pair{"-1200m", "accepted"}, {"20000m", "accepted"},
                                   {"-1201m", "Invalid altitude value "}, {"20001m", "Invalid altitude value "}}) {
    e.Alt = h;
    EXPECT_EQ(Refused(e), verdict) << h;
  }
}

TEST_F(AeroCalc, HumidityCorrection) {
  EXPECT_FLOAT_EQ(HumidityFactorOf(100, 15.5f), 0.98f);
  EXPECT_NEAR(HumidityFactorOf(50, 30), 0.98065f, 1e-5);
  EXPECT_NEAR(HumidityFactorOf(100, 100), 0.87097f, 1e-5);
  // Below freezing and above boiling the temperature counts at the ends of its range.
  EXPECT_EQ(HumidityFactorOf(100, -40), 1);
  EXPECT_FLOAT_EQ(HumidityFactorOf(100, 150), HumidityFactorOf(100, 100));

  AeroEntry e = Car();
  e.Temp = "30c";
  ASSERT_EQ(Refused(e), "accepted");
  EXPECT_NEAR(S.DryDensityRatio, 0.95215f, 1e-5);
  e.Humid = "101";
  EXPECT_EQ(Refused(e), "Invalid Relative Humidity - must be between 0 and 100%");
}

TEST_F(AeroCalc, WindComponentForEveryDirection) {
  EXPECT_FLOAT_EQ(HeadWind(10, "180"), -10);
  EXPECT_NEAR(HeadWind(10, "90"), 0, 1e-5);
  EXPECT_NEAR(HeadWind(10, "-90"), 0, 1e-5);  // a cross wind from the other side
  EXPECT_FLOAT_EQ(HeadWind(10, "450"), HeadWind(10, "90"));
  EXPECT_FLOAT_EQ(HeadWind(10, "north"), 10);

  AeroEntry e = Car();
  e.Speed = "26";
  EXPECT_EQ(Refused(e), "Wind speed too high");
  e.Speed = "20";
  EXPECT_EQ(Refused(e).rfind("Invalid wind speed ", 0), 0u);
  e.Speed = "0";
  EXPECT_EQ(Refused(e), "accepted");
  e.Speed = "10m/s";
  e.Dir = std::string(400, '9');  // past every number: no direction at all
  EXPECT_EQ(Refused(e), "Invalid wind direction");
  e.Dir = "180";
  ASSERT_EQ(Refused(e), "accepted");
  EXPECT_FLOAT_EQ(S.AeroSpeed, -10);
}

TEST_F(AeroCalc, VehicleFiguresAndAirBox) {
  const std::pair<std::string AeroEntry::*, const char*> typed[] = {
      {&AeroEntry::CD, ""}, {&AeroEntry::BoxEff, "150"}, {&AeroEntry::Area, ""}, {&AeroEntry::Temp, "-100.1c"},
      {&AeroEntry::CD, BeyondSingle}, {&AeroEntry::CL, BeyondSingle}};
  const char* refusals[] = {"Invalid drag coefficient", "Air box efficiency cannot be greater than 100 percent",
                            "Invalid frontal area ", "Invalid air temperature ",
                            "Invalid drag coefficient", "Invalid lift coefficient"};
  for (int i = 0; i < 6; ++i) {
    AeroEntry e = Car();
    e.*typed[i].first = typed[i].second;
    EXPECT_EQ(Refused(e), refusals[i]);
  }
  AeroEntry e = Car();
  e.BoxEff = "-50";
  ASSERT_EQ(Refused(e), "accepted");
  EXPECT_FLOAT_EQ(S.AeroBoxEff, -0.5f);
}

}  // namespace
}  // namespace kestrelon::test
