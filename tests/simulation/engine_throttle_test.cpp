// Throttle opening, throttle stops, rev limiter, traction control and the torque of a curve row.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/state.h"
#include "simulation/engine_torque.h"
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
  RunContext c;
};

TEST_F(Throttle, LaunchRampRunsInFirstGearOnlyAndAWheelieShutsIt) {
  EXPECT_FLOAT_EQ(OpeningAt(0.5f), 0.7f);
  EXPECT_FLOAT_EQ(OpeningAt(1.0f), 1.0f);
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
  S.TStopBuild = {0.2f, 0, 0, 0, 0, 0};
  EXPECT_NEAR(OpeningAt(0.1f), 0.25f, 1e-6f);
  EXPECT_FLOAT_EQ(OpeningAt(0.2f), 0.5f);
  EXPECT_FLOAT_EQ(OpeningAt(0.9f), 0.5f);
  EXPECT_FLOAT_EQ(OpeningAt(1.5f), 1.0f);

  S.TStopTimer = {1.0f, 2000, 2000, 2000, 2000, 2000};
  EXPECT_FLOAT_EQ(OpeningAt(0.5f), 1.0f);
  EXPECT_NEAR(OpeningAt(1.1f), 0.75f, 1e-5f);
  EXPECT_FLOAT_EQ(OpeningAt(1.5f), 0.5f);
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
  std::vector<Single> factors;
  auto stepAt = [&](Single t, Single rows) {
    S.RunTime = t;
    S.EngineSpeed = rows;
    RevLimiterPhase(c);
    return S.RevLimitFactor;
  };
  EXPECT_FLOAT_EQ(stepAt(1.000f, 74), 1.0f);
  EXPECT_FLOAT_EQ(stepAt(1.002f, 75.5f), 1.0f);  // crossing: e = 0
  EXPECT_NEAR(stepAt(1.012f, 75.5f), 0.5f, 1e-4f);
  EXPECT_FLOAT_EQ(stepAt(1.030f, 75.2f), -0.2f);  // past 0.02 s: engine braking
  EXPECT_EQ(S.RevLimitCut, True);
  // Falling below: shut for 0.02 s, then e / 0.08 times the margin.
  EXPECT_FLOAT_EQ(stepAt(1.040f, 74.5f), -0.2f);
  EXPECT_NEAR(stepAt(1.080f, 74.5f), 0.04f / 0.08f * 0.5f, 1e-4f);
  EXPECT_NEAR(stepAt(1.100f, 74.0f), 0.06f / 0.08f, 1e-4f);
  EXPECT_EQ(S.RevLimitCut, True);
  stepAt(1.130f, 74.0f);  // 0.09 s after the first step below: the cut ends
  EXPECT_EQ(S.RevLimitCut, False);
  EXPECT_FLOAT_EQ(stepAt(1.132f, 74.0f), 1.0f);
}

class RowTorque : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    for (int r = 0; r < CurveRows; ++r) {
      S.PowerCurve[0][r] = 100;
      S.PowerCurve[1][r] = 150;
      S.PowerCurve[2][r] = 200;
    }
    S.NitrousPressureFactor = 1;
  }
};

TEST_F(RowTorque, PlainStageScalesItsShareWithThePressureFactor) {
  EXPECT_FLOAT_EQ(EngineTorqueAt(0, 50), 100);
  EXPECT_FLOAT_EQ(EngineTorqueAt(1, 50), 150);
  S.NitrousPressureFactor = 0;
  EXPECT_FLOAT_EQ(EngineTorqueAt(1, 50), 100);
  S.NitrousPressureFactor = 1.21f;
  EXPECT_FLOAT_EQ(EngineTorqueAt(1, 50), 100 + 1.21f * 50);
}

TEST_F(RowTorque, ProgressiveStagesBuildFromThePreviousColumnByRpmOrByTime) {
  auto& n = S.NitrousStageData[2];
  n.ProgStage = True;
  n.StartRPM = 40;
  n.FinalRPM = 60;
  n.StartPower = 0.2f;
  n.FinalPower = 1;
  EXPECT_FLOAT_EQ(EngineTorqueAt(2, 40), 150);
  EXPECT_FLOAT_EQ(EngineTorqueAt(2, 50), 150 + 0.6f * 50);
  EXPECT_FLOAT_EQ(EngineTorqueAt(2, 70), 200);

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
  S.NitrousVolEff[1] = 100;
  S.NitrousPCurve[1] = 0;
  S.NitrousTransEff[1] = 100;
  S.EngineSummary[0][0] = 100;
  S.DryDensityRatio = 1;
  S.NitrousRefPressure = 1;
  S.NitrousRefJet = 1;
  S.N2RunPressure = 1;
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
  EXPECT_GT(half, 100);
  EXPECT_LT(half, full);
  EXPECT_TRUE(std::isfinite(half));
}

TEST(CrankTorque, BelowTheCurveFallsLinearlyToNothing) {
  S = SharedState{};
  RunContext c;
  c.TorqueScale = 1.3567f;
  c.ShiftTorqueFactor = 1;
  S.MinRPMIndex = 30;
  S.PowerCurve[0][30] = 100;
  S.PowerCurve[0][31] = 110;
  S.ThrottleOpening = 1;
  S.EngineSpeed = 15;
  CrankTorquePhase(c);
  EXPECT_NEAR(S.CrankTorque, 50 * 1.3567f, 1e-3f);
  c.ShiftTorqueFactor = 1;
  S.EngineSpeed = 30.5f;
  CrankTorquePhase(c);
  EXPECT_NEAR(S.CrankTorque, 105 * 1.3567f, 1e-3f);
  S.RevLimitFactor = -0.2f;  // the cut drags whatever the throttle
  S.ThrottleOpening = 0.5f;
  CrankTorquePhase(c);
  EXPECT_NEAR(S.CrankTorque, -0.2f * 105 * 1.3567f, 1e-3f);
}

}  // namespace
}  // namespace kestrelon
