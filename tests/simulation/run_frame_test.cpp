// The run's frame: recording plan, progress and cancel through the seam, the end-of-run window
// requests, re-entrancy, a stalled engine, and inputs that must not produce non-numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "simulation/calculate_performance.h"
#include "support/scripted_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

// Records the run's window requests; can press Cancel at a chosen point.
class RunUi : public test::ScriptedUi {
 public:
  std::vector<int> progress;
  std::vector<bool> progressShown;
  int cancelAtPoint = -1;
  bool graphOpen = false;
  int simDisplayShown = 0;

  void ShowRunProgress(bool show) override { progressShown.push_back(show); }
  void SetRunProgress(int n) override {
    progress.push_back(n);
    if (n == cancelAtPoint) S.CancelFlag = 1;
  }
  bool RefreshRunGraph() override { return graphOpen; }
  void ShowSimDisplay() override { ++simDisplayShown; }
};

class RunFrame : public ::testing::Test {
 protected:
  void SetUp() override { Cfg.HistoryLog = False; }
  RunUi seam;
  test::ScopedUi guard{seam};
};

bool AllFinite() {
  for (int ch = 0; ch < RunChannelCount; ++ch)
    for (int p = 0; p <= LastRunPoint; ++p)
      if (!std::isfinite(S.RunResults[ch][CurrentRun][p])) return false;
  return std::isfinite(S.Speed) && std::isfinite(S.Distance) && std::isfinite(S.EngineSpeed);
}

TEST_F(RunFrame, RecordingPlanForShortEvenAndUnevenRuns) {
  test::LoadWestfield(2);  // every step recorded
  CalculatePerformance(1);
  EXPECT_EQ(S.PointCount, 1000);
  EXPECT_FLOAT_EQ(S.PointSpacing, 0.002f);
  ASSERT_EQ(seam.progress.size(), 1000u);
  EXPECT_EQ(seam.progress.front(), 1);
  EXPECT_EQ(seam.progress.back(), 1000);
  EXPECT_EQ(seam.progressShown, (std::vector<bool>{true, false}));
  EXPECT_FLOAT_EQ(S.RunResults[PtSpeed][CurrentRun][1000], S.Speed);  // the last step's state

  test::LoadWestfield(60);  // every thirtieth step
  CalculatePerformance(0);
  EXPECT_EQ(S.PointCount, 1000);
  EXPECT_FLOAT_EQ(S.PointSpacing, 0.06f);
  EXPECT_FLOAT_EQ(S.RunTime, 60.0f);
  EXPECT_FLOAT_EQ(S.RunResults[PtDistance][CurrentRun][1000], S.Distance);

  test::LoadWestfield(1);  // 500 steps: every step recorded at the step's spacing
  CalculatePerformance(0);
  EXPECT_EQ(S.PointCount, 500);
  EXPECT_FLOAT_EQ(S.PointSpacing, 0.002f);

  test::LoadWestfield(3);  // 1500 steps are no multiple of 1000
  CalculatePerformance(0);
  EXPECT_LE(S.PointCount, 1000);
  EXPECT_GE(S.PointCount, 700);
  EXPECT_NEAR(S.PointCount * S.PointSpacing, 3.0f, 1e-4f);
  EXPECT_FLOAT_EQ(S.RunResults[PtDistance][CurrentRun][S.PointCount], S.Distance);
}

TEST_F(RunFrame, CancelStopsAfterTheStepWithOneMessage) {
  test::LoadWestfield(16);
  S.RunDone = False;
  seam.cancelAtPoint = 100;
  CalculatePerformance(1);
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Calculation cancelled at user request");
  EXPECT_EQ(seam.asked[0].style, Msg::Question);
  EXPECT_EQ(seam.asked[0].title, "Performance Calculator");
  EXPECT_EQ(S.PointCount, 100);
  EXPECT_EQ(S.RunDone, False);
  EXPECT_EQ(S.CancelFlag, 0);
  EXPECT_EQ(S.Calculating, False);

  // A completed run before the cancelled one stays marked as done.
  S.RunDone = True;
  seam.asked.clear();
  CalculatePerformance(1);
  EXPECT_EQ(S.RunDone, True);
  EXPECT_EQ(seam.asked.size(), 1u);
}

TEST_F(RunFrame, EndOfRunRefreshesTheGraphOrOpensTheDisplayOptionsAndNoRunRunsInsideARun) {
  test::LoadWestfield(2);
  S.Calculating = True;
  CalculatePerformance(0);
  EXPECT_EQ(S.PointCount, 0);
  EXPECT_EQ(S.RunDone, False);
  EXPECT_EQ(seam.simDisplayShown, 0);

  S.Calculating = False;
  CalculatePerformance(0);
  EXPECT_TRUE(seam.progressShown.empty());  // no progress window without progress
  EXPECT_TRUE(seam.progress.empty());
  EXPECT_EQ(seam.simDisplayShown, 1);
  EXPECT_EQ(S.NewRunPending, True);
  EXPECT_EQ(S.GraphDynRecalc, True);
  EXPECT_EQ(S.CalcRequested, False);

  seam.graphOpen = true;
  CalculatePerformance(0);
  EXPECT_EQ(seam.simDisplayShown, 1);
  EXPECT_EQ(S.NewRunPending, True);
}

