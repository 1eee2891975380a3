#pragma once
// The power estimate's tests: a fresh model with the tables built, no history log, and an
// answerer that records the search's requests and plays the racer at its results window.

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "core/commands.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "entry/entry_chain.h"
#include "entry/ui/data_forms.h"
#include "files/example_vehicles.h"
#include "platform/qt/form.h"
#include "power/power_curve.h"
#include "power/ui/power_curve_windows.h"
#include "simulation/calculate_performance.h"
#include "simulation/launch_setup.h"
#include "simulation/timing_points.h"
#include "support/example_entry.h"
#include "support/scripted_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon::test {

class EstimateUi : public ScriptedUi {
 public:
  std::vector<int> progress;  // attempts drawn on the bar
  int resultsShown = 0;
  // The last run's quarter-mile figures when the results window was shown.
  Single shownTime = 0, shownSpeed = 0;
  // The racer's choice at the results window: which quantities to keep, and Retry.
  bool keepAll = false;
  bool keepDragOnly = false;  // the drag coefficient kept, every other change put back
  bool retry = false;
  std::function<void()> afterAttempt;  // once per attempt, as its bar is drawn
  std::function<void()> onResults;     // as the results window shows
  std::function<void()> nextEvents;    // once, as pending window events next run

  void DoEvents() override {
    ScriptedUi::DoEvents();
    if (const auto events = std::exchange(nextEvents, nullptr)) events();
  }

  void SetEstimateProgress(int attempt) override {
    progress.push_back(attempt);
    if (afterAttempt) afterAttempt();
  }
  void ShowEstimateResult() override {
    ++resultsShown;
    shownTime = S.Time1320ft;
    shownSpeed = S.Speed1320ft;
    if (onResults) onResults();
    const Integer restore = ToFlag(!keepAll);
    S.EstCDRestore = S.EstMURestore = S.EstBHPRestore = S.EstGearRestore = restore;
    if (keepDragOnly) S.EstCDRestore = False;
    S.EstRetry = ToFlag(retry);
  }
};

class EstimateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    InitTables();
    Cfg.DUnits = "I";
    Cfg.HistoryLog = False;
    previous_ = setUi(&ui);
  }
  void TearDown() override {
    Hooks.EnterPowerCurve = nullptr;
    Form::DeleteInstances();
    setUi(previous_);
  }

  // The first built-in example as File > Example leaves it, run once (a 16 s run).
  static void RunExample() { RunExampleAutomatically(1); }

  static void RunAndTime() {
    CalculatePerformance(0);
    CalcTimingPoints();
  }

  // Only the given quantities may change.
  static void Allow(bool drag, bool grip, bool power, bool gearing) {
    S.EstCDAdjust = ToFlag(drag);
    S.EstMUAdjust = ToFlag(grip);
    S.EstBHPAdjust = ToFlag(power);
    S.EstGearAdjust = ToFlag(gearing);
  }

  // The last run's quarter-mile time and trap speed (m/s) as the racer's ticket.
  static void TicketOfLastRun() {
    S.Est1320time = S.Time1320ft;
    S.Est1320speed = S.Speed1320ft * S.SpeedFactor;
  }

  EstimateUi ui;

 private:
  UiSeam* previous_ = nullptr;
};

}  // namespace kestrelon::test
