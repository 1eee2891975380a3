// Each example's texts as the data forms will read them: every value typed with a unit parses
// for its unit type, and the values pass the forms' range checks, so that the automatic pass
// accepts every example without a message.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core/expression.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "files/example_vehicles.h"

namespace kestrelon {
namespace {

// The unit type each item with a unit code is read with.
const std::map<std::pair<int, int>, const char*> UnitTypes = {
    {{1, 2}, "length"},   {{1, 3}, "length"},   {{1, 5}, "force"},    {{1, 8}, "length"},
    {{1, 9}, "length"},   {{1, 10}, "length"},  {{1, 11}, "mass"},    {{1, 12}, "mass"},
    {{1, 20}, "length"},  {{2, 1}, "length"},   {{2, 2}, "mass"},     {{2, 3}, "length"},
    {{2, 4}, "length"},   {{2, 5}, "length"},   {{2, 6}, "length"},   {{2, 7}, "length"},
    {{2, 8}, "length"},   {{2, 9}, "rate"},     {{2, 10}, "force"},   {{3, 1}, "length"},
    {{3, 3}, "length"},   {{3, 5}, "pressure"}, {{3, 6}, "length"},   {{3, 7}, "speed"},
    {{3, 9}, "length"},   {{3, 10}, "mass"},    {{3, 11}, "length"},  {{3, 12}, "length"},
    {{3, 14}, "pressure"}, {{3, 15}, "mass"},   {{3, 16}, "torque"},  {{3, 19}, "temp"},
    {{4, 5}, "length"},   {{4, 6}, "speed"},    {{4, 7}, "length"},   {{4, 9}, "length"},
    {{4, 11}, "length"},  {{5, 1}, "area"},     {{5, 7}, "length"},   {{5, 8}, "length"},
    {{5, 11}, "length"},  {{6, 3}, "pressure"}, {{6, 4}, "temp"},     {{6, 5}, "length"},
    {{6, 6}, "mass"},     {{6, 7}, "inertia"},  {{6, 8}, "torque"},   {{6, 9}, "torque"},
    {{6, 13}, "length"},  {{6, 14}, "mass"},    {{8, 18}, "temp"},    {{9, 18}, "pressure"},
    {{9, 19}, "pressure"}, {{9, 20}, "pressure"},
};

const std::pair<int, int> GearRatio[] = {{7, 1}, {7, 4}, {7, 7}, {7, 10}, {7, 13}, {7, 16}};
const std::pair<int, int> UpshiftRpm[] = {{7, 2}, {7, 5}, {7, 8}, {7, 11}, {7, 14}, {7, 17}};

class ExampleEntryChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    InitExampleCatalogue();
  }
  const std::string& Text(int g, int i) const { return S.VehicleData[g][i]; }
  Single Value(int g, int i) const {
    return ParseValueWithUnits(Text(g, i), UnitTypes.at({g, i}));
  }
  double Plain(int g, int i) const { return LeadingNumber(Text(g, i)); }
  Single Ratio(int g, int i) const {
    Single v = 0;
    Integer error = 0;
    EvaluateExpression(Text(g, i), v, error);
    return error == 0 ? v : 0;
  }
};

