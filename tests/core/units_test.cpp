#include "core/units.h"

#include <gtest/gtest.h>

#include <tuple>

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
  EXPECT_EQ(std::tuple(S.UnitsLastIndex, S.UnitCode), std::tuple(11, "MM"));
  EXPECT_FLOAT_EQ(Accepted(" 147 MM ", "length"), 0.147f);
  EXPECT_FLOAT_EQ(Accepted("5LB", "mass"), 2.2685f);
  EXPECT_EQ(S.UnitsLastIndex, 14);
  EXPECT_FLOAT_EQ(Accepted("5LB", "force"), 22.2535f);
  EXPECT_EQ(S.UnitsLastIndex, 15);
  using Row = std::tuple<const char*, const char*, Single>;
  for (const auto& [text, type, expected] :
       std::initializer_list<Row>{{"70F", "temp", 21.1128f},
                                  {"300K", "temp", 27},
                                  {"2+3*4IN", "length", 0.508f},
                                  {"-5MM", "length", -0.005f},
                                  {"1,5MM", "length", 0.0015f},
                                  {"0.040in", "length", 0.001016f},
                                  {"2gall", "volume", 9.0744f},
                                  {"2PINT", "volume", 1.1343f},
                                  {"29.5IN", "pressure", 29.5f * 3388.7f}})
    EXPECT_FLOAT_EQ(Accepted(text, type), expected) << text;
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
  for (const char* text : {"0 MM", "1E3MM", "2 + 3MM"})
    EXPECT_EQ(Refused(text, "length", "Indeterminate value specified with units"), 0);
  // The unconverted number comes back when only the unit is wrong.
  EXPECT_EQ(Refused("5", "length",
                    "\nNo unit type provided\n\nValid Unit types are as follows;\n" + LengthList),
            5);
  for (const std::string unit : {"XYZ", "KG"}) {
    const std::string message =
        "\nUnrecognised or invalid unit type : " + unit + "\nValid Unit types are -\n" + LengthList;
    EXPECT_EQ(Refused(("5" + unit).c_str(), "length", message), 5);
    EXPECT_EQ(S.UnitCode, unit);
  }
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
  EXPECT_EQ(std::tuple(S.LengthUnitName, S.SmallLengthUnit, S.ForceFactor, S.SpeedUnit),
            std::tuple("metres", "cm", 9.81f, "kph"));
  ApplyDisplayUnits("X");  // anything but "M" is imperial
  EXPECT_EQ(std::tuple(S.LengthUnitName, S.LengthFactor, S.ForceUnit, S.SpeedFactor),
            std::tuple("feet", 3.2808333f, "lbf", 0.447f));
}

TEST_F(Units, PowerUnitCarriesItsTorqueLabelAndDivisors) {
  const auto units = [] {
    return std::tuple(S.PowerUnit, S.TorqueUnits, S.TorqueUnitDivisor, S.PowerUnitDivisor);
  };
  const auto bhp = std::tuple("BHP", "lb/ft", 1.0f, 1.0f);
  EXPECT_EQ(units(), bhp);
  ApplyPowerUnit("KW");
  EXPECT_EQ(units(), std::tuple("KW", "N/m", 0.7371f, 1.340183f));
  ApplyPowerUnit("BHP");
  EXPECT_EQ(units(), bhp);
}

}  // namespace
}  // namespace kestrelon
