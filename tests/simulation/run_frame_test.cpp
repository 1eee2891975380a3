// The run's frame: recording plan, progress and cancel through the seam, the end-of-run window
// requests, re-entrancy, a stalled engine, inputs that must not produce non-numbers, and whole
// runs of the example judged as a racer would.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "simulation/calculate_performance.h"
#include "simulation/timing_points.h"
#include "simulation/tyre_phase.h"
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
  int resultsRedrawn = 0;
  int runGraphUnloaded = 0;

  void ShowRunProgress(bool show) override { progressShown.push_back(show); }
  void SetRunProgress(int n) override {
    progress.push_back(n);
    if (n == cancelAtPoint) S.CancelFlag = 1;
  }
  bool RefreshRunGraph() override { return graphOpen; }
  void ShowSimDisplay() override { ++simDisplayShown; }
  void UnloadRunGraph() override { ++runGraphUnloaded; }
  void RefreshResultWindows() override { ++resultsRedrawn; }
};

class RunFrame : public ::testing::Test {
 protected:
  void SetUp() override { Cfg.HistoryLog = False; }
  static Single Pt(RunChannel ch, int p) { return S.RunResults[ch][CurrentRun][p]; }
  RunUi seam;
  test::ScopedUi guard{seam};
};

bool AllRecordedFinite() {
  for (int ch = 0; ch < RunChannelCount; ++ch)
    for (int p = 0; p <= LastRunPoint; ++p)
      if (!std::isfinite(S.RunResults[ch][CurrentRun][p])) return false;
  return true;
}

bool AllFinite() {
  return AllRecordedFinite() && std::isfinite(S.Speed) && std::isfinite(S.Distance) && std::isfinite(S.EngineSpeed);
}

TEST_F(RunFrame, RecordingPlanForShortEvenAndUnevenRuns) {
  // 2 s: every step recorded; 60 s: every thirtieth step; 1 s: 500 steps at the step's spacing.
  // The points are read at the spacing they were recorded at, whatever spacing an earlier
  // set-up left.
  for (const auto& [seconds, count, spacing] :
       {std::tuple{2, 1000, 0.002f}, {60, 1000, 0.06f}, {1, 500, 0.002f}}) {
    test::LoadWestfield(seconds);
    S.PointSpacing = 0.012f;
    CalculatePerformance(seconds == 2);
    EXPECT_EQ(S.PointCount, count) << seconds;
    EXPECT_FLOAT_EQ(S.PointSpacing, spacing) << seconds;
    EXPECT_FLOAT_EQ(S.RunTime, static_cast<Single>(seconds));
    EXPECT_FLOAT_EQ(S.RunResults[PtDistance][CurrentRun][count], S.Distance);  // the last step
  }
  ASSERT_EQ(seam.progress.size(), 1000u);  // the 2 s run only, points 1 to 1000
  EXPECT_EQ(seam.progress.front(), 1);
  EXPECT_EQ(seam.progress.back(), 1000);
  EXPECT_EQ(seam.progressShown, (std::vector<bool>{true, false}));

  test::LoadWestfield(3);  // 1500 steps are no multiple of 1000
  CalculatePerformance(0);
  EXPECT_TRUE(S.PointCount >= 700 && S.PointCount <= 1000) << S.PointCount;
  EXPECT_NEAR(S.PointCount * S.PointSpacing, 3.0f, 1e-4f);
  EXPECT_FLOAT_EQ(S.RunResults[PtDistance][CurrentRun][S.PointCount], S.Distance);
}

