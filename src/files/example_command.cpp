#include "files/example_command.h"

#include <string>

#include "core/commands.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "files/example_vehicles.h"
#include "files/file_windows.h"
#include "files/open_pattern.h"
#include "files/vehicle_io.h"
#include "platform/ui_seam.h"

namespace kestrelon {

void FileExample() {
  if (!OfferSaveFirst("Load Example", Msg::Question)) return;
  const std::string key = FileWindows.ChooseExample ? FileWindows.ChooseExample() : std::string();
  if (key.empty()) {
    S.CancelFlag = 0;
    return;
  }
  CancelOpenCurveGraph();

  S.LoadFailed = False;
  S.LowRPM = 0;
  S.HighRPM = 0;
  S.CalcRequested = True;
  S.ChassisFocusDone = False;
  ClearEntryFlags();
  ClearCurves();
  ClearVehicleTexts();
  LoadExampleVehicle(key);
  RebuildExamplePeakSummary();
  S.CancelFlag = 0;

  S.DataSaved = False;
  S.NitrousSG1 = 10;
  S.NitrousSG2 = 10;
  S.ClutchTimerLPercent = 1.0f;
  S.VehicleName.clear();
  S.DataSequence = True;

  // The example's history starts afresh as a loaded file's does: emptied lines left at the
  // ring's head would list as blank pages.
  ResetHistory();

  CloseWindows(WindowsClosedByExample);
  S.AutoAccept = False;
  S.RevLimitIndex = 0;
  InputData(1, False);
  EnableVehicleMenus();
  S.DataLoaded = True;
  if (S.CancelFlag == 1) RunFileExit();
  SetCurveIconTips();
  S.CancelFlag = 0;
}

}  // namespace kestrelon
