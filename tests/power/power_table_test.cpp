// The power table: the order of its points, the straight lines onto whole hundreds, the
// torques derived from powers, the unit round trip and the refusal of a negative torque.
#include "power/power_table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/state.h"

namespace kestrelon {
namespace {

class PowerTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.MinRPMIndex = 40;
    S.MaxRPMIndex = 80;
    for (int j = 1; j <= 200; ++j) S.PowerCurve[0][j] = 7;
  }
  void Point(int row, Long rpm, Single torque, Single power = 0) {
    table.TableRPM[row] = rpm;
    table.TableTorque[row] = torque;
    table.TablePower[row] = power;
  }
  PowerTable table;
};

TEST_F(PowerTableTest, InterpolatesOntoWholeHundredsBetweenPoints) {
  // Typed out of order; 3050 and 3200 write rows 31 and 32, 3200 to 3300 row 33.
  Point(5, 3200, 220);
  Point(2, 3050, 200);
  Point(9, 3300, 230);
  EXPECT_EQ(WritePowerTable(table, 0, true), std::nullopt);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][31], 200 + 50 * 20 / 150.0f);
  // Rows 30 and 34 are erased, outside the typed span.
  const auto& c = S.PowerCurve[0];
  EXPECT_EQ(std::tuple(c[30], c[32], c[33], c[34], S.MinRPMIndex), std::tuple(0, 220, 230, 0, 31));
}

TEST_F(PowerTableTest, PairsWithinOneHundredOrOneRowWriteNothing) {
  Point(0, 3000, 200);
  Point(1, 3050, 210);
  EXPECT_EQ(WritePowerTable(table, 0, false), std::nullopt);
  EXPECT_EQ(S.PowerCurve[0][30], 7);
  table = PowerTable{};
  Point(0, 4500, 200);  // a single point
  WritePowerTable(table, 0, true);
  for (int j = 1; j <= 200; ++j) ASSERT_EQ(S.PowerCurve[0][j], 0) << j;
  // Without erasing, rows outside the points keep their values.
  table = PowerTable{};
  S.PowerCurve[0].fill(7);
  Point(0, 3000, 200);
  Point(1, 3100, 210);
  WritePowerTable(table, 0, false);
  EXPECT_EQ(std::tuple(S.PowerCurve[0][29], S.PowerCurve[0][30], S.PowerCurve[0][31],
                       S.PowerCurve[0][32]),
            std::tuple(7.0f, 200.0f, 210.0f, 7.0f));
}

TEST_F(PowerTableTest, PowerWithoutTorqueGetsItsTorqueAndMetricUnitsAreConverted) {
  table.TorqueFactor = TableTorqueFactorNm;
  table.PowerFactor = TablePowerFactorKW;
  Point(0, 5000, 0, 200);  // 200 kW at 5000 rpm
  Point(1, 5100, 400);     // 400 N m
  WritePowerTable(table, 0, true);
  const Single nm = 200 * TablePowerFactorKW * 5252 / (TableTorqueFactorNm * 5000);
  EXPECT_FLOAT_EQ(table.TableTorque[0], nm);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][50], nm * TableTorqueFactorNm);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][51], 400 * TableTorqueFactorNm);
}

TEST_F(PowerTableTest, NegativeTorqueNamesItsRowAndWritesNothing) {
  const CurveTable before = S.PowerCurve;
  Point(0, 3000, 200);
  Point(7, 3500, 0, -5);  // a negative power gives a negative torque
  EXPECT_EQ(WritePowerTable(table, 0, true), std::optional<int>(7));
  EXPECT_EQ(S.PowerCurve, before);
}

// OK checks each row, in the table's own order, as leaving its cells does: a speed above the
// curve's top, or one below 100 that leaves its row unused, is refused as leaving it would be.
TEST_F(PowerTableTest, FirstRefusedRowChecksEveryCellAsLeavingItWould) {
  Point(0, 3000, 200);
  Point(90, 5000, 0, 20001);
  for (const Long rpm : {8001, 99}) {  // just past the curve's top and just below 100 rpm
    Point(40, rpm, 100);
    const RowRefusal refused = FirstRefusedRow(table).value();
    EXPECT_EQ(std::pair(refused.row, refused.cell), std::pair(40, TableCell::RPM));
  }
  Point(40, 8000, 13130);  // 20,000 BHP exactly
  EXPECT_EQ(std::string(FirstRefusedRow(table).value().message), "Kestrelon cannot handle that much power");
  Point(90, 0, 0);
  Point(41, 100, 1);  // the lowest speed the table takes
  EXPECT_EQ(FirstRefusedRow(table), std::nullopt);
}

// Leaving a cell fills the other (runs) only where it should; 20,000 BHP, the last two in KW / N m.
TEST_F(PowerTableTest, LeavingACellFillsTheOtherOnlyWhereItShould) {
  using C = TableCell;
  const std::tuple<TablePoint, TableCell, bool, const char*> cases[] = {
      {{3000, 0.5f, 0}, C::Power, true, nullptr},     {{3000, 20000, 0}, C::Power, true, nullptr},
      {{3000, 0, 0}, C::Power, false, nullptr},       {{3000, 100, 0}, C::Torque, false, nullptr},
      {{3000, 100, 0.5f}, C::Power, false, nullptr},  {{3000, 100, 0.5f}, C::Torque, true, nullptr},
      {{3000, 14924, 0}, C::Power, true, TooMuchPowerText}, {{8000, 0, 17814}, C::Torque, true, TooMuchTorqueText}};
  for (int i = 0; const auto& [point, cell, ran, refusal] : cases) {
    if (i++ == 6) table.TorqueFactor = TableTorqueFactorNm, table.PowerFactor = TablePowerFactorKW;
    const CellCheck check = CheckCell(table, point, cell);
    // The refusal's text, not where it is kept: one message may be held once per file.
    const auto text = [](const char* s) { return std::string(s ? s : "none"); };
    EXPECT_EQ(std::tuple(check.ran, text(check.refusal)), std::tuple(ran, text(refusal))) << i;
  }
}

TEST_F(PowerTableTest, UnitRoundTripGivesTheRowsBack) {
  Point(0, 3000, 250.5f, 143.1f);
  Point(1, 50, 9, 9);  // not in use: emptied
  Point(2, 4000, -3, 0);
  const PowerTable start = table;
  ConvertRowUnits(table, true);
  EXPECT_FLOAT_EQ(table.TableTorque[0], 250.5f / TableTorqueFactorNm);
  ConvertRowUnits(table, false);
  EXPECT_NEAR(table.TableTorque[0], start.TableTorque[0], 1e-4);
  EXPECT_NEAR(table.TablePower[0], start.TablePower[0], 1e-4);
  EXPECT_EQ(std::pair(table.TableTorque[1], table.TablePower[1]), std::pair(0.0f, 0.0f));
  EXPECT_EQ(table.TableTorque[2], -3);
}

TEST(PowerTableText, CellTexts) {
  EXPECT_EQ(TableValueText(250.5f), "250.50");
  EXPECT_EQ(TableValueText(0.5f), "0.50");
  EXPECT_EQ(TableValueText(1234.56f), "1234.6");
}

TEST_F(PowerTableTest, HugeSpeedsStayInsideTheCurve) {
  Point(0, 19950, 200);
  Point(1, 2000000000, 300);
  WritePowerTable(table, 0, true);
  EXPECT_GT(S.PowerCurve[0][200], 0);
  EXPECT_EQ(S.PowerCurve[0][201], 0);
}

}  // namespace
}  // namespace kestrelon
