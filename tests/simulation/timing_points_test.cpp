// The timing ticket from recorded points, checked against a run of constant acceleration whose
// crossing times are known exactly: t = sqrt(2 d / a).

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "core/state.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

constexpr double A = 6.0;  // m/s^2

// Points 0..1000 of a run at constant acceleration, spaced `spacing` seconds.
void RecordConstantAcceleration(Single spacing) {
  S = SharedState{};
  S.RecordedWith.PointSpacing = spacing;
  S.RecordedWith.LaunchTime = spacing * 1000;
  S.PointCount = 1000;
  S.SpeedFactor = 1;
  for (int p = 0; p <= 1000; ++p) {
    const double t = p * spacing;
    S.RunResults[PtSpeed][CurrentRun][p] = static_cast<Single>(A * t);
    S.RunResults[PtDistance][CurrentRun][p] = static_cast<Single>(A * t * t / 2);
    S.RunResults[PtAcceleration][CurrentRun][p] = static_cast<Single>(A);
  }
}

double TimeAt(double metres) { return std::sqrt(2 * metres / A); }

TEST(TimeToDistance, ExactAtConstantAccelerationLinearWithout) {
  RecordConstantAcceleration(0.016f);
  const Single d = 100;
  int p = 1;
  while (S.RunResults[PtDistance][CurrentRun][p] < d) ++p;
  const double expected = TimeAt(d) - (p - 1) * 0.016;
  EXPECT_NEAR(TimeToDistance(d, static_cast<Integer>(p)), expected, 2e-5);
  // No acceleration at one end: linear in distance across the interval.
  S.RunResults[PtAcceleration][CurrentRun][p] = 0;
  const Single d0 = S.RunResults[PtDistance][CurrentRun][p - 1];
  const Single d1 = S.RunResults[PtDistance][CurrentRun][p];
  EXPECT_NEAR(TimeToDistance(d, static_cast<Integer>(p)), 0.016 * (d - d0) / (d1 - d0), 1e-6);
}

TEST(CalcTimingPoints, TicketOfAConstantAccelerationRun) {
  RecordConstantAcceleration(0.016f);
  S.RecordedWith.Trap8Length = 20;
  S.RecordedWith.Trap8Position = 1;  // straddles the line: 10 m either side
  S.RecordedWith.Trap4Length = 30;
  S.RecordedWith.Trap4Position = 2;  // begins at the line
  S.SimDistance = 50;
  CalcTimingPoints();
  const double ft = 1 / 3.2808399;
  EXPECT_EQ(S.RunRolloutTime, 0.0f);  // no staging distance: nothing to roll out
  const std::pair<Single, double> times[] = {{S.Time60ft, 60 * ft},     {S.Time330ft, 330 * ft},
                                             {S.Time660ft, 660 * ft},   {S.Time1320ft, 1320 * ft},
                                             {S.TimeSimDistance, 50}};
  for (const auto& [time, metres] : times) EXPECT_NEAR(time, TimeAt(metres), 1e-4) << metres;
  EXPECT_NEAR(S.Speed60ft, A * TimeAt(60 * ft), 2e-3);
  EXPECT_NEAR(S.SpeedSimDistance, A * TimeAt(50), 2e-3);
  // A trap speed is the mean speed over the trap.
  const double mark8 = 660 * ft;
  EXPECT_NEAR(S.Speed660ft, 20 / (TimeAt(mark8 + 10) - TimeAt(mark8 - 10)), 2e-3);
  const double mark4 = 1320 * ft;
  EXPECT_NEAR(S.Speed1320ft, 30 / (TimeAt(mark4 + 30) - TimeAt(mark4)), 2e-3);
}

TEST(CalcTimingPoints, RolloutShortRunsAndLinesNotReached) {
  RecordConstantAcceleration(0.016f);
  S.RecordedWith.LaunchStage = 0.3f;  // the rollout is taken off every time
  CalcTimingPoints();
  EXPECT_NEAR(S.RunRolloutTime, TimeAt(0.3), 1e-4);
  EXPECT_NEAR(S.Time60ft, TimeAt(60 / 3.2808399 + 0.3) - TimeAt(0.3), 1e-4);

  // A run that ended at point 600 of a 60 s analysis: the speed at the line is interpolated
  // with the spacing of the recorded points, whatever the analysis time.
  RecordConstantAcceleration(0.05f);
  S.PointCount = 600;
  S.RecordedWith.LaunchTime = 60;
  CalcTimingPoints();
  EXPECT_NEAR(S.Speed60ft, A * TimeAt(60 / 3.2808399), 2e-3);

  RecordConstantAcceleration(0.002f);
  S.PointCount = 500;  // 1 s: 3 m
  S.RecordedWith.LaunchTime = 1;
  S.RecordedWith.Trap8Length = 18;
  CalcTimingPoints();
  for (Single v : {S.Time60ft, S.Speed60ft, S.Speed660ft, S.Time1320ft}) EXPECT_EQ(v, 0.0f);
}

}  // namespace
}  // namespace kestrelon
