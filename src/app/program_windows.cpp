#include "app/program_windows.h"

#include "app/process_data.h"
#include "core/commands.h"
#include "entry/ui/data_forms.h"
#include "files/ui/file_command_windows.h"
#include "power/ui/power_curve_windows.h"
#include "report/ui/report_windows.h"
#include "results/ui/cascade_history_windows.h"
#include "results/ui/run_graph_windows.h"
#include "simulation/ui/estimate_windows.h"
#include "simulation/ui/run_windows.h"
#include "tree/ui/tree_windows.h"

namespace kestrelon {

// The run graph follows the file commands: it wraps their baseline hook, so it registers after
// them.
void RegisterProgramWindows() {
  RegisterDataForms();
  RegisterPowerCurveWindows();
  RegisterRunWindows();
  RegisterEstimateWindows();
  RegisterFileWindows();
  RegisterRunGraphWindows();
  RegisterCascadeHistoryWindows();
  RegisterReportWindows();
  RegisterTreeWindows();
  Hooks.Process_Data = Process_Data;
}

}  // namespace kestrelon
