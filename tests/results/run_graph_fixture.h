#pragma once
// Runs to draw: a synthetic run of 1000 points over 10 s with two upshifts and one wheelie,
// whose channels are simple functions of time (so every figure can be worked out by hand),
// and a real run of the first example. Every test starts from a fresh model, the built tables
// and the graph's settings as the program starts with them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "results/run_graph.h"
#include "results/run_graph_display.h"
#include "simulation/calculate_performance.h"
#include "support/scripted_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon::test {

// Speed rises by 3 m/s each second, so distance = 1.5 t^2; the engine turns 3000 rpm plus
// 400 rpm a second; gears change at 3 s and 6 s; a wheelie begins at 0.5 s.
inline void LoadSyntheticRun(int points = 1000, float seconds = 10, int series = CurrentRun) {
  auto& r = S.RunResults;
  const float spacing = seconds / points;
  for (int i = 0; i <= LastRunPoint; ++i) {
    const float t = i <= points ? i * spacing : 0;
    const bool in = i <= points;
    r[PtSpeed][series][i] = in ? 3 * t : 0;
    r[PtDistance][series][i] = in ? 1.5f * t * t : 0;
    r[PtAcceleration][series][i] = in ? 3 : 0;
    r[PtEngineSpeed][series][i] = in ? 30 + 4 * t : 0;
    r[PtClutchDrivenRPM][series][i] = in ? 15 + 4 * t : 0;
    r[PtThrottleOpening][series][i] = in ? (t < 1 ? -0.1f : 0.8f) : 0;
    r[PtLiftForce][series][i] = in ? (t < 5 ? -100.0f : 50.0f) : 0;
  }
  if (series == CurrentRun) {
    S.PointCount = static_cast<Integer>(points);
    S.RecordedWith.PointSpacing = spacing;
    S.RecordedWith.LaunchTime = seconds;
  } else {
    S.BaselinePointCount = static_cast<Integer>(points);
    S.BaselinePointSpacing = spacing;
    S.BaselineLaunchTime = seconds;
  }
  S.GearCount = 3;
  S.GearEngagedTime[series][1] = 3;
  S.GearEngagedTime[series][2] = 6;
  S.WheelieCount[series] = 1;
  S.WheelieTime[series][1] = 0.5f;
  S.ChassisWeight = 800;
  S.TransPrimary = 2;
  S.ChassisFTravel = 0.1f;
}

class RunGraphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    Cfg = Settings{};
    GraphDisplay = RunGraphDisplay{};
    ApplyDisplayUnits("I");
    S.TorqueUnitFactor = 1.3567f;
    S.TorqueFactorUnit = "lb/ft";
  }
  void TearDown() override {
    S = SharedState{};
    Cfg = Settings{};
    GraphDisplay = RunGraphDisplay{};
  }

  static void Choose(Integer a, Integer b = 0, Integer c = 0, Integer d = 0) {
    GraphDisplay.TraceChoice = {0, a, b, c, d};
  }

  // A real run of the first example, over 16 s.
  static void RunFirstExample() {
    const Settings kept = Cfg;
    Cfg.HistoryLog = False;
    LoadWestfield(16);
    ApplyDisplayUnits("I");
    S.TorqueUnitFactor = 1.3567f;
    S.TorqueFactorUnit = "lb/ft";
    ScriptedUi quiet;
    ScopedUi installed(quiet);
    CalculatePerformance(0);
    Cfg = kept;
  }

  ScriptedUi ui_;
  ScopedUi scoped_{ui_};
};

}  // namespace kestrelon::test
