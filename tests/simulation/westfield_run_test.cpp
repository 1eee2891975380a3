// A whole run of the Westfield example (660 kg, about 160 BHP, street tyres), judged as a racer
// would: a quarter mile in the high 13s at a trap speed a little over 100 mph.

#include <gtest/gtest.h>

#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "simulation/calculate_performance.h"
#include "simulation/timing_points.h"
#include "support/scripted_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

class WestfieldRun : public ::testing::Test {
 protected:
  void SetUp() override { Cfg.HistoryLog = False; }
  static Single Pt(RunChannel ch, int p) { return S.RunResults[ch][CurrentRun][p]; }
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(WestfieldRun, RunsForwardWithABelievableTicketAndRepeatsExactly) {
  test::LoadWestfield(16);
  CalculatePerformance(0);
  CalcTimingPoints();
  EXPECT_EQ(S.PointCount, 1000);
  EXPECT_EQ(S.RunDone, True);
  EXPECT_EQ(S.Calculating, False);
  for (int p = 0; p <= 1000; ++p) {
    if (p > 0) {
      ASSERT_GE(Pt(PtDistance, p), Pt(PtDistance, p - 1)) << p;
    }
    ASSERT_GE(Pt(PtSpeed, p), 0.0f) << p;
    // The suspension may unload the front wheel at a shift, but it never leaves the road speed.
    ASSERT_NEAR(Pt(PtFrontWheelSpeed, p), Pt(PtSpeed, p), 0.05f) << p;
    for (int ch = 0; ch < RunChannelCount; ++ch) ASSERT_TRUE(std::isfinite(Pt(RunChannel(ch), p))) << ch << " " << p;
  }
  EXPECT_GT(Pt(PtDistance, 1000), 450.0f);  // well over a quarter mile (402 m)

  EXPECT_LT(S.Time60ft, S.Time330ft);
  EXPECT_LT(S.Time330ft, S.Time660ft);
  EXPECT_LT(S.Time660ft, S.Time1320ft);
  // Street tyres spin at the launch: a 60 ft time of 2.0 to 2.8 s.
  EXPECT_GT(S.Time60ft, 2.0f);
  EXPECT_LT(S.Time60ft, 2.8f);
  EXPECT_GT(S.Time1320ft, 13.0f);
  EXPECT_LT(S.Time1320ft, 14.5f);
  // Trap speeds in mph: about 85 at the eighth, about 100 at the quarter.
  EXPECT_GT(S.Speed660ft, 78.0f);
  EXPECT_LT(S.Speed660ft, 92.0f);
  EXPECT_GT(S.Speed1320ft, 95.0f);
  EXPECT_LT(S.Speed1320ft, 112.0f);

  // Up through all four gears near the top of the curve; the top gear is never left.
  EXPECT_EQ(S.Gear, 4);
  for (int g = 1; g <= 3; ++g) {
    EXPECT_GT(S.GearEngagedTime[CurrentRun][g], g == 1 ? 0 : S.GearEngagedTime[CurrentRun][g - 1]) << g;
    EXPECT_GT(S.GearEngagedRPM[CurrentRun][g], 65.0f) << g;
    EXPECT_LE(S.GearEngagedRPM[CurrentRun][g], 75.5f) << g;
  }
  EXPECT_EQ(S.GearEngagedTime[CurrentRun][4], 0.0f);
  EXPECT_EQ(S.GearEngagedRPM[CurrentRun][4], 75.0f);

  const RunTable first = S.RunResults;
  CalculatePerformance(0);
  for (int ch = 0; ch < RunChannelCount; ++ch)
    for (int p = 0; p <= 1000; ++p) ASSERT_EQ(first[ch][CurrentRun][p], Pt(RunChannel(ch), p)) << ch << " " << p;
}

TEST_F(WestfieldRun, FrontWheelWithoutTravelIsNotTakenForLiftedOnTheGround) {
  test::LoadWestfield(4);
  S.ChassisFTravel = 0;
  S.ChassisFRate = 0;
  S.ChassisFPrel = 0;
  S.FrontDamping = S.FrontDampingHalf = 0;
  CalculatePerformance(0);
  for (int p = 0; p <= 1000; ++p) {
    ASSERT_FLOAT_EQ(Pt(PtFrontWheelSpeed, p), Pt(PtSpeed, p)) << p;
    ASSERT_GT(Pt(PtFrontWheelLoad, p), 0.0f) << p;
  }
}

TEST_F(WestfieldRun, WheelieCarShutsTheThrottleAndTakesTheNextGearUnlessABarHoldsIt) {
  test::LoadWheelieCar(4);
  CalculatePerformance(0);
  const int count = S.WheelieCount[CurrentRun];
  ASSERT_GE(count, 1);
  const Single start = S.WheelieTime[CurrentRun][1];
  EXPECT_GT(start, 0.0f);
  // Over the limit the shift test is forced: gear 2 comes in as the wheelie begins.
  EXPECT_FLOAT_EQ(S.GearEngagedTime[CurrentRun][1], start);
  const int p = static_cast<int>(start / S.PointSpacing) + 1;
  EXPECT_FLOAT_EQ(Pt(PtThrottleOpening, p), -0.2f);
  EXPECT_GT(Pt(PtFrontWheelHeight, p) - S.FrontSuspensionExtension, 0.4f * S.ChassisWheelbase);
  // One entry per wheelie: the front came down between two of them.
  for (int n = 2; n <= count; ++n) EXPECT_GT(S.WheelieTime[CurrentRun][n], S.WheelieTime[CurrentRun][n - 1] + 0.1f);

  // With a wheelie bar the body comes to rest on the bar: the limit does not apply.
  test::LoadWheelieCar(4);
  S.ChassisWBL = 1.0f;
  S.ChassisWBH = 0.05f;
  CalculatePerformance(0);
  EXPECT_EQ(S.WheelieCount[CurrentRun], 0);
  for (int q = 0; q <= 1000; ++q) ASSERT_GT(Pt(PtThrottleOpening, q), 0.0f) << q;
}

}  // namespace
}  // namespace kestrelon