// A run that does not complete, cancelled or stopped because the vehicle left the numbers
// (a lift coefficient of 1e30), leaves the last completed run's results to every reader, read
// with the settings they were recorded with, and the set-up as it was stored for it. Without a
// completed run it leaves no run at all: no points, the display options and run graph closed
// rather than opened for it, only the other open result windows redrawn; the next run is the
// example's own. Either way the history gets its lines.
TEST_F(RunFrame, ARunThatDoesNotCompleteLeavesTheLastCompletedRun) {
  const char* const cancelled = "Calculation cancelled at user request";
  const char* const unsimulable = "This vehicle cannot be simulated: check its weight, power and gearing";
  const auto ticketOf = [] {
    CalcTimingPoints();
    return std::tuple(S.PointCount, S.RecordedWith.PointSpacing, S.RecordedWith.LaunchTime, S.Time1320ft,
                      S.Speed1320ft, S.GearEngagedTime[CurrentRun], S.RearWheelLoad);
  };
  test::LoadWestfield(16);
  CalculatePerformance(0);
  const auto examplesOwn = ticketOf();
  const RunTable examplesPoints = S.RunResults;

  for (const bool cancel : {true, false}) {
    SCOPED_TRACE(cancel ? "cancelled" : "cannot be simulated");
    const auto runThatStops = [&] {
      seam.asked.clear();
      seam.simDisplayShown = seam.resultsRedrawn = seam.runGraphUnloaded = 0;
      seam.cancelAtPoint = cancel ? 100 : -1;
      if (!cancel) S.AeroLiftFactor = 1e30f;
      S.LaunchTime = 18;  // set up as the run set-up does
      S.PointSpacing = 0.018f;
      CalculatePerformance(1);
      seam.cancelAtPoint = -1;
      ASSERT_EQ(seam.asked.size(), 1u);
      EXPECT_EQ(seam.asked[0].text, cancel ? cancelled : unsimulable);
      EXPECT_EQ(std::tuple(S.CancelFlag, S.Calculating), std::tuple(0, False));
      EXPECT_TRUE(AllRecordedFinite() && std::isfinite(S.RearWheelLoad));
      EXPECT_TRUE(std::isfinite(TractionLimit(S.TyrePress)));  // the cascade's resistance
    };

    test::LoadWestfield(16);
    const Single lift = S.AeroLiftFactor;
    runThatStops();
    EXPECT_EQ(S.RunDone, False);
    EXPECT_EQ(S.PointCount, 0);
    EXPECT_TRUE(S.RunResults == RunTable{});
    EXPECT_EQ(std::tuple(seam.simDisplayShown, seam.resultsRedrawn, seam.runGraphUnloaded), std::tuple(0, 1, 1));
    EXPECT_EQ(std::tuple(S.WheelieCount[CurrentRun], S.WheelieTime[CurrentRun]),
              std::tuple(0, GearRecord::value_type{}));  // the car never lifts its wheels

    // The next run, set up again for the example, completes as the example's own.
    S.AeroLiftFactor = lift;
    S.LaunchTime = 16;
    CalculatePerformance(0);
    const auto ticket = ticketOf();
    EXPECT_EQ(ticket, examplesOwn);
    EXPECT_TRUE(S.RunResults == examplesPoints);
    const RunTable points = S.RunResults;
    Cfg.HistoryLog = True;
    const Integer historyBefore = S.HistoryNext;
    runThatStops();
    Cfg.HistoryLog = False;
    EXPECT_GT(S.HistoryNext, historyBefore);
    EXPECT_EQ(S.RunDone, True);
    EXPECT_EQ(S.LaunchTime, 18);  // the next F2 runs the set-up stored last
    EXPECT_TRUE(S.RunResults == points);
    EXPECT_EQ(std::tuple(S.PointCount, S.RecordedWith.PointSpacing, S.RecordedWith.LaunchTime, S.Time1320ft,
                         S.Speed1320ft, S.GearEngagedTime[CurrentRun], S.RearWheelLoad),
              ticket);
    EXPECT_EQ(std::tuple(seam.simDisplayShown, seam.runGraphUnloaded), std::tuple(1, 0));  // shown again
  }
}

TEST_F(RunFrame, EndOfRunRefreshesTheGraphOrOpensTheDisplayOptionsAndNoRunRunsInsideARun) {
  test::LoadWestfield(2);
  S.Calculating = True;
  CalculatePerformance(0);
  EXPECT_EQ(S.PointCount, 0);

  S.Calculating = False;
  CalculatePerformance(0);
  EXPECT_TRUE(seam.progressShown.empty() && seam.progress.empty());  // no progress window
  EXPECT_EQ(seam.simDisplayShown, 1);
  EXPECT_EQ(S.NewRunPending, True);
  EXPECT_EQ(S.GraphDynRecalc, True);
  EXPECT_EQ(S.CalcRequested, False);

  seam.graphOpen = true;
  CalculatePerformance(0);
  EXPECT_EQ(seam.simDisplayShown, 1);
}

TEST_F(RunFrame, StalledEngineEndsTheRunWithTheMessage) {
  test::LoadWestfield(2);
  S.LaunchRPM = 0;
  CalculatePerformance(1);
  ASSERT_EQ(std::tuple(seam.progress, seam.asked.size()), std::tuple(std::vector<int>{1}, 1u));  // at point 1
  EXPECT_EQ(std::tuple(seam.asked[0].text, S.RunDone),
            std::tuple("This vehicle cannot be simulated: check its weight, power and gearing", False));
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
  runWithLateClutch(0);
  ASSERT_EQ(S.RunDone, True);
  for (int p = 0; p <= 1000; ++p) {
    if (p < 250) {  // before 0.5 s
      for (RunChannel ch : {PtSpeed, PtDistance, PtRearWheelSpeed, PtFrontWheelSpeed})
        ASSERT_EQ(Pt(ch, p), 0.0f) << p;
      ASSERT_GT(Pt(PtFrontWheelLoad, p), 0.0f) << p;  // standing on its wheels
    }
    ASSERT_GE(Pt(PtSpeed, p), 0.0f) << p;
    ASSERT_GE(Pt(PtRearWheelSpeed, p), 0.0f) << p;
    if (p > 0) { ASSERT_GE(Pt(PtDistance, p), Pt(PtDistance, p - 1)) << p; }
  }
  EXPECT_GT(S.Speed, 1.0f);

  runWithLateClutch(-0.005f);  // a grade of 32 N against a rolling resistance of about 47 N
  for (int p = 0; p < 250; ++p) ASSERT_EQ(Pt(PtDistance, p), 0.0f) << p;
  // A quarter of a second in, a steep grade alone pulls it back, or forward against the resistance.
  for (const Single slope : {0.05f, -0.05f}) {
    runWithLateClutch(slope);
    EXPECT_LT(Pt(PtSpeed, 125) * slope, -0.05f * 0.05f) << slope;
    EXPECT_LT(Pt(PtDistance, 125) * slope, 0.0f) << slope;
  }
}

