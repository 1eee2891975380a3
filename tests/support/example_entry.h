#pragma once
// A built-in example as File > Example leaves it once every section has accepted its texts in
// the automatic entry pass.

#include <gtest/gtest.h>

#include "core/state.h"
#include "core/tables.h"
#include "entry/entry_chain.h"
#include "entry/ui/data_forms.h"
#include "files/example_vehicles.h"
#include "power/power_curve.h"
#include "power/ui/power_curve_windows.h"
#include "simulation/calculate_performance.h"
#include "simulation/launch_setup.h"
#include "simulation/timing_points.h"

namespace kestrelon::test {

inline void EnterExampleAutomatically(int row) {
  InitExampleCatalogue();
  RegisterPowerCurveWindows();
  LoadExampleVehicle(Tbl.ExampleKey[row]);
  RebuildExamplePeakSummary();
  S.AutoAccept = S.DataSequence = True;
  InputData(1, False);
  S.AutoAccept = S.DataSequence = False;
}

// The vehicle in session run from its launch items, as the racer's acceptance of the run set-up
// leaves it, with its timing ticket worked out.
inline void RunAsEntered() {
  ClampRevLimit();
  LaunchBoxes boxes;
  S.CalcRequested = True;
  OpenLaunchSetup(boxes);
  ASSERT_TRUE(AcceptLaunchSetup(boxes).accepted);
  CalculatePerformance(0);
  CalcTimingPoints();
}

// The example run once from its launch items, as the racer's acceptance of the curve graph and
// of the run set-up leave it.
inline void RunExampleAutomatically(int row) {
  RegisterDataForms();
  EnterExampleAutomatically(row);
  RunAsEntered();
}

}  // namespace kestrelon::test
