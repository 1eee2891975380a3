#pragma once
// What the two curve-import targets share: a vehicle with a curve to import into, the File
// menu's import command run on the bytes as the chosen file, and the property every import
// keeps: a refused file changes nothing of the curve, and what an import accepts (curves and
// span), a power file saved afterwards gives back when it is opened again.
#include <cmath>
#include <functional>
#include <string>
#include <string_view>

#include "core/state.h"
#include "core/tables.h"
#include "files/example_vehicles.h"
#include "files/file_windows.h"
#include "files/power_file.h"
#include "fuzz_support.h"

namespace kestrelon::fuzz {

// The first example vehicle with its curves, loaded once; nothing unsaved, so no prompt.
inline const SharedState& VehicleWithCurve() {
  static const SharedState vehicle = [] {
    FreshModel();
    InitExampleCatalogue();
    LoadExampleVehicle(Tbl.ExampleKey[1]);
    RebuildExamplePeakSummary();
    S.DataSaved = True;
    return S;
  }();
  return vehicle;
}

// The seven digits a power file keeps.
inline bool SameTorque(Single a, Single b) {
  return std::fabs(a - b) <= 1e-6f * std::fmax(std::fabs(a), std::fabs(b));
}

inline void CheckImportCommand(std::string_view bytes, const std::function<void()>& command) {
  S = VehicleWithCurve();
  const std::string file = WriteScratch("export.txt", bytes);
  FileWindows.ShowFileDialog = [file](const FileDialogLook&) { S.FileDialogResult = file; };
  const CurveState before = S;
  command();
  // An accepted import leaves unsaved data behind it; a refused one nothing at all.
  if (S.DataSaved != False) {
    Check(S.PowerCurve == before.PowerCurve && S.EngineSummary == before.EngineSummary,
          "a refused import leaves the curve as it was");
    Check(S.MinRPMIndex == before.MinRPMIndex && S.MaxRPMIndex == before.MaxRPMIndex &&
              S.RevLimitIndex == before.RevLimitIndex && S.PowerMaxPower == before.PowerMaxPower,
          "a refused import leaves the span, rev limit and peak power as they were");
    return;
  }
  const CurveState imported = S;
  const std::string saved = ScratchPath("import.VCD");
  Check(WritePowerFile(saved).ok(), "the curve of an accepted import can be saved");
  LoadPowerFile(saved);
  Check(S.LoadFailed == False, "the power file saved after an import opens again");
  Check(S.MinRPMIndex == imported.MinRPMIndex && S.MaxRPMIndex == imported.MaxRPMIndex,
        "the power file saved after an import gives the same span back");
  // The no-nitrous curve ends with the span; the nitrous curves are kept whole.
  for (int c = 0; c < CurveColumns; ++c)
    for (int r = 1; r <= CurveTopRow; ++r)
      Check(SameTorque(S.PowerCurve[c][r], c > 0 || r <= imported.MaxRPMIndex ? imported.PowerCurve[c][r] : 0),
            "the power file saved after an import gives the same curve back");
}

}  // namespace kestrelon::fuzz
