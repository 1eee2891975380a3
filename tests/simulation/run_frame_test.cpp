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

TEST_F(RunFrame, TwoSecondsRecordEveryStepSixtySecondsEveryThirtieth) {
  test::LoadWestfield(2);
  CalculatePerformance(1);
  EXPECT_EQ(S.PointCount, 1000);
  EXPECT_FLOAT_EQ(S.PointSpacing, 0.002f);
  ASSERT_EQ(seam.progress.size(), 1000u);
  EXPECT_EQ(seam.progress.front(), 1);
  EXPECT_EQ(seam.progress.back(), 1000);
  EXPECT_EQ(seam.progressShown, (std::vector<bool>{true, false}));
  // The last point is the state of the last step.
  EXPECT_FLOAT_EQ(S.RunResults[PtSpeed][CurrentRun][1000], S.Speed);

  seam.progress.clear();
  test::LoadWestfield(60);
  CalculatePerformance(1);
  EXPECT_EQ(S.PointCount, 1000);
  EXPECT_FLOAT_EQ(S.PointSpacing, 0.06f);
  EXPECT_EQ(seam.progress.size(), 1000u);
  EXPECT_FLOAT_EQ(S.RunTime, 60.0f);
  EXPECT_FLOAT_EQ(S.RunResults[PtDistance][CurrentRun][1000], S.Distance);
}

TEST_F(RunFrame, ShortOrUnevenRunsStayInsideTheThousandPoints) {
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

TEST_F(RunFrame, NoRunInsideARun) {
  test::LoadWestfield(2);
  S.Calculating = True;
  CalculatePerformance(0);
  EXPECT_EQ(S.PointCount, 0);
  EXPECT_EQ(S.RunDone, False);
  EXPECT_EQ(seam.simDisplayShown, 0);
}

TEST_F(RunFrame, EndOfRunRefreshesTheGraphOrOpensTheDisplayOptions) {
  test::LoadWestfield(2);
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

TEST_F(RunFrame, StandingCarIsNotPushedBackByItsResistanceButRollsDownASlope) {
  test::LoadWestfield(2);
  S.ClutchTorqueStatic = 0;  // nothing reaches the wheels
  S.AeroSpeed = 10;          // a head wind blows at the standing car
  CalculatePerformance(0);
  for (int p = 0; p <= 1000; ++p) ASSERT_GE(S.RunResults[PtSpeed][CurrentRun][p], 0.0f) << p;

  S.TrackSlope = 0.05f;  // finish line above the start
  CalculatePerformance(0);
  EXPECT_LT(S.Speed, 0.0f);
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
