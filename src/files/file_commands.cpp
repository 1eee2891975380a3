#include "files/file_commands.h"

#include <filesystem>
#include <utility>

#include "core/commands.h"
#include "core/settings.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "entry/nitrous_calc.h"
#include "files/file_dialog.h"
#include "files/open_pattern.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "files/vehicle_io.h"
#include "platform/ui_seam.h"
#include "power/curve_graph_commands.h"
#include "power/enter_power_curve.h"
#include "power/power_curve.h"
#include "power/vehicle_change.h"

namespace kestrelon {

namespace {

void MarkLoaded() {
  EnableVehicleMenus();
  S.DataLoaded = True;
  S.DataSaved = False;
}

void ExitWhenCancelled() {
  if (S.CancelFlag == 1) RunFileExit();
}

}  // namespace

void FileNew() {
  if (!OfferSaveFirst("Load new data", Msg::Question)) return;
  CancelOpenCurveGraph();
  ResetModelForLoad(ResetKind::New);
  CloseWindows(WindowsClosedByLoad);
  S.AutoAccept = False;
  InputData(1, True);
  if (!S.LoadFailed) MarkLoaded();
  ExitWhenCancelled();
  S.CancelFlag = 0;
}

bool FileVehicle(const std::string& chassisPath, const std::string& enginePath) {
  const bool commandLine = !chassisPath.empty() && !enginePath.empty();
  if (!commandLine && !OfferSaveFirst("Load data", Msg::Question)) return false;
  CancelOpenCurveGraph();
  // The vehicle in memory until the new one has come through: a cancelled file dialog or a
  // rejected file leaves it, its curves and its flags as they were.
  const SharedState before = S;
  ResetModelForLoad(ResetKind::OpenVehicle);
  CloseWindows(WindowsClosedByLoad);
  const bool read = LoadVehicleAndPower(chassisPath, enginePath);
  if (!S.LoadFailed) {
    MarkLoaded();
  } else {
    if (!commandLine) {
      // The file dialogs keep what was chosen in them, for the next try, and the cancel is this
      // load's own: one left by an earlier command would turn the refusal into the exit question.
      auto starts = std::move(S.FileDialogStarts);
      const Integer cancel = S.CancelFlag;
      S = before;
      S.FileDialogStarts = std::move(starts);
      S.CancelFlag = cancel;
    }
    S.LoadFailed = False;
  }
  ExitWhenCancelled();
  SetCurveIconTips();
  S.CancelFlag = 0;
  return read;
}

void FileChassis() {
  S.CancelFlag = 0;
  if (!OfferSaveFirst("Load data", Msg::Question)) return;
  S.LoadFailed = False;
  const std::string path = OpenFileDialog("*.WCD", "Select Chassis data", Cfg.DataPath);
  if (path.empty() || S.LoadFailed) {
    S.VehicleFileName.clear();
    S.VehicleName.clear();
    S.CancelFlag = 0;
    return;
  }
  // A rejected file ends the command: the vehicle in memory and its name stay as they were.
  LoadVehicleFile(path);
  if (S.LoadFailed) {
    S.CancelFlag = 0;
    return;
  }
  S.VehicleFileName = path;
  Cfg.LastChassis = path;
  S.VehicleName = VehicleNameOfFile(path);
  S.RevLimitIndex = 0;  // the new vehicle's own limit within the kept curve
  TakeRevLimitItem();
  ClampRevLimit();
  TakeLaunchTempItem();  // the new vehicle's own, as opening it with its curve takes it

  S.CalcRequested = True;
  const Integer engineEntered = S.EngineEntered;
  ClearEntryFlags();
  S.EngineEntered = engineEntered;  // the engine curves stay
  S.ChassisFocusDone = False;
  S.DataSaved = False;
  CloseWindows(WindowsClosedByOpenChassis);
  S.AutoAccept = False;
  VehicleChanged();
  TakeOpenedChassisIntoSnapshots();  // an open curve graph's Cancel keeps it
  DataFormsSequence();
  ExitWhenCancelled();
  S.CancelFlag = 0;
}

void FilePowerVCAL() {
  S.CancelFlag = 0;
  if (!OfferSaveFirst("Exit", 0)) return;
  S.PowerFileName = OpenFileDialog("*.VCD", "Select Power data", Cfg.DataPath);
  if (S.PowerFileName.empty()) {
    S.CancelFlag = 0;
    return;
  }
  CancelOpenCurveGraph();
  Cfg.LastPower = S.PowerFileName;
  LoadPowerFile(S.PowerFileName);
  if (!S.LoadFailed) {
    S.EngineEntered = False;
    for (auto& entered : S.CurveEntered) entered = False;
    // What is worked out from the curves is entered again after them, in the order and in the
    // way the vehicle saved and opened again would enter it: the transmission's shift rpm and
    // the clutch are checked against the new curves, the nitrous form is offered where a stage
    // has a curve and the stages go out of use where none has.
    S.TransmissionEntered = False;
    S.NitrousEntered = False;
    ClearNitrousEntry();
    S.ClutchEntered = False;
    S.ClutchRefused = False;
    S.CheckAgainstNewCurves = True;
    S.DataSequence = True;
    S.DataSaved = False;
    S.AutoAccept = False;
    S.RevLimitIndex = 0;
    S.CalcRequested = True;
    InputData(1, False);
  }
  SetCurveIconTips();
  S.CancelFlag = 0;
}

void FileSave() { SaveVehicleAndPower(); }

}  // namespace kestrelon
