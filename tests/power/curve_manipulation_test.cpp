// The manipulation figures: the compression and boost factors, the range check, the power
// caps, the maximum-rpm rows, and the four operations on the edited column.
#include "power/curve_manipulation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "power/curve_graph_scale.h"

namespace kestrelon {
namespace {

class CurveManipulation : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 60;
    for (int j = 20; j <= 60; ++j) S.PowerCurve[0][j] = 300;
  }
  void Range(int low, int high) {
    S.LowRPM = static_cast<Integer>(low);
    S.HighRPM = static_cast<Integer>(high);
  }
};

TEST_F(CurveManipulation, CompressionAndBoostFactors) {
  EXPECT_NEAR(CompressionFactor(10, 12), 1.0465, 0.0001);
  for (auto [cr, valid] : {std::pair{2.0f, true}, {30.0f, true}, {1.99f, false}, {30.01f, false}})
    EXPECT_EQ(CompressionRatioValid(cr), valid) << cr;
  const Single tenPSI = ParseValueWithUnits("10PSI", "pressure");
  EXPECT_NEAR(BoostFactor(101400, 0, tenPSI), 1.3876, 0.0001);
  EXPECT_FLOAT_EQ(BoostFactor(101400, 0, 0), 1);
}

TEST_F(CurveManipulation, RangeCheckNamesBothBoundsAndTakesEmptyFieldsAsTheSpanEnds) {
  RangeCheck below = CheckRPMRange(false, 1500, false, 5000, 20, 60);
  EXPECT_EQ(below.message, "Low RPM not valid - should be between  2000 and  6000");
  EXPECT_TRUE(below.lowField);
  RangeCheck above = CheckRPMRange(false, 3000, false, 6100, 20, 60);
  EXPECT_EQ(above.message, "High RPM not valid - should be between  2000 and  6000");
  EXPECT_FALSE(above.lowField);
  RangeCheck empty = CheckRPMRange(true, 0, true, 0, 20, 60);
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(std::pair(empty.low, empty.high), std::pair(Integer{2000}, Integer{6000}));
  RangeCheck reversed = CheckRPMRange(false, 5000, false, 3000, 20, 60);
  EXPECT_TRUE(reversed.message.empty());
  EXPECT_FALSE(reversed.ok);
}

TEST_F(CurveManipulation, PowerCapsAt19999AndMaximumRPMRowsKeepToTheTable) {
  EXPECT_EQ(std::tuple(ExceedsMaximumPower(19000, 999), ExceedsMaximumPower(19000, 1000),
                       ExceedsMaximumPowerByFactor(10000, 1.9999f),
                       ExceedsMaximumPowerByFactor(10000, 2)),
            std::tuple(false, true, false, true));
  for (auto [rpm, row] : {std::pair<double, std::optional<Integer>>{9050, 90}, {9150, 92},
                          {20000, 200}, {20100, std::nullopt}, {1900, std::nullopt}})
    EXPECT_EQ(MaxRPMRowFor(rpm, 20), row) << rpm;
}

TEST_F(CurveManipulation, AddingPowerAddsLessTorqueHigherUp) {
  Range(3000, 5000);
  AddPowerRange(50);
  EXPECT_NEAR(S.PowerCurve[0][30], 300 + 87.53, 0.01);
  EXPECT_NEAR(S.PowerCurve[0][50], 300 + 52.52, 0.01);
  EXPECT_EQ(std::tuple(S.PowerCurve[0][29], S.PowerCurve[0][51]), std::tuple(300, 300));
  EXPECT_EQ(S.CurvePeakValue, PowerCurveScaleMax(0));
  AddPowerRange(-1000);
  EXPECT_EQ(S.PowerCurve[0][40], 0);  // more than the row holds leaves 0
}

TEST_F(CurveManipulation, AddingPowerFromRowZeroLeavesRowZeroAlone) {
  S.PowerCurve[0][0] = 5;
  Range(0, 2000);
  AddPowerRange(50);
  EXPECT_EQ(S.PowerCurve[0][0], 5);
  EXPECT_NEAR(S.PowerCurve[0][20], 300 + 50 * 52.52 / 20, 0.01);
}

TEST_F(CurveManipulation, ConstantTorqueIsThePowerAtTheTopRow) {
  Range(2000, 6000);
  AddTorqueRange(TorqueToTopRowBHP(100, S.MaxRPMIndex));
  // 100 N m at 6000 rpm is 62.83 kW, 84.2 BHP; as torque at the top row 73.7 lb-ft.
  EXPECT_NEAR(S.PowerCurve[0][20] - 300, 100 * 60 / 95.49 / 0.74617 * 52.52 / 60, 0.01);
  EXPECT_EQ(S.PowerCurve[0][20], S.PowerCurve[0][60]);
  S.MaxRPMIndex = 0;  // no top row: nothing to add
  const auto before = S.PowerCurve;
  AddTorqueRange(50);
  EXPECT_EQ(S.PowerCurve, before);
}

TEST_F(CurveManipulation, MultiplyKeepsTheScaleTopUnlessItRaisesTheCurve) {
  Range(2000, 6000);
  S.CurvePeakValue = 1234;
  MultiplyCurve(0.9f);
  EXPECT_EQ(std::tuple(S.CurvePeakValue, S.PowerCurve[0][40]), std::tuple(1234, 270));
  MultiplyCurve(1.1f);
  EXPECT_EQ(S.CurvePeakValue, PowerCurveScaleMax(0));
}

TEST_F(CurveManipulation, ShiftUpMovesTwoRowsAndDropsWhatPassesTheTop) {
  for (int j = 20; j <= 60; ++j) S.PowerCurve[0][j] = static_cast<Single>(j);
  Range(2000, 6000);
  ShiftCurve(200);
  const auto& c = S.PowerCurve[0];
  EXPECT_EQ(std::tuple(c[20], c[21], c[22], c[60], c[61], c[62]), std::tuple(0, 0, 20, 58, 0, 0));
}

TEST_F(CurveManipulation, ShiftDownBelowTheSpanOnlyForTheNoNitrousCurve) {
  for (int c : {0, 1}) {
    SCOPED_TRACE(c);
    S.PowerCurveIndex = static_cast<Integer>(c);
    for (int j = 20; j <= 60; ++j) S.PowerCurve[c][j] = static_cast<Single>(j);
    Range(2000, 6000);
    ShiftCurve(-150);  // one row down
    EXPECT_EQ(std::tuple(S.PowerCurve[c][19], S.PowerCurve[c][20], S.PowerCurve[c][60]),
              std::tuple(c == 0 ? 20 : 0, 21, 0));
  }
}

}  // namespace
}  // namespace kestrelon
