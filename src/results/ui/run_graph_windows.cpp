#include "results/ui/run_graph_windows.h"

#include "files/file_windows.h"
#include "results/ui/frmGraphColours.h"
#include "results/ui/frmGraphDyn.h"
#include "results/ui/frmSimDisplay.h"

namespace kestrelon {

void RegisterRunGraphWindows() {
  Form::Register("frmGraphDyn", [] { return new frmGraphDyn; });
  Form::Register("frmSimDisplay", [] { return new frmSimDisplay; });
  Form::Register("frmGraphColours", [] { return new frmGraphColours; });

  // Reload Baseline Data leaves no baseline to show: a graph on screen is drawn again at once.
  const auto clearCheck = FileWindows.ClearBaselineCheck;
  FileWindows.ClearBaselineCheck = [clearCheck] {
    if (clearCheck) clearCheck();
    if (auto* graph = qobject_cast<frmGraphDyn*>(Form::FindLoaded(QStringLiteral("frmGraphDyn"))))
      if (graph->isVisible()) graph->Refresh();
  };
}

}  // namespace kestrelon
