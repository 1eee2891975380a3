#include "files/open_pattern.h"

#include "core/numbers.h"
#include "core/state.h"
#include "files/file_windows.h"
#include "files/vehicle_io.h"
#include "platform/ui_seam.h"

namespace kestrelon {

// Each list ends with the windows that hold the old vehicle's run set-up and its estimate:
// left open, they would run the new vehicle with the old set-up or estimate from the old run.
const std::vector<std::string> WindowsClosedByLoad = {
    "frmGraphPower",  "frmDataClutch",   "frmDataGears", "frmDataChassis",
    "frmDataInertia", "frmDataNitrous",  "frmDataTyre",  "frmDataThrottle",
    "frmDataAero",    "frmSimDisplay",   "frmGraphDyn",  "frmDataLaunch",
    "frmEstimate"};
const std::vector<std::string> WindowsClosedByOpenChassis = {
    "frmDataClutch",  "frmDataGears",    "frmDataChassis", "frmDataInertia", "frmDataNitrous",
    "frmDataTyre",    "frmDataThrottle", "frmDataAero",    "frmSimDisplay",  "frmGraphDyn",
    "frmDataLaunch",  "frmEstimate"};
const std::vector<std::string> WindowsClosedByExample = {
    "frmGraphPower",  "frmDataClutch",   "frmDataGears", "frmDataChassis",
    "frmDataInertia", "frmDataNitrous",  "frmDataTyre",  "frmDataThrottle",
    "frmDataAero",    "frmGraphDyn",     "frmSimDisplay", "frmDataLaunch",
    "frmEstimate"};
const std::vector<std::string> WindowsClosedByBaseline = {
    "frmGraphPower",  "frmDataClutch",  "frmDataGears", "frmDataChassis",  "frmDataInertia",
    "frmDataNitrous", "frmDataTyre",    "frmDataThrottle", "frmDataAero",  "frmDataLaunch",
    "frmEstimate"};

bool OfferSaveFirst(const std::string& title, int icon) {
  if (S.DataSaved != False) return true;
  // Esc or the close box walks away from the command with the vehicle as it is; No goes on.
  const int answer = ui().MsgBox("Would you like to save data first?",
                                 Msg::YesNo | Msg::DismissCancels | icon, title);
  if (answer == Msg::Cancel) return false;
  if (answer != Msg::Yes) return true;
  SaveVehicleAndPower();
  if (S.DataSaved != False) {
    ui().MsgBox("Existing data saved successfully", Msg::OKOnly, "Load data");
    return true;
  }
  return ui().MsgBox("Not all data was saved, do you still want to continue?", Msg::YesNo,
                     "Load data") == Msg::Yes;
}

void ClearEntryFlags() {
  S.ChassisEntered = False;
  S.TransmissionEntered = False;
  S.TyreEntered = False;
  S.ClutchEntered = False;
  S.AeroEntered = False;
  S.InertiaEntered = False;
  S.NitrousEntered = False;
  S.EngineEntered = False;
  S.ThrottleEntered = False;
  S.ClutchRefused = False;
  S.CheckAgainstNewCurves = False;
  S.NitrousFormPending = False;
  // Every figure the data forms work out goes back to the value the program starts with, as
  // when the new vehicle is opened in a program just started: what no form of the new vehicle
  // sets (a converter's coefficients behind another clutch, the gears' lock-ups above its top
  // gear, throttle stops, nitrous, clutch timers or the nitrous calculator's set-up it does not
  // have) would otherwise stay from the old one, and capacities from the old specification would
  // follow every later curve change.
  static_cast<VehicleModel&>(S) = VehicleModel{};
}

void ClearCurves() {
  for (int c = 0; c < CurveColumns; ++c) {
    for (int j = 0; j <= CurveTopRow; ++j) S.PowerCurve[c][j] = 0;
    S.CurveEntered[c] = False;
    S.EngineSummary[c] = {};
    S.PowerDescript[c].clear();
  }
}

void ClearVehicleTexts() { S.VehicleData = VehicleTable{}; }

void ResetModelForLoad(ResetKind kind) {
  const bool isNew = kind == ResetKind::New;
  S.CancelFlag = 0;
  S.LowRPM = 0;
  S.HighRPM = 0;
  S.CalcRequested = True;
  S.ChassisFocusDone = False;
  if (isNew) S.RevLimitIndex = 0;
  ClearEntryFlags();
  ClearCurves();
  if (isNew) S.LastRunEngineSummary = PeakSummary{};
  ClearVehicleTexts();
  if (isNew) {
    S.LastRunVehicleData = VehicleTable{};
    for (auto& line : S.HistoryLines) line.clear();
    S.HistoryNext = 1;
    S.HistoryHead = 1;
  }
  S.VehicleName.clear();
  S.NitrousSG1 = 10;
  S.NitrousSG2 = 10;
  S.ClutchTimerLPercent = 1.0f;
  if (isNew) {
    S.MaxRPMIndex = 0;
    S.PowerMaxPower = 0;
    S.LoadFailed = False;
    S.DataDescription.clear();
    S.PowerFileDescription.clear();
    S.VehicleFileDescription.clear();
    S.DataSequence = True;
  }
}

void CloseWindows(const std::vector<std::string>& formNames) {
  if (!FileWindows.UnloadForm) return;
  // The estimate dialog's unload sets CancelFlag, which the load's own entry reads afterwards.
  const Integer cancel = S.CancelFlag;
  for (const std::string& name : formNames) FileWindows.UnloadForm(name);
  S.CancelFlag = cancel;
}

void EnableVehicleMenus() {
  if (FileWindows.EnableVehicleMenus) FileWindows.EnableVehicleMenus();
}

std::string CurveIconTip(int column) {
  static constexpr const char* Untitled[] = {"Power curve with no nitrous",
                                             "Power curve with one stage of nitrous",
                                             "Power curve with two stages of nitrous"};
  const std::string title = Trim(S.PowerDescript[column]);
  return title.empty() ? Untitled[column] : "Power curve for " + title;
}

void SetCurveIconTips() {
  if (!FileWindows.SetIconTip) return;
  for (int c = 0; c < CurveColumns; ++c) FileWindows.SetIconTip(6 + c, CurveIconTip(c));
}

void RunFileExit() {
  if (FileWindows.FileExit) FileWindows.FileExit();
}

}  // namespace kestrelon
