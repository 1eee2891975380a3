// Scaling the curves the run uses: only the columns its gears can switch on, only the span's
// rows, the peak figures with them and their rows left where they are.
#include "power/scale_power_curve.h"

#include <gtest/gtest.h>

#include "core/state.h"

namespace kestrelon::test {
namespace {

TEST(ScalePowerCurve, ScalesTheUsedColumnsWithinTheSpanAndTheirPeaks) {
  struct Case {
    Integer stage1Gear, stage2Gear;
    int highest;
  };
  // Four gears: a stage from gear 3 is used; one from gear 10 is not.
  for (const Case c : {Case{10, 10, 0}, Case{3, 10, 1}, Case{2, 4, 2}}) {
    SCOPED_TRACE(c.highest);
    S = SharedState{};
    S.GearCount = 4;
    S.NitrousSG1 = c.stage1Gear;
    S.NitrousSG2 = c.stage2Gear;
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 60;
    for (int col = 0; col < CurveColumns; ++col) {
      for (int j = 0; j < CurveRows; ++j) S.PowerCurve[col][j] = 100;
      S.EngineSummary[col] = {100, 40, 114.2f, 60};
    }
    EXPECT_EQ(HighestCurveColumnInUse(), c.highest);
    S.PowerMaxPower = 114;
    ScalePowerCurve(1.1f);
    for (int col = 0; col < CurveColumns; ++col) {
      const Single f = col <= c.highest ? 1.1f : 1.0f;
      EXPECT_FLOAT_EQ(S.PowerCurve[col][19], 100) << col;
      EXPECT_FLOAT_EQ(S.PowerCurve[col][20], 100 * f) << col;
      EXPECT_FLOAT_EQ(S.PowerCurve[col][60], 100 * f) << col;
      EXPECT_FLOAT_EQ(S.PowerCurve[col][61], 100) << col;
      EXPECT_FLOAT_EQ(S.EngineSummary[col][0], 100 * f) << col;
      EXPECT_FLOAT_EQ(S.EngineSummary[col][2], 114.2f * f) << col;
      EXPECT_EQ(S.EngineSummary[col][1], 40);
      EXPECT_EQ(S.EngineSummary[col][3], 60);
    }
    EXPECT_EQ(S.PowerMaxPower, 114);
  }
}

}  // namespace
}  // namespace kestrelon::test
