// The program: a Qt application whose start-up shows the main window bar; the event loop then
// drives everything until the bar is closed.
#include <QApplication>
#include <QLocale>

#include "core/command_line.h"
#include "core/ui/sub_main.h"
#include "core/tables.h"
#include "app/program_windows.h"
#include "files/example_vehicles.h"
#include "platform/qt/form.h"
#include "platform/qt/qt_ui.h"

int main(int argc, char** argv) {
  using namespace kestrelon;
  QApplication app(argc, argv);
  // Numbers the toolkit shows or reads (spin boxes) use "." whatever the desktop's locale, as
  // every other number of the program does.
  QLocale::setDefault(QLocale::c());
  // Only closing the bar ends the program; hiding every window (minimise all) does not.
  QApplication::setQuitOnLastWindowClosed(false);
  QtUi qtUi;
  setUi(&qtUi);
  // Each subsystem makes its windows and commands known before start-up.
  InitExampleCatalogueHook = InitExampleCatalogue;
  RegisterProgramWindows();

  int result = 0;
  if (auto bar = SubMain(CommandLineSource(argc, argv))) result = RunProgram(*bar);
  Form::DeleteInstances();
  setUi(nullptr);
  return result;
}
