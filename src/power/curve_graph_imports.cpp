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

bool GetEngineAnalyserCurve(const PowerGraphState& graph, const PlotRow& plot) {
  if (!graph.GraphReady) return false;
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
  bool chosen = false;
  RunGuarded("SuperFlow Power Data", [&] {
    S.PowerImportFileName = OpenFileDialog("*.SD9", "Select Power data", S.SuperFlowDataPath);
    if (S.PowerImportFileName.empty()) return;
    // The import fills the column this window edits; the stage in use stays as it was.
    const Integer stage = S.CurrentStage;
    S.CurrentStage = S.PowerCurveIndex;
    ImportSuperFlowPower(S.PowerImportFileName, 0);
    S.CurrentStage = stage;
    chosen = true;
  });
  return chosen;
}

}  // namespace kestrelon
