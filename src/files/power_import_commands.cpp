#include "files/power_import_commands.h"

#include <cerrno>
#include <exception>
#include <new>

#include "core/commands.h"
#include "core/settings.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "files/file_dialog.h"
#include "files/file_exists.h"
#include "files/open_pattern.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"
#include "power/engine_analyser_import.h"
#include "power/import_text.h"
#include "power/power_curve.h"
#include "power/stored_curve.h"
#include "power/superflow_import.h"

namespace kestrelon {

void RunGuarded(const std::string& title, const std::function<void()>& command) {
  try {
    command();
  } catch (const std::bad_alloc&) {
    // What the command held is freed by now; told as the readers tell running out of memory.
    const FileWriteResult error = FileError(ENOMEM);
    ui().MsgBox(UnexpectedErrorText(error.error, error.description), Msg::Critical, title);
  } catch (const std::exception& error) {
    ui().MsgBox(UnexpectedErrorText(0, error.what()), Msg::Critical, title);
  }
}

void FilePowerSuper() {
  RunGuarded("SuperFlow Power Data", [] {
    S.CancelFlag = 0;
    if (!OfferSaveFirst("Exit", 0)) return;
    S.PowerFileName = OpenFileDialog("*.SD9", "Select Power data", S.SuperFlowDataPath);
    if (S.PowerFileName.empty()) {
      S.CancelFlag = 0;
      return;
    }
    CancelOpenCurveGraph();
    // The import tells a refusal by CancelFlag alone: a failed load an earlier command left
    // behind must not keep a good import from the data entry, nor have it called cancelled.
    S.LoadFailed = False;
    ImportSuperFlowPower(S.PowerFileName, 1);
    if (S.CancelFlag == 0) {
      S.EngineEntered = False;
      S.DataSaved = False;
      S.CalcRequested = True;
      S.AutoAccept = False;
      InputData(1, False);
    }
  });
  S.CancelFlag = 0;
}

// Joins the column's points with straight lines from MinRPMIndex up to MaxRPMIndex; two points
// on neighbouring rows stay as they are.
static void JoinReadings(int column) {
  auto& curve = S.PowerCurve[column];
  int r = S.MinRPMIndex;
  while (r < S.MaxRPMIndex) {
    const int n = NextNonZeroPowerIndex(r);
    if (n - r > 1) {
      const Single slope = (curve[n] - curve[r]) / static_cast<Single>(n - r);
      for (int k = r + 1; k < n; ++k) curve[k] = static_cast<Single>(k - r) * slope + curve[r];
    }
    r = n;
  }
}

void FilePowerEA() {
  RunGuarded("Engine Analyser Power Data", [] {
    S.PowerImportFileName = OpenFileDialog("*.*", "Select Power data", Cfg.EADataPath);
    if (S.PowerImportFileName.empty()) return;
    CancelOpenCurveGraph();
    S.PowerCurveIndex = 0;
    const CurveState before = S;
    const EngineAnalyserImport import =
        ImportEngineAnalyserPower(S.PowerImportFileName, S.PowerCurveIndex, ImportInto::NewCurve);
    // A file read tells whether the last load came through; one refused has changed nothing.
    if (import.end != ImportEnd::Unreadable) S.LoadFailed = import.end == ImportEnd::InvalidData;
    if (import.end != ImportEnd::Taken) return;
    S.MaxRPMIndex = import.top;
    S.RevLimitIndex = 0;  // a new engine's limit: the vehicle's own within the new curve
    S.MinRPMIndex = NextNonZeroPowerIndex(0);
    JoinReadings(S.PowerCurveIndex);
    // Readings that cross zero can leave an empty row inside the curve, where a saved power
    // file would end it: such a file is refused and the curve stays as it was.
    if (!PowerFileKeepsCurve(S.PowerCurveIndex)) {
      static_cast<CurveState&>(S) = before;
      ShowInvalidImport(PathText(S.PowerImportFileName));
      S.LoadFailed = True;
      return;
    }
    // Stored as a saved power file gives it back: nothing of the old curve above the last
    // reading, the span from the first torque above 0, and what is worked out from the curve.
    StoreCurves();
    S.DataSaved = False;
    S.CalcRequested = True;
  });
  // The command ends here, whatever became of the file: no later command takes a refusal of
  // this one for its own cancel.
  S.CancelFlag = 0;
}

}  // namespace kestrelon