TEST_F(ExampleEntryChecks, EveryExampleParsesAndPassesTheRangeChecks) {
  for (int n = 1; n <= 25; ++n) {
    SCOPED_TRACE(Tbl.ExampleKey[n]);
    S = SharedState{};
    LoadExampleVehicle(Tbl.ExampleKey[n]);
    RebuildExamplePeakSummary();
    const int lo = S.MinRPMIndex, hi = S.MaxRPMIndex;

    for (const auto& [item, type] : UnitTypes) {
      ParseValueWithUnits(Text(item.first, item.second), type);
      EXPECT_EQ(S.UnitsParseOK, 1) << item.first << "," << item.second << " "
                                   << Text(item.first, item.second) << S.UnitsErrorText;
    }

    // Chassis.
    for (auto [g, i] : {std::pair{2, 1}, {2, 2}, {2, 3}, {2, 4}}) EXPECT_GT(Value(g, i), 0) << i;
    if (Value(2, 8) > 0) {
      EXPECT_GT(Value(2, 9), 0);
    }
    // Wheels and tyres.
    EXPECT_TRUE(Value(3, 1) > 0 || Plain(3, 2) > 0);
    for (auto [g, i] : {std::pair{3, 3}, {3, 9}, {3, 10}, {3, 11}, {3, 12}, {3, 15}})
      EXPECT_GT(Value(g, i), 0) << g << "," << i;
    EXPECT_GT(Value(3, 5), 6800);
    EXPECT_GT(Value(3, 14), 6800);
    EXPECT_TRUE(Plain(3, 8) == 1 || Plain(3, 8) == 2);
    EXPECT_GE(Plain(3, 13), 1);
    if (!Text(3, 6).empty()) {
      const double d = Plain(3, 2) > 0 ? Value(3, 3) * Plain(3, 2) / 100 * 2 + Value(3, 9)
                                       : Value(3, 1);
      const double grown = Value(3, 6), speed = Value(3, 7);
      EXPECT_GT(grown, d);
      EXPECT_GE(d * speed * speed / (grown - d), 6000);
    }
    // Run set-up.
    EXPECT_GT(Plain(4, 1), 0);
    EXPECT_GT(Plain(4, 2), 0);
    EXPECT_GE(CInt(Plain(4, 3) / 100), lo);
    EXPECT_LE(CInt(Plain(4, 3) / 100), hi);
    EXPECT_GE(Plain(4, 4), 2);
    for (auto [g, i] : {std::pair{4, 9}, {4, 11}})
      if (!Text(g, i).empty()) {
        EXPECT_LE(Value(g, i), 50);
      }
    // Aerodynamics and weather.
    EXPECT_GT(Value(5, 1), 0);
    EXPECT_GT(Plain(5, 2), 0);
    if (!Text(6, 4).empty()) {
      EXPECT_LE(std::fabs(Value(6, 4)), 100);
    }
    if (!Text(4, 6).empty()) {
      EXPECT_LE(Value(4, 6), 25);
    }
    // Transmission: ratios that fall from gear to gear, shifts inside the span.
    EXPECT_GT(Ratio(6, 16), 0);
    EXPECT_GT(Ratio(6, 17), 0);
    int gears = 0;
    for (auto [g, i] : GearRatio) {
      if (Text(g, i).empty()) break;
      const Single r = Ratio(g, i);
      EXPECT_GT(r, 0);
      if (gears > 0) {
        EXPECT_LT(r, Ratio(GearRatio[gears - 1].first, GearRatio[gears - 1].second));
      }
      ++gears;
    }
    EXPECT_GE(gears, 1);
    for (int k = 0; k < gears; ++k) {
      const auto [g, i] = UpshiftRpm[k];
      if (Text(g, i).empty()) continue;
      EXPECT_GE(CInt(Plain(g, i) / 100), lo);
      EXPECT_LE(CInt(Plain(g, i) / 100), hi);
    }
    if (!Text(7, 19).empty()) {
      EXPECT_LE(Plain(7, 19), gears);
    }
    if (!Text(6, 18).empty()) {
      EXPECT_LE(Plain(6, 18), 100);
    }
    // Clutch or converter.
    const std::string type = Text(6, 12);
    const bool spec = Text(1, 13) == "Y";
    if (type != "T") {
      EXPECT_LE(Plain(1, 6), 100);
      if (!Text(6, 11).empty()) {
        EXPECT_GE(Plain(6, 11), Plain(6, 10));
      }
    }
    if (type == "N" || type == "L") {
      EXPECT_GT(Value(6, 8), 0);
    }
    if (type == "L") {
      EXPECT_GE(Value(6, 9), Value(6, 8));
    }
    if (type == "S" && !spec) {
      EXPECT_GE(Plain(5, 15), lo * 100);
      EXPECT_LT(Plain(5, 15), hi * 100);
      EXPECT_GT(Plain(5, 16), Plain(5, 15));
      EXPECT_LE(Plain(5, 16), hi * 100);
      EXPECT_NE(CInt(Plain(5, 16)) / 100, CInt(Plain(5, 15)) / 100);
    }
    if (type == "T") {
      // Locked in first gear the converter would drag the engine below its curve at the launch.
      EXPECT_NE(Text(8, 10), "Y");
      const int stall = CInt(Plain(5, 15)) / 100;
      EXPECT_GE(stall, lo);
      EXPECT_LT(stall, hi);
      EXPECT_GE(Plain(5, 17) / 100, 0.01);
      EXPECT_LT(Plain(5, 17) / 100, double(stall) / hi);
      EXPECT_GE(Plain(5, 18), 1);
      EXPECT_LE(Plain(5, 18), 5);
    }
    if (spec) {
      // A slider clutch closes by the pull of its bob-weights.
      if (type == "S") {
        EXPECT_FALSE(Text(1, 7).empty());
      }
      EXPECT_GE(Plain(1, 1), 1);
      EXPECT_GT(ParseValueWithUnits(Text(1, 3), "length"), 0);
      EXPECT_LT(ParseValueWithUnits(Text(1, 3), "length"),
                ParseValueWithUnits(Text(1, 2), "length"));
      EXPECT_NE(Text(1, 4), "(none)");
      EXPECT_NE(Text(6, 20), "(none)");
      EXPECT_FALSE(Text(6, 20).empty());
      if (!Text(1, 7).empty()) {
        for (auto [g, i] : {std::pair{1, 8}, {1, 9}, {1, 10}, {1, 11}}) {
          EXPECT_GT(Value(g, i), 0);
        }
      }
    }
    // Crankshaft inertia.
    EXPECT_TRUE((Value(6, 5) > 0 && Value(6, 6) > 0) || Value(6, 7) > 0);
    // Nitrous.
    if (!Text(8, 1).empty()) {
      EXPECT_LE(Plain(8, 1), gears);
    }
    if (!Text(8, 3).empty()) {
      EXPECT_LE(Plain(8, 3), gears);
    }
    if (Text(10, 20) == "Y") {
      EXPECT_GE(Plain(8, 3), Plain(8, 1));
    }
    if (!Text(9, 20).empty() || !Text(9, 18).empty()) {
      EXPECT_FALSE(Text(9, 19).empty());
    }
  }
}

}  // namespace
}  // namespace kestrelon
