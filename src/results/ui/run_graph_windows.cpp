#include "results/ui/run_graph_windows.h"

#include "results/ui/frmGraphColours.h"
#include "results/ui/frmGraphDyn.h"
#include "results/ui/frmSimDisplay.h"

namespace kestrelon {

void RegisterRunGraphWindows() {
  Form::Register("frmGraphDyn", [] { return new frmGraphDyn; });
  Form::Register("frmSimDisplay", [] { return new frmSimDisplay; });
  Form::Register("frmGraphColours", [] { return new frmGraphColours; });
}

}  // namespace kestrelon
