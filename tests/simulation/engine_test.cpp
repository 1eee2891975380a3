// Throttle opening, throttle stops, rev limiter, traction control, the torque of a curve row, and
// nitrous stage timing, bottle-pressure factor and the power ratio of a nitrous flow.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "core/state.h"
#include "simulation/engine_torque.h"
#include "simulation/nitrous.h"
#include "simulation/rev_limiter.h"
#include "simulation/run_context.h"
#include "simulation/throttle.h"

namespace kestrelon {
namespace {

class Throttle : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.Gear = 1;
    S.LaunchThrottle = 0.4f;
    S.LaunchRisetime = 1.0f;
  }
  Single OpeningAt(Single t) {
    S.RunTime = t;
    ThrottlePhase(c);
    return S.ThrottleOpening;
  }
  // {time, opening} rows.
  void ExpectOpenings(std::initializer_list<std::pair<Single, Single>> rows) {
    for (const auto& [t, opening] : rows) EXPECT_NEAR(OpeningAt(t), opening, 1e-5f) << t;
  }
  RunContext c;
};

TEST_F(Throttle, LaunchRampRunsInFirstGearOnlyAndAWheelieShutsIt) {
  ExpectOpenings({{0.5f, 0.7f}, {1.0f, 1.0f}});
  c.WheelieActive = True;
  EXPECT_FLOAT_EQ(OpeningAt(3.0f), -0.2f);
  c.WheelieActive = False;
  S.Gear = 2;
  EXPECT_FLOAT_EQ(OpeningAt(0.002f), 1.0f);
}

TEST_F(Throttle, StopsOpenFromShutAtTheStartAndCloseFromFullLater) {
  S.LaunchRisetime = 0.001f;
  S.UseThrottleStop = True;
  S.TStopTimer = {0, 1.0f, 2000, 2000, 2000, 2000};
  S.TStopOpening = {0.5f, 1, 1, 1, 1, 1};
  S.TStopBuild = {0.2f, 0.4f, 0, 0, 0, 0};  // a later stop builds from the one before
  ExpectOpenings({{0.1f, 0.25f}, {0.2f, 0.5f}, {0.9f, 0.5f}, {1.2f, 0.75f}, {1.5f, 1.0f}});
  S.TStopTimer = {1.0f, 2000, 2000, 2000, 2000, 2000};
  ExpectOpenings({{0.5f, 1.0f}, {1.1f, 0.75f}, {1.5f, 0.5f}});
  // Every later row at 0: the scan ends at row 5, whose opening applies.
  S.TStopTimer = {0, 0, 0, 0, 0, 0};
  S.TStopOpening = {0.5f, 1, 1, 1, 1, 0.3f};
  EXPECT_FLOAT_EQ(OpeningAt(0.5f), 0.3f);
}

TEST_F(Throttle, TractionControlBacksOffThenReopensOneStepAtATime) {
  S.UseTraction = True;
  S.MinRPMIndex = 30;
  S.EngineSpeed = 60;
  S.CorrectedTyreMu = 1.0f;
  c.Sps = 500;
  c.PrevThrottleOpening = 0.8f;
  c.PrevSlipSpeed = 0;
  c.SlipSpeed = 3 * S.Gravity / 500;  // slip acceleration ratio 3
  S.ThrottleOpening = 1;
  TractionControlPhase(c);
  EXPECT_NEAR(S.ThrottleOpening, 0.8f - 0.0166f * 3 / 14.1f, 1e-6f);

  c.PrevThrottleOpening = S.ThrottleOpening;
  c.PrevSlipSpeed = c.SlipSpeed;
  S.ThrottleOpening = 1;
  TractionControlPhase(c);
  EXPECT_NEAR(S.ThrottleOpening, c.PrevThrottleOpening + 0.0166f, 1e-6f);
}

TEST(RevLimiter, CutRampsDownDragsAndRecoversOverTheLastRow) {
  S = SharedState{};
  RunContext c;
  S.RevLimitIndex = 75;
  // {time, rows, factor, cut}. Crossing at 1.002 s: e = 0; past 0.02 s: engine braking; falling
  // below: shut for 0.02 s, then e / 0.08 times the margin; 0.09 s after the first step below the
  // cut ends (its factor there is not checked).
  const Single steps[][4] = {{1.000f, 74, 1.0f, 0},    {1.002f, 75.5f, 1.0f, 1}, {1.012f, 75.5f, 0.5f, 1},
                             {1.030f, 75.2f, -0.2f, 1}, {1.040f, 74.5f, -0.2f, 1}, {1.080f, 74.5f, 0.25f, 1},
                             {1.100f, 74.0f, 0.75f, 1}, {1.130f, 74.0f, NAN, 0},  {1.132f, 74.0f, 1.0f, 0}};
  for (const auto& st : steps) {
    S.RunTime = st[0];
    S.EngineSpeed = st[1];
    RevLimiterPhase(c);
    if (!std::isnan(st[2])) { EXPECT_NEAR(S.RevLimitFactor, st[2], 1e-4f) << st[0]; }
    EXPECT_EQ(S.RevLimitCut, st[3] != 0 ? True : False) << st[0];
  }
}