TEST_F(RunFrame, StalledEngineKeepsSteppingToTheEnd) {
  test::LoadWestfield(2);
  S.LaunchRPM = 0;
  CalculatePerformance(0);
  EXPECT_EQ(S.PointCount, 1000);
  EXPECT_EQ(S.RunDone, True);
  EXPECT_EQ(S.Distance, 0.0f);
  EXPECT_TRUE(AllFinite());
}

// A clutch that carries nothing for the first half second: resistance and drag only hold the
// standing car back, never push it backwards; only the track's slope can roll it.
TEST_F(RunFrame, StandingCarIsNotPushedBackByItsResistanceButRollsOnASlope) {
  auto runWithLateClutch = [](Single slope) {
    test::LoadWestfield(2);
    S.ClutchEngageInitial = 0.5f;
    S.ClutchEngageInitialPC = 0;
    S.ClutchEngageFinal = 1.0f;
    S.AeroSpeed = 10;  // a head wind blows at the standing car
    S.TrackSlope = slope;
    CalculatePerformance(0);
  };
  auto pt = [](RunChannel ch, int p) { return S.RunResults[ch][CurrentRun][p]; };
  runWithLateClutch(0);
  ASSERT_EQ(S.RunDone, True);
  for (int p = 0; p <= 1000; ++p) {
    if (p < 250) {  // before 0.5 s
      ASSERT_EQ(pt(PtSpeed, p), 0.0f) << p;
      ASSERT_EQ(pt(PtDistance, p), 0.0f) << p;
      ASSERT_EQ(pt(PtRearWheelSpeed, p), 0.0f) << p;
      ASSERT_EQ(pt(PtFrontWheelSpeed, p), 0.0f) << p;
      ASSERT_GT(pt(PtFrontWheelLoad, p), 0.0f) << p;  // standing on its wheels
    }
    ASSERT_GE(pt(PtSpeed, p), 0.0f) << p;
    ASSERT_GE(pt(PtRearWheelSpeed, p), 0.0f) << p;
    if (p > 0) {
      ASSERT_GE(pt(PtDistance, p), pt(PtDistance, p - 1)) << p;
    }
  }
  EXPECT_GT(S.Speed, 1.0f);

  runWithLateClutch(-0.005f);  // a grade of 32 N against a rolling resistance of about 47 N
  for (int p = 0; p < 250; ++p) ASSERT_EQ(pt(PtDistance, p), 0.0f) << p;
  runWithLateClutch(0.05f);  // a quarter of a second in, the grade alone pulls it back
  EXPECT_LT(pt(PtSpeed, 125), -0.05f);
  EXPECT_LT(pt(PtDistance, 125), 0.0f);
  runWithLateClutch(-0.05f);  // or forward against the resistance
  EXPECT_GT(pt(PtSpeed, 125), 0.05f);
  EXPECT_GT(pt(PtDistance, 125), 0.0f);
}

TEST_F(RunFrame, EmptyOrBrokenModelsGiveNumbersNotFaults) {
  S = SharedState{};
  S.LaunchTime = 2;
  CalculatePerformance(0);
  EXPECT_TRUE(AllFinite());

  test::LoadWestfield(2);
  S.ChassisWheelbase = 0;
  S.ChassisCGL = 0;
  S.InertiaCrank = 0;
  S.EngineInertia = 0;
  S.TyrePress = 1;  // a contact patch longer than the tyre
  S.RearWheelInertia = 0;
  S.FrontWheelInertia = 0;
  CalculatePerformance(0);
  EXPECT_TRUE(AllFinite());

  test::LoadWestfield(2);
  S.ClutchType = "T";  // a converter with no law: nothing turns
  S.LaunchRPM = 0;
  CalculatePerformance(0);
  EXPECT_TRUE(AllFinite());
}

TEST_F(RunFrame, SlipVerdictComparesThisRunsSlipOnly) {
  test::LoadWestfield(4);
  S.EstGearAdjust = True;
  CalculatePerformance(0);  // street tyres spin hard at the launch
  EXPECT_EQ(S.EstGearingHint, 1);

  S.TyreMu = 5;  // now they hardly slip at all
  CalculatePerformance(0);
  EXPECT_EQ(S.EstGearingHint, -1);
}

}  // namespace
}  // namespace kestrelon
