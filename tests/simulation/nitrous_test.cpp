// Nitrous stage timing, bottle-pressure factor and the power ratio of a nitrous flow.

#include <gtest/gtest.h>

#include "core/state.h"
#include "simulation/nitrous.h"

namespace kestrelon {
namespace {

TEST(NitrousStage, StageComesOnItsDelayAfterItsGear) {
  S = SharedState{};
  S.NitrousSG1 = 2;
  S.NitrousDT1 = 0.5f;
  S.GearEngagedTime[CurrentRun][1] = 3.0f;  // gear 2 engaged at 3.0 s
  EXPECT_EQ(NitrousStageAt(2, 3.4f), 0);
  EXPECT_EQ(NitrousStageAt(2, 3.5f), 1);
  EXPECT_EQ(NitrousStageAt(2, 0), 1);
  EXPECT_EQ(NitrousStageAt(1, 0), 0);
  // Both stages from gear 1 without delays: the second wins from the first step.
  S.NitrousSG1 = S.NitrousSG2 = 1;
  S.NitrousDT1 = 0;
  EXPECT_EQ(NitrousStageAt(1, 0.002f), 2);
}

TEST(NitrousPressure, FactorFollowsTheBottleAndNeverGoesNegative) {
  S = SharedState{};
  S.N2PowerPressure = 1000;
  S.N2RunPressure = 1100;
  EXPECT_NEAR(NitrousPressureFactorAt(0), 1.21f, 1e-5f);
  S.N2RunPressure = 900;
  EXPECT_NEAR(NitrousPressureFactorAt(0), 0.9f, 1e-6f);
  S.N2DropPressure = 100;
  EXPECT_NEAR(NitrousPressureFactorAt(4), 0.5f, 1e-6f);
  EXPECT_EQ(NitrousPressureFactorAt(20), 0.0f);  // an empty bottle gives nothing, not less
}

TEST(NitrousPower, RatioOfAKnownEngine) {
  S = SharedState{};
  S.AeroTemp = 15.5f;
  S.DryDensityRatio = 1;
  // 5.7 L at 6000 rpm breathes 285 L/s.
  EXPECT_FLOAT_EQ(CalcNitrousPower(5.7f, 0, 100, 6000), 1.0f);
  EXPECT_NEAR(CalcNitrousPower(5.7f, 50, 100, 6000), 1.190f, 0.002f);
  EXPECT_NEAR(CalcNitrousPower(5.7f, 100, 100, 6000), 1.381f, 0.002f);
  EXPECT_NEAR(CalcNitrousPower(5.7f, 200, 100, 6000), 1.766f, 0.002f);
  // An over-rich charge loses power again: the ratio folds back below 1.9.
  const Single rich = CalcNitrousPower(5.7f, 300, 100, 6000);
  EXPECT_LT(rich, 1.9f);
  EXPECT_GT(rich, 1.0f);
  // No engine to feed: no ratio can be formed.
  EXPECT_EQ(CalcNitrousPower(0, 50, 100, 6000), 0.0f);
}

}  // namespace
}  // namespace kestrelon