class RowTorque : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    for (int col = 0; col < 3; ++col)
      for (int r = 0; r < CurveRows; ++r) S.PowerCurve[col][r] = 100 + 50 * col;
    S.NitrousPressureFactor = 1;
  }
};

TEST_F(RowTorque, PlainStageScalesItsShareWithThePressureFactor) {
  EXPECT_FLOAT_EQ(EngineTorqueAt(0, 50), 100);
  for (const Single factor : {1.0f, 0.0f, 1.21f}) {
    S.NitrousPressureFactor = factor;
    EXPECT_FLOAT_EQ(EngineTorqueAt(1, 50), 100 + factor * 50) << factor;
  }
  S.PowerCurve[1][50] = 0;  // no point of the stage's own there: the engine's torque
  EXPECT_FLOAT_EQ(EngineTorqueAt(1, 50), 100);
  S.NitrousPressureFactor = 1;
  S.PowerCurve[1][50] = 0.5f;  // a point, however small, is the stage's own
  EXPECT_FLOAT_EQ(EngineTorqueAt(1, 50), 0.5f);
}

TEST_F(RowTorque, ProgressiveStagesBuildFromThePreviousColumnByRpmOrByTime) {
  auto& n = S.NitrousStageData[2];
  n.ProgStage = True;
  n.StartRPM = 40;
  n.FinalRPM = 60;
  n.StartPower = 0.2f;
  n.FinalPower = 1;
  for (const auto& [rows, torque] : {std::pair{40, 150.0f}, {50, 150 + 0.6f * 50}, {70, 200.0f}})
    EXPECT_FLOAT_EQ(EngineTorqueAt(2, rows), torque) << rows;
  n.FinalPower = 0.8f;  // from the full-power row on the stage gives all it has
  EXPECT_FLOAT_EQ(EngineTorqueAt(2, 60), 200);
  n.FinalPower = 1;

  // By time: halfway half a second after the stage came on (gear 2 at 3.0 s plus 0.5 s).
  S.NitrousStageData[1] = n;
  S.NitrousStageData[1].StartRPM = 20;
  S.NitrousStageData[1].ProgTime = 1;
  S.NitrousSG1 = 2;
  S.NitrousDT1 = 0.5f;
  S.GearEngagedTime[CurrentRun][1] = 3.0f;
  S.RunTime = 4.0f;
  EXPECT_NEAR(EngineTorqueAt(1, 50), 100 + 0.6f * 50, 1e-4f);
  EXPECT_FLOAT_EQ(EngineTorqueAt(1, 20), 100);  // below the window the previous column
}

TEST_F(RowTorque, CalculatorStageGuardsAndRatio) {
  // Calculator path: no curve of its own, the base column raised by the power ratio.
  S.NitrousCapacity[1] = 5.7f;
  S.NitrousVolEff[1] = S.NitrousTransEff[1] = S.EngineSummary[0][0] = 100;
  S.NitrousPCurve[1] = 0;
  S.DryDensityRatio = S.NitrousRefPressure = S.NitrousRefJet = S.N2RunPressure = 1;
  // No jets: no flow, a ratio of exactly 1, the base row unchanged.
  EXPECT_FLOAT_EQ(EngineTorqueAt(1, 60), 100);
  // A stage that does not build up uses its full flow, not a fraction nobody entered.
  S.NitrousJetSize[1] = 1;
  S.NitrousNumJets[1] = 0.5f;
  const Single full = EngineTorqueAt(1, 60);
  EXPECT_GT(full, 110);
  auto& n = S.NitrousStageData[1];
  n.ProgStage = True;  // progressive, but no rpm window entered
  n.FinalPower = 0.5f;
  const Single half = EngineTorqueAt(1, 60);
  EXPECT_TRUE(half > 100 && half < full) << half;
  // Without a peak to take the breathing from, no ratio can be formed: no torque, not a guess.
  S.EngineSummary[0][0] = 0;
  EXPECT_EQ(EngineTorqueAt(1, 60), 0.0f);
}

