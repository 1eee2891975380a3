#include "power/power_curve.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/state.h"

namespace kestrelon {
namespace {

class PowerCurveTest : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
};

TEST_F(PowerCurveTest, SummarySearchesTheSpanAndKeepsTheLowestRowOnTies) {
  S.MinRPMIndex = 20;
  S.MaxRPMIndex = 60;
  auto& c0 = S.PowerCurve[0];
  c0[10] = 900;  // outside the span: never a peak
  c0[30] = 300;
  c0[40] = 300;  // same torque, higher row: the lower row keeps the peak
  c0[50] = 250;  // 50 x 250 = 12500 beats 40 x 300 = 12000
  c0[55] = -400;
  UpdateEngineSummary(0);
  const auto& summary = S.EngineSummary[0];
  EXPECT_EQ(std::tuple(summary[0], summary[1], summary[3], S.PowerMaxPower),
            std::tuple(300, 30, 50, 238));
}

TEST_F(PowerCurveTest, PeakPowerOfThreeHundredLbFtAtRowFiftyComesFromColumnZero) {
  S.MinRPMIndex = 10;
  S.MaxRPMIndex = 65;
  S.PowerCurve[0][50] = 300;
  S.PowerCurve[2][50] = 600;
  UpdateEngineSummary(0);
  UpdateEngineSummary(2);
  EXPECT_NEAR(S.EngineSummary[0][2], 285.6, 0.05);
  EXPECT_EQ(S.PowerMaxPower, 286);  // the nitrous column does not change it
}

TEST_F(PowerCurveTest, ColumnWithPointsOnlyOutsideTheSpan) {
  S.MinRPMIndex = 30;
  S.MaxRPMIndex = 60;
  S.PowerCurve[1][70] = 150;
  UpdateEngineSummary(1);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(S.EngineSummary[1][k], 0.0f);
  EXPECT_EQ(PowerColumnHasData(1), True);
  S.PowerCurve[2][0] = 5;  // the margins are not part of the curve
  S.PowerCurve[2][201] = 5;
  EXPECT_EQ(PowerColumnHasData(2), False);
}

TEST_F(PowerCurveTest, RevLimitClampAndNextPointKeepToTheSpan) {
  S.MinRPMIndex = 10;
  S.MaxRPMIndex = 60;
  for (int limit : {0, 61}) {
    S.RevLimitIndex = limit;
    ClampRevLimit();
    EXPECT_EQ(S.RevLimitIndex, 60) << limit;
  }
  S.RevLimitIndex = 40;  // inside the span: kept
  ClampRevLimit();
  EXPECT_EQ(S.RevLimitIndex, 40);

  S.PowerCurveIndex = 1;
  for (int r : {30, 31, 45, 70}) S.PowerCurve[1][r] = 100;
  EXPECT_EQ(NextNonZeroPowerIndex(30), 31);  // never the start itself
  EXPECT_EQ(NextNonZeroPowerIndex(31), 45);
  EXPECT_EQ(NextNonZeroPowerIndex(45), 60);  // no later point within the span
  EXPECT_EQ(NextNonZeroPowerIndex(65), 65);  // at or above the top: the start
}

}  // namespace
}  // namespace kestrelon
