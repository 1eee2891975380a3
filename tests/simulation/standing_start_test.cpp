// A vehicle waiting on its clutch at the line: rolling resistance and drag only hold it back,
// they never push it backwards; only the track's slope can roll it back.

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/state.h"
#include "simulation/calculate_performance.h"
#include "support/scripted_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

// The Westfield with a clutch that carries nothing for the first half second, then takes up.
void LoadLateClutch() {
  test::LoadWestfield(2);
  S.ClutchEngageInitial = 0.5f;
  S.ClutchEngageInitialPC = 0;
  S.ClutchEngageFinal = 1.0f;
}

Single Pt(RunChannel ch, int p) { return S.RunResults[ch][CurrentRun][p]; }

class StandingStart : public ::testing::Test {
 protected:
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  void SetUp() override { Cfg.HistoryLog = False; }
};

TEST_F(StandingStart, StandsStillUntilTheClutchTakesUpThenMovesOnlyForward) {
  LoadLateClutch();
  CalculatePerformance(0);
  ASSERT_EQ(S.RunDone, True);
  bool moved = false;
  for (int p = 0; p <= 1000; ++p) {
    const Single t = p * S.PointSpacing;
    if (t < 0.5f) {
      ASSERT_EQ(Pt(PtSpeed, p), 0.0f) << "t " << t;
      ASSERT_EQ(Pt(PtDistance, p), 0.0f) << "t " << t;
      ASSERT_EQ(Pt(PtRearWheelSpeed, p), 0.0f) << "t " << t;
      ASSERT_EQ(Pt(PtFrontWheelSpeed, p), 0.0f) << "t " << t;
      // Standing on its wheels: the front keeps its load.
      ASSERT_GT(Pt(PtFrontWheelLoad, p), 0.0f) << "t " << t;
    }
    ASSERT_GE(Pt(PtSpeed, p), 0.0f) << "t " << t;
    ASSERT_GE(Pt(PtRearWheelSpeed, p), 0.0f) << "t " << t;
    if (p > 0) {
      ASSERT_GE(Pt(PtDistance, p), Pt(PtDistance, p - 1)) << "t " << t;
    }
    moved = moved || Pt(PtSpeed, p) > 1.0f;
  }
  EXPECT_TRUE(moved);
}

TEST_F(StandingStart, RollingResistanceHoldsItOnAGentleDownhill) {
  LoadLateClutch();
  // A grade of 32 N against a rolling resistance of about 47 N.
  S.TrackSlope = -0.005f;
  CalculatePerformance(0);
  for (int p = 0; p * S.PointSpacing < 0.5f; ++p) {
    ASSERT_EQ(Pt(PtSpeed, p), 0.0f) << "point " << p;
    ASSERT_EQ(Pt(PtDistance, p), 0.0f) << "point " << p;
  }
}

TEST_F(StandingStart, AnUphillTrackStillRollsAStandingVehicleBack) {
  LoadLateClutch();
  S.TrackSlope = 0.05f;
  CalculatePerformance(0);
  // A quarter of a second in, the clutch has carried nothing yet: the grade alone pulls it back.
  const int p = 125;
  ASSERT_LT(p * S.PointSpacing, 0.5f);
  EXPECT_LT(Pt(PtSpeed, p), -0.05f);
  EXPECT_LT(Pt(PtDistance, p), 0.0f);
}

TEST_F(StandingStart, ADownhillTrackRollsItForwardAgainstTheResistance) {
  LoadLateClutch();
  S.TrackSlope = -0.05f;
  CalculatePerformance(0);
  const int p = 125;
  ASSERT_LT(p * S.PointSpacing, 0.5f);
  EXPECT_GT(Pt(PtSpeed, p), 0.05f);
  EXPECT_GT(Pt(PtDistance, p), 0.0f);
}

}  // namespace
}  // namespace kestrelon
