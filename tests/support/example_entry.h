#pragma once
// A built-in example as File > Example leaves it once every section has accepted its texts in
// the automatic entry pass.

#include "core/state.h"
#include "core/tables.h"
#include "entry/entry_chain.h"
#include "files/example_vehicles.h"
#include "power/ui/power_curve_windows.h"

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

}  // namespace kestrelon::test
