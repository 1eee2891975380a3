#include "core/units.h"

#include <gtest/gtest.h>

#include "core/state.h"
#include "core/tables.h"

namespace kestrelon {
namespace {

const std::string LengthList =
    "\n   M   (Metres)\n   KM   (Kilometres)\n   MI   (Miles)\n   MM   (Millimetres)"
    "\n   IN   (Inches)\n   FT   (Feet)\n   CM   (Centimetres)";

class Units : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    InitTables();
  }
  // Parses and checks that the value was accepted.
  Single Accepted(const char* text, const char* type) {
    const Single v = ParseValueWithUnits(text, type);
    EXPECT_EQ(S.UnitsParseOK, 1) << text << " as " << type << ": " << S.UnitsErrorText;
    EXPECT_EQ(S.UnitsErrorText, "") << text;
    return v;
  }
  // Parses and checks that the value was refused with this message.
  Single Refused(const char* text, const char* type, const std::string& message) {
    const Single v = ParseValueWithUnits(text, type);
    EXPECT_EQ(S.UnitsParseOK, 0) << text;
    EXPECT_EQ(S.UnitsErrorText, message) << text;
    EXPECT_EQ(S.UnitsLastIndex, 0) << text;
    return v;
  }
};

TEST_F(Units, ConvertsToTheBaseUnitOfTheExpectedType) {
  EXPECT_FLOAT_EQ(Accepted("147mm", "length"), 0.147f);
  EXPECT_EQ(S.UnitsLastIndex, 11);
  EXPECT_EQ(S.UnitCode, "MM");
  EXPECT_FLOAT_EQ(Accepted(" 147 MM ", "length"), 0.147f);
  EXPECT_FLOAT_EQ(Accepted("5LB", "mass"), 2.2685f);
  EXPECT_EQ(S.UnitsLastIndex, 14);
  EXPECT_FLOAT_EQ(Accepted("5LB", "force"), 22.2535f);
  EXPECT_EQ(S.UnitsLastIndex, 15);
  EXPECT_FLOAT_EQ(Accepted("70F", "temp"), 21.1128f);
  EXPECT_FLOAT_EQ(Accepted("300K", "temp"), 27);
  EXPECT_FLOAT_EQ(Accepted("2+3*4IN", "length"), 0.508f);
  EXPECT_FLOAT_EQ(Accepted("-5MM", "length"), -0.005f);
  EXPECT_FLOAT_EQ(Accepted("1,5MM", "length"), 0.0015f);
  EXPECT_FLOAT_EQ(Accepted("0.040in", "length"), 0.001016f);
  EXPECT_FLOAT_EQ(Accepted("2gall", "volume"), 9.0744f);
  EXPECT_FLOAT_EQ(Accepted("2PINT", "volume"), 1.1343f);
  EXPECT_FLOAT_EQ(Accepted("29.5IN", "pressure"), 29.5f * 3388.7f);
  EXPECT_FLOAT_EQ(Accepted("10N/M", "torque"), 10);
  EXPECT_EQ(S.UnitsLastIndex, 39);
}

TEST_F(Units, ZeroNeedsNoUnit) {
  for (const char* text : {"", "   ", "0", "000", "0MM"}) {
    S.UnitsLastIndex = 7;
    EXPECT_EQ(Accepted(text, "length"), 0) << text;
    EXPECT_EQ(S.UnitsLastIndex, 0) << text;
  }
}

TEST_F(Units, RefusalsSayWhy) {
  EXPECT_EQ(Refused("MM", "length", "No value specified with units"), 0);
  EXPECT_EQ(Refused("0 MM", "length", "Indeterminate value specified with units"), 0);
  EXPECT_EQ(Refused("1E3MM", "length", "Indeterminate value specified with units"), 0);
  EXPECT_EQ(Refused("2 + 3MM", "length", "Indeterminate value specified with units"), 0);
  // The unconverted number comes back when only the unit is wrong.
  EXPECT_EQ(Refused("5", "length",
                    "\nNo unit type provided\n\nValid Unit types are as follows;\n" + LengthList),
            5);
  EXPECT_EQ(Refused("5XYZ", "length",
                    "\nUnrecognised or invalid unit type : XYZ\nValid Unit types are -\n" +
                        LengthList),
            5);
  EXPECT_EQ(S.UnitCode, "XYZ");
  EXPECT_EQ(Refused("5KG", "length",
                    "\nUnrecognised or invalid unit type : KG\nValid Unit types are -\n" +
                        LengthList),
            5);
}

TEST_F(Units, ANumberThatOverflowsOnceConvertedIsRefused) {
  EXPECT_EQ(Refused("99999999999999999999999999999999999999BAR", "pressure",
                    "Indeterminate value specified with units"),
            0);
}

TEST_F(Units, UnitListsFollowTheTable) {
  EXPECT_EQ(UnitTypeList("length"), LengthList);
  EXPECT_EQ(UnitTypeList("volume"),
            "\n   L   (Litres)\n   CC   (Cubic Centimetres)\n   CI   (Cubic Inches)"
            "\n   Gall   (Gallons)\n   Pint   (Pints)");
  EXPECT_EQ(UnitTypeList("Length"), "");
}

TEST_F(Units, DisplayUnitSets) {
  ApplyDisplayUnits("M");
  EXPECT_EQ(S.LengthUnitName, "metres");
  EXPECT_EQ(S.SmallLengthUnit, "cm");
  EXPECT_EQ(S.ForceFactor, 9.81f);
  EXPECT_EQ(S.SpeedUnit, "kph");
  ApplyDisplayUnits("X");  // anything but "M" is imperial
  EXPECT_EQ(S.LengthUnitName, "feet");
  EXPECT_EQ(S.LengthFactor, 3.2808333f);
  EXPECT_EQ(S.ForceUnit, "lbf");
  EXPECT_EQ(S.SpeedFactor, 0.447f);
}

TEST_F(Units, PowerUnitCarriesItsTorqueLabelAndDivisors) {
  EXPECT_EQ(S.PowerUnit, "BHP");
  EXPECT_EQ(S.TorqueUnits, "lb/ft");
  EXPECT_EQ(S.TorqueUnitDivisor, 1.0f);
  EXPECT_EQ(S.PowerUnitDivisor, 1.0f);
  ApplyPowerUnit("KW");
  EXPECT_EQ(S.PowerUnit, "KW");
  EXPECT_EQ(S.TorqueUnits, "N/m");
  EXPECT_EQ(S.TorqueUnitDivisor, 0.7371f);
  EXPECT_EQ(S.PowerUnitDivisor, 1.340183f);
  ApplyPowerUnit("BHP");
  EXPECT_EQ(S.TorqueUnits, "lb/ft");
  EXPECT_EQ(S.PowerUnitDivisor, 1.0f);
}

}  // namespace
}  // namespace kestrelon
