// The program: a Qt application whose start-up shows the main window bar; the event loop then
// drives everything until the bar is closed.
#include <QApplication>

#include "core/command_line.h"
#include "core/ui/sub_main.h"
#include "core/tables.h"
#include "entry/ui/data_forms.h"
#include "files/ui/file_command_windows.h"
#include "files/example_vehicles.h"
#include "platform/qt/form.h"
#include "platform/qt/qt_ui.h"
#include "power/ui/power_curve_windows.h"
#include "report/ui/report_windows.h"
#include "results/ui/run_graph_windows.h"
#include "simulation/ui/run_windows.h"
#include "tree/ui/tree_windows.h"
#include "simulation/ui/estimate_windows.h"
#include "results/ui/cascade_history_windows.h"

int main(int argc, char** argv) {
  using namespace kestrelon;
  QApplication app(argc, argv);
  // Only closing the bar ends the program; hiding every window (minimise all) does not.
  QApplication::setQuitOnLastWindowClosed(false);
  QtUi qtUi;
  setUi(&qtUi);
  // Each subsystem makes its windows and commands known before start-up.
  InitExampleCatalogueHook = InitExampleCatalogue;
  RegisterDataForms();
  RegisterPowerCurveWindows();
  RegisterRunWindows();
  RegisterFileWindows();
  RegisterTreeWindows();
  RegisterEstimateWindows();
  RegisterReportWindows();
  RegisterRunGraphWindows();
  RegisterCascadeHistoryWindows();

  int result = 0;
  if (auto bar = SubMain(CommandLineFromArguments(argc, argv))) result = RunProgram(*bar);
  Form::DeleteInstances();
  setUi(nullptr);
  return result;
}
