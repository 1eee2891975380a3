#include "files/vehicle_io.h"

#include <cerrno>
#include <filesystem>
#include <optional>

#include "core/commands.h"
#include "core/numbers.h"
#include "core/program_title.h"
#include "core/settings.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "files/file_dialog.h"
#include "files/file_error.h"
#include "files/file_exists.h"
#include "files/left_over_file.h"
#include "files/power_file.h"
#include "files/text_file.h"
#include "files/vehicle_file.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"

namespace kestrelon {

namespace {

constexpr const char* SaveTitle = "Save data";

// The vehicle's name from its file; nothing when the file cannot be found.
std::optional<std::string> VehicleNameOf(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return std::nullopt;
  return VehicleNameOfFile(path);
}

// The path a file was found by, from the working folder when it names none: a later start
// from another folder finds the file again by it, as by a path a dialog gives.
std::string FoundPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path found = std::filesystem::absolute(path, ec);
  return ec ? path : found.string();
}

// The power file that the last load or save paired with this vehicle file name: kept when the
// vehicle is saved again under the same name and the power file shares its stem.
std::string PairedPowerFile(const std::string& vehiclePath) {
  if (Cfg.LastChassis != vehiclePath) return {};
  const auto dot = vehiclePath.rfind('.');
  if (dot == std::string::npos) return {};
  const std::string_view stem(vehiclePath.data(), dot + 1);
  if (Cfg.LastPower.size() < stem.size() ||
      !EqualsNoCase(std::string_view(Cfg.LastPower).substr(0, stem.size()), stem))
    return {};
  return Cfg.LastPower;
}

// Shows why a file of the pair could not be written, followed by what else the racer has to
// know. True when the user asks to try again (a drive that was not ready).
bool RetryAfter(const FileWriteResult& result, const std::string& more = {}) {
  return TellFileError(result, SaveTitle, "Open File", more);
}

// A pair save that failed after the vehicle file was in place, and whose old vehicle file could
// not be put back either, leaves the new vehicle beside the old curves: the racer is told which
// file holds what, so as to save again. Empty when both files are as they were.
std::string HalfSavedText(const FileWriteResult& result, const std::string& vehiclePath, const std::string& powerPath) {
  if (result.leftNew.empty()) return {};
  return "\r\nThe vehicle file " + PathText(vehiclePath) + " now holds the new data and the power file " +
         PathText(powerPath) + (FileExistsQuietly(powerPath) ? " the old" : " is not written") + ": save again.";
}

// Writes one file of the pair beside its target, asking again while a drive is not ready. False
// when it was not written; the message has then been shown.
bool PrepareWithRetry(PendingFile& file, const std::string& path, const std::string& bytes) {
  for (;;) {
    const FileWriteResult result = file.Prepare(path, bytes);
    if (result.ok()) return true;
    if (!RetryAfter(result)) return false;
  }
}

}  // namespace

void ResetHistory() {
  S.LastRunEngineSummary = S.EngineSummary;
  S.LastRunVehicleData = S.VehicleData;
  for (auto& line : S.HistoryLines) line.clear();
  S.HistoryNext = 1;
  S.HistoryHead = 1;
}

bool LoadVehicleAndPower(const std::string& chassisPath, const std::string& powerPath) {
  const bool direct = !chassisPath.empty() && !powerPath.empty();
  bool rejected = false;
  if (direct) {
    S.VehicleFileName = chassisPath;
    S.PowerFileName = powerPath;
  }
  S.LoadFailed = False;
  S.DataDescription.clear();
  S.PowerFileDescription.clear();
  S.VehicleFileDescription.clear();

  const std::string start = Cfg.LastChassis.empty() ? Cfg.DataPath : Cfg.LastChassis;
  if (!direct) S.VehicleFileName = OpenFileDialog("*.WCD", "Select Vehicle data", start);
  if (!S.VehicleFileName.empty()) {
    Cfg.LastChassis = FoundPath(S.VehicleFileName);
    LoadVehicleFile(S.VehicleFileName);
    rejected = S.LoadFailed != False;
    if (auto name = VehicleNameOf(S.VehicleFileName)) S.VehicleName = *name;
  } else {
    S.VehicleName.clear();
  }
  if (!direct && (S.CancelFlag == 1 || S.LoadFailed)) {
    S.DataDescription.clear();
    return false;
  }

  std::string defaultPower = PowerFileBeside(S.VehicleFileName);
  if (defaultPower.empty()) defaultPower = Cfg.LastPower.empty() ? Cfg.DataPath : Cfg.LastPower;
  if (!direct) {
    if (defaultPower != Cfg.DataPath) PutBackLeftOverFile(defaultPower);
    if (defaultPower != Cfg.DataPath && FileExistsQuietly(defaultPower)) {
      S.PowerFileName = defaultPower;
    } else {
      S.PowerFileName = OpenFileDialog("*.VCD", "Select Power data", defaultPower);
    }
  }
  if (!S.PowerFileName.empty()) {
    Cfg.LastPower = FoundPath(S.PowerFileName);
    S.RevLimitIndex = 0;  // the limit comes from this vehicle's curve and texts alone
    LoadPowerFile(S.PowerFileName);
    rejected = rejected || S.LoadFailed != False;
    S.EngineEntered = True;
  }
  if (!direct && (S.CancelFlag == 1 || S.LoadFailed)) {
    S.DataDescription.clear();
    S.EngineEntered = False;
    return false;
  }

  // The descriptions stay with their files, for the next save to offer.
  S.DataDescription.clear();
  ResetHistory();
  S.DataSequence = True;
  S.AutoAccept = True;
  S.VehicleLoadDone = False;
  InputData(0, False);
  return !rejected;
}

