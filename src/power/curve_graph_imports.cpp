#include "power/curve_graph_imports.h"

#include <string>

#include "core/settings.h"
#include "core/state.h"
#include "files/file_dialog.h"
#include "files/power_import_commands.h"
#include "power/curve_graph_commands.h"
#include "power/curve_graph_scale.h"
#include "power/engine_analyser_import.h"
#include "power/superflow_import.h"

namespace kestrelon {

namespace {

// Puts back, on every way out of a Get command, what its dialog and its import may leave
// behind: the Cancel of the file dialog sets LoadFailed, a refused file sets CancelFlag, and
// the SuperFlow import is pointed at the edited column through CurrentStage.
class KeptEntryFlags {
 public:
  KeptEntryFlags() : cancel_(S.CancelFlag), loadFailed_(S.LoadFailed), stage_(S.CurrentStage) {}
  ~KeptEntryFlags() {
    S.CancelFlag = cancel_;
    S.LoadFailed = loadFailed_;
    S.CurrentStage = stage_;
  }
  KeptEntryFlags(const KeptEntryFlags&) = delete;
  KeptEntryFlags& operator=(const KeptEntryFlags&) = delete;

 private:
  Integer cancel_, loadFailed_, stage_;
};

}  // namespace

bool GetEngineAnalyserCurve(const PowerGraphState& graph, const PlotRow& plot) {
  if (!graph.GraphReady) return false;
  const KeptEntryFlags kept;
  bool chosen = false;
  RunGuarded("Engine Analyser Power Data", [&] {
    const std::string start =
        S.PowerImportFileName.empty() ? Cfg.EADataPath : S.PowerImportFileName;
    S.PowerImportFileName = OpenFileDialog("*.*", "Select Power data", start);
    if (S.PowerImportFileName.empty()) return;
    ImportEngineAnalyserPower(S.PowerImportFileName, S.PowerCurveIndex);
    FillPowerCurve(graph, plot);
    S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex);
    chosen = true;
  });
  return chosen;
}

bool GetSuperFlowCurve() {
  const KeptEntryFlags kept;
  bool chosen = false;
  RunGuarded("SuperFlow Power Data", [&] {
    S.PowerImportFileName = OpenFileDialog("*.SD9", "Select Power data", S.SuperFlowDataPath);
    if (S.PowerImportFileName.empty()) return;
    // The import fills the column the graph edits.
    S.CurrentStage = S.PowerCurveIndex;
    ImportSuperFlowPower(S.PowerImportFileName, 0);
    chosen = true;
  });
  return chosen;
}

}  // namespace kestrelon