TEST_F(RunFrame, EmptyOrBrokenModelsGiveNumbersNotFaults) {
  S = SharedState{};
  S.LaunchTime = 2;
  CalculatePerformance(0);
  EXPECT_TRUE(AllFinite());
  test::LoadWestfield(2);
  S.ChassisWheelbase = S.ChassisCGL = 0;
  S.InertiaCrank = S.EngineInertia = S.RearWheelInertia = S.FrontWheelInertia = 0;
  S.TyrePress = 1;  // a contact patch longer than the tyre
  CalculatePerformance(0);
  EXPECT_TRUE(AllFinite());

  test::LoadWestfield(2);
  S.ClutchType = "T";  // a converter with no law: nothing turns
  S.LaunchRPM = 0;
  CalculatePerformance(0);
  EXPECT_TRUE(AllFinite());
}

TEST_F(RunFrame, AVehicleThatLeavesTheNumbersStopsWithAMessage) {
  test::LoadWestfield(2);
  S.ChassisWeight = 3.4e38f;  // the form takes it: it is above 0
  S.RunDone = False;
  CalculatePerformance(1);
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[0].style, seam.asked[0].title),
            std::tuple("This vehicle cannot be simulated: check its weight, power and gearing",
                       Msg::OKOnly | Msg::Exclamation, "Performance Calculator"));
  EXPECT_EQ(std::tuple(S.RunDone, S.CancelFlag, S.Calculating), std::tuple(False, 0, False));
  EXPECT_LE(seam.progress.size(), 1u);  // stopped at the first recorded point

  // The same vehicle at a racing weight runs through.
  seam.asked.clear();
  test::LoadWestfield(2);
  CalculatePerformance(0);
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_EQ(S.RunDone, True);
}

TEST_F(RunFrame, ARunawayEngineEndsWithNumbersOrTheMessage) {
  // Extreme but accepted: a first gear of 1e9, a crank of 1e-12 kg m^2, the throttle at 1e30 %.
  test::LoadWestfield(2);
  S.GearOverall[1] *= 1e9f;
  S.InertiaCrank = S.EngineInertia = 1e-12f;
  S.LaunchThrottle = 1e28f;
  CalculatePerformance(0);
  EXPECT_EQ(S.Calculating, False);
  if (seam.asked.empty()) {
    EXPECT_TRUE(AllFinite());
  } else {
    EXPECT_EQ(seam.asked[0].text, "This vehicle cannot be simulated: check its weight, power and gearing");
  }
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

// A whole run of the Westfield example (660 kg, about 160 BHP, street tyres), judged as a racer
// would: a quarter mile in the high 13s at a trap speed a little over 100 mph.
class WestfieldRun : public RunFrame {};

TEST_F(WestfieldRun, RunsForwardWithABelievableTicketAndRepeatsExactly) {
  test::LoadWestfield(16);
  CalculatePerformance(0);
  CalcTimingPoints();
  EXPECT_EQ(S.PointCount, 1000);
  EXPECT_EQ(S.RunDone, True);
  for (int p = 0; p <= 1000; ++p) {
    if (p > 0) { ASSERT_GE(Pt(PtDistance, p), Pt(PtDistance, p - 1)) << p; }
    ASSERT_GE(Pt(PtSpeed, p), 0.0f) << p;
    // The suspension may unload the front wheel at a shift, but it never leaves the road speed.
    ASSERT_NEAR(Pt(PtFrontWheelSpeed, p), Pt(PtSpeed, p), 0.05f) << p;
  }
  EXPECT_TRUE(AllFinite());
  EXPECT_GT(Pt(PtDistance, 1000), 450.0f);  // well over a quarter mile (402 m)

  // Ticket times rise; street tyres spin at the launch (60 ft in 2.0 to 2.8 s); trap speeds in
  // mph about 85 at the eighth, about 100 at the quarter.
  EXPECT_TRUE(S.Time60ft < S.Time330ft && S.Time330ft < S.Time660ft && S.Time660ft < S.Time1320ft);
  const std::tuple<Single, float, float> ticket[] = {
      {S.Time60ft, 2.0f, 2.8f}, {S.Time1320ft, 13.0f, 14.5f}, {S.Speed660ft, 78.0f, 92.0f}, {S.Speed1320ft, 95.0f, 112.0f}};
  for (const auto& [value, low, high] : ticket) EXPECT_TRUE(value > low && value < high) << value;

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
  EXPECT_TRUE(first == S.RunResults);
}

TEST_F(WestfieldRun, FrontWheelWithoutTravelIsNotTakenForLiftedOnTheGround) {
  test::LoadWestfield(4);
  S.ChassisFTravel = S.ChassisFRate = S.ChassisFPrel = S.FrontDamping = S.FrontDampingHalf = 0;
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