// {rows, rev-limit factor, throttle, lb-ft}: below the curve the torque falls linearly to nothing,
// the cut drags whatever the throttle, and a runaway engine reads the top margin row (201), where
// there is none, never extrapolating.
TEST(CrankTorque, BelowTheCurveAboveItAndUnderTheCut) {
  S = SharedState{};
  RunContext c;
  c.TorqueScale = 1.3567f;
  S.MinRPMIndex = 30;
  for (int r = 32; r <= 200; ++r) S.PowerCurve[0][r] = 100;
  S.PowerCurve[0][30] = 100;
  S.PowerCurve[0][31] = 110;
  const Single rows[][4] = {{15, 1, 1, 50},    {30.5f, 1, 1, 105}, {30.5f, -0.2f, 0.5f, -0.2f * 105},
                            {200, 1, 1, 100},  {200.5f, 1, 1, 50}, {201, 1, 1, 0},  {1e9f, 1, 1, 0},
                            {3e9f, 1, 1, 0},   {1e30f, 1, 1, 0},   {INFINITY, 1, 1, 0}, {NAN, 1, 1, 0}};
  for (const auto& r : rows) {
    S.EngineSpeed = r[0];
    S.RevLimitFactor = r[1];
    S.ThrottleOpening = r[2];
    c.ShiftTorqueFactor = 1;
    CrankTorquePhase(c);
    EXPECT_NEAR(S.CrankTorque, r[3] * 1.3567f, 1e-3f) << r[0];
  }
}

// A curve that starts at standstill is read from its first row.
TEST(CrankTorque, ACurveFromStandstillIsReadFromRowZero) {
  S = SharedState{};
  RunContext c;
  c.TorqueScale = c.ShiftTorqueFactor = 1;
  S.PowerCurve[0][0] = S.PowerCurve[0][1] = 100;
  S.RevLimitFactor = S.ThrottleOpening = 1;
  S.EngineSpeed = 0.5f;
  CrankTorquePhase(c);
  EXPECT_FLOAT_EQ(S.CrankTorque, 100);
}

// A nitrous share left uncorrected for the air passes as its own lb-ft; only the base curve is
// scaled.
TEST(CrankTorque, AnUncorrectedNitrousShareIsNotScaled) {
  S = SharedState{};
  RunContext c;
  c.TorqueScale = 2;
  c.ShiftTorqueFactor = 1;
  S.MinRPMIndex = 30;
  for (int r = 30; r <= 60; ++r) S.PowerCurve[0][r] = 100, S.PowerCurve[1][r] = 150;
  S.CurrentStage = 1;
  S.NitrousCorrect[1] = False;
  S.NitrousPressureFactor = S.RevLimitFactor = S.ThrottleOpening = 1;
  S.EngineSpeed = 40.5f;
  CrankTorquePhase(c);
  EXPECT_NEAR(S.CrankTorque, 100 * 2 + 50 * 1.3567f, 1e-3f);
}

TEST(NitrousStage, StageComesOnItsDelayAfterItsGear) {
  S = SharedState{};
  S.NitrousSG1 = 2;
  S.NitrousDT1 = 0.5f;
  S.GearEngagedTime[CurrentRun][1] = 3.0f;  // gear 2 engaged at 3.0 s
  const struct {
    Integer gear;
    Single time;
    Integer stage;
  } rows[] = {{2, 3.4f, 0}, {2, 3.5f, 1}, {2, 0, 1}, {1, 0, 0}};
  for (const auto& r : rows) EXPECT_EQ(NitrousStageAt(r.gear, r.time), r.stage) << r.gear << " " << r.time;
  // Both stages from gear 1 without delays: the second wins from the first step.
  S.NitrousSG1 = S.NitrousSG2 = 1;
  S.NitrousDT1 = 0;
  EXPECT_EQ(NitrousStageAt(1, 0.002f), 2);
}

TEST(NitrousPressure, FactorFollowsTheBottleAndNeverGoesNegative) {
  S = SharedState{};
  S.N2PowerPressure = 1000;
  // {run pressure, drop, seconds, factor}: an empty bottle gives nothing, not less.
  const Single rows[][4] = {{1100, 0, 0, 1.21f}, {900, 0, 0, 0.9f}, {900, 100, 4, 0.5f}, {900, 100, 20, 0}};
  for (const auto& r : rows) {
    S.N2RunPressure = r[0];
    S.N2DropPressure = r[1];
    EXPECT_NEAR(NitrousPressureFactorAt(r[2]), r[3], 1e-5f) << r[0] << " " << r[2];
  }
}

TEST(NitrousPower, RatioOfAKnownEngine) {
  S = SharedState{};
  S.AeroTemp = 15.5f;
  S.DryDensityRatio = 1;
  // 5.7 L at 6000 rpm breathes 285 L/s.
  const Single flowAndRatio[][2] = {{0, 1.0f}, {50, 1.190f}, {100, 1.381f}, {200, 1.766f}};
  for (const auto& [flow, ratio] : flowAndRatio)
    EXPECT_NEAR(CalcNitrousPower(5.7f, flow, 100, 6000), ratio, 0.002f) << flow;
  // An over-rich charge loses power again: the ratio folds back below 1.9.
  const Single rich = CalcNitrousPower(5.7f, 300, 100, 6000);
  EXPECT_LT(rich, 1.9f);
  EXPECT_GT(rich, 1.0f);
  // No engine to feed: no ratio can be formed.
  EXPECT_EQ(CalcNitrousPower(0, 50, 100, 6000), 0.0f);
}

}  // namespace
}  // namespace kestrelon
