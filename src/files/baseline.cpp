#include "files/baseline.h"

#include "core/state.h"
#include "entry/entry_chain.h"
#include "files/file_windows.h"
#include "files/open_pattern.h"
#include "platform/ui_seam.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

// The span of the restored curve, as a power file load derives it: from the first row of
// column 0 with a point to the row before its next gap, else to the top row.
void SpanFromColumn0() {
  const auto& base = S.PowerCurve[0];
  Integer first = 0, last = 0;
  for (int r = 1; r <= CurveTopRow; ++r) {
    if (base[r] > 0 && first == 0) first = static_cast<Integer>(r);
    if (base[r] == 0 && first > 0) {
      last = static_cast<Integer>(r - 1);
      break;
    }
  }
  S.MinRPMIndex = first;
  S.MaxRPMIndex = last == 0 ? static_cast<Integer>(CurveTopRow) : last;
}

}  // namespace

void FileBaseline() {
  if (ui().MsgBox("Do you want to overwrite the current data with the saved Baseline?",
                  Msg::OKCancel | Msg::Question, "Restore Baseline") != Msg::Ok)
    return;
  S.PowerCurve = S.BaselinePowerCurve;
  S.EngineSummary = S.BaselineEngineSummary;
  S.PowerFileName = S.BaselinePowerFileName;
  S.VehicleData = S.BaselineVehicleData;
  S.VehicleFileName = S.BaselineVehicleFileName;

  S.BaselineSet = False;
  if (FileWindows.ClearBaselineCheck) FileWindows.ClearBaselineCheck();
  if (FileWindows.EnableBaselineMenu) FileWindows.EnableBaselineMenu(false);

  S.CalcRequested = True;
  ClearEntryFlags();
  for (int c = 0; c < CurveColumns; ++c) {
    S.CurveEntered[c] = False;
    S.PowerDescript[c].clear();  // the titles are not part of the baseline
  }
  S.ClutchTimerLPercent = 1.0f;
  S.NitrousSG1 = 10;
  S.NitrousSG2 = 10;

  S.AutoAccept = True;
  CloseWindows(WindowsClosedByBaseline);
  S.DataSequence = True;
  S.RevLimitIndex = S.BaselineRevLimitIndex;
  SpanFromColumn0();
  ClampRevLimit();
  InputData(0, False);
  ui().MsgBox("Baseline data has been restored", Msg::OKOnly | Msg::Information, "Restore data");
}

}  // namespace kestrelon
