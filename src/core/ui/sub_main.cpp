#include "core/ui/sub_main.h"

#include <QApplication>

#include "core/startup.h"
#include "core/state.h"
#include "core/ui/frmAbout.h"

namespace kestrelon {

std::unique_ptr<Form1> SubMain(const CommandLineSource& commandLine) {
  if (StartupBeforeSplash(commandLine)) ShowSplash();
  StartupAfterSplash();
  auto bar = std::make_unique<Form1>();
  // The command-line run happens inside the bar's load, before the bar is on screen; an exit
  // chosen there ends the program without showing it.
  bar->Load();
  if (!bar->IsLoaded()) return nullptr;
  bar->Show();
  S.CalcRequested = True;
  return bar;
}

int RunProgram(Form1& bar) {
  // The bar has asked its one exit question and written the settings. Qt's own quit would
  // close the windows again, and so ask the bar's question a second time: the windows are
  // hidden instead, and the loops told to end.
  const QMetaObject::Connection ending = QObject::connect(&bar, &Form1::ProgramEnds, [] {
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(0);
  });
  const int result = QApplication::exec();
  QObject::disconnect(ending);
  return result;
}

}  // namespace kestrelon
