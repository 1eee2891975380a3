#include "files/baseline.h"

#include "core/commands.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "files/file_windows.h"
#include "files/open_pattern.h"
#include "platform/ui_seam.h"
#include "power/power_curve.h"
#include "power/stored_curve.h"

namespace kestrelon {

void FileBaseline() {
  if (ui().MsgBox("Do you want to overwrite the current data with the saved Baseline?",
                  Msg::OKCancel | Msg::Question, "Restore Baseline") != Msg::Ok)
    return;
  CancelOpenCurveGraph();
  S.PowerCurve = S.BaselinePowerCurve;
  S.EngineSummary = S.BaselineEngineSummary;
  S.PowerFileName = S.BaselinePowerFileName;
  S.VehicleData = S.BaselineVehicleData;
  S.VehicleFileName = S.BaselineVehicleFileName;

  S.BaselineSet = False;
  S.ShowBaseline = False;
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

  // A cancel or a failed load that an earlier command left behind would stop the entry of the
  // restored vehicle or call it cancelled.
  S.CancelFlag = 0;
  S.LoadFailed = False;
  S.AutoAccept = True;
  CloseWindows(WindowsClosedByBaseline);
  S.DataSequence = True;
  S.RevLimitIndex = S.BaselineRevLimitIndex;
  // The restored curves as their power file gives them back (the digits it writes, the span its
  // reader derives), whatever edit not yet accepted the baseline was taken with.
  S.MaxRPMIndex = SpanOfColumn(S.PowerCurve[0]).last;
  HoldColumnsAsFiled();
  ClampRevLimit();
  InputData(0, False);
  ui().MsgBox("Baseline data has been restored", Msg::OKOnly | Msg::Information, "Restore data");
}

}  // namespace kestrelon