SaveOutcome SaveVehicleAndPower() {
  // The files hold the curve an open graph shows; one its store refuses is not saved.
  if (!StoreOpenCurveEdit()) return SaveOutcome::Failed;
  // The vehicle's question names the power file too when that one is written without asking.
  ReplaceQuestion vehicleQuestion{PairedPowerFile}, powerQuestion;
  auto cancelled = [&] {
    ui().MsgBox("Save of Vehicle Data cancelled", Msg::OKOnly, ProgramTitle);
    return vehicleQuestion.declined || powerQuestion.declined ? SaveOutcome::Declined
                                                              : SaveOutcome::Cancelled;
  };
  // Both names are asked for before anything is written.
  S.SaveFileName = SaveFileDialog("*.WCD", "Save Vehicle Data", Cfg.LastChassis, &vehicleQuestion);
  if (S.SaveFileName.empty()) return cancelled();
  const std::string vehiclePath = S.SaveFileName;
  const std::string vehicleDescription = S.DataDescription;

  std::string powerPath = PairedPowerFile(vehiclePath);
  std::string powerDescription = vehicleDescription;
  if (powerPath.empty()) {
    // The power dialog offers the description just given to the vehicle file when the power
    // file has none of its own.
    const std::string keptDescription = S.VehicleFileDescription;
    S.VehicleFileDescription = vehicleDescription;
    // The power file is offered beside the vehicle file just named.
    const std::string besideVehicle = PowerFileBeside(vehiclePath);
    powerPath = SaveFileDialog("*.VCD", "Save Power Data",
                               besideVehicle.empty() ? Cfg.LastPower : besideVehicle, &powerQuestion);
    powerDescription = S.DataDescription;
    if (powerPath.empty()) {
      S.VehicleFileDescription = keptDescription;
      return cancelled();
    }
  }

  // Both files are written and on disk before either replaces its old file: a failure on the
  // way leaves both old files exactly as they were.
  const std::string keptVehicleDescription = S.VehicleFileDescription;
  const std::string keptPowerDescription = S.PowerFileDescription;
  S.DataDescription = vehicleDescription;
  const std::string vehicleBytes = VehicleFileContent();
  S.DataDescription = powerDescription;
  const std::optional<std::string> powerBytes = PowerFileContent();
  if (!powerBytes) RetryAfter(CurveBeyondPowerFile());
  PendingFile vehicle, power;
  bool written = powerBytes && PrepareWithRetry(vehicle, vehiclePath, vehicleBytes) && PrepareWithRetry(power, powerPath, *powerBytes);
  if (written) {
    const FileWriteResult result = CommitFiles({&vehicle, &power});
    written = result.ok();
    if (!written) RetryAfter(result, HalfSavedText(result, vehiclePath, powerPath));
  }
  if (!written) {
    S.VehicleFileDescription = keptVehicleDescription;
    S.PowerFileDescription = keptPowerDescription;
    return SaveOutcome::Failed;
  }

  S.VehicleFileName = vehiclePath;
  Cfg.LastChassis = vehiclePath;
  S.PowerFileName = powerPath;
  Cfg.LastPower = powerPath;
  S.DataSaved = True;
  return SaveOutcome::Saved;
}

}  // namespace kestrelon
