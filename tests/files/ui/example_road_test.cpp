// The whole road of a racer's session, run by the program's own event loop and quit path:
// File > Example with every window accepted, a run, a save, then File > Exit answered No
// (the program stays as it was) and File > Exit answered Yes (the program ends).
#include <QAction>
#include <QThread>
#include <QTimer>

#include "core/tables.h"
#include "core/ui/form1.h"
#include "core/ui/sub_main.h"
#include "file_window_fixture.h"

namespace kestrelon::test {
namespace {

class ExampleRoad : public FileWindowTest {
 protected:
  void SetUp() override {
    FileWindowTest::SetUp();
    previousConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.file("config")));  // written at exit
  }
  void TearDown() override {
    FileWindowTest::TearDown();
    qputenv("XDG_CONFIG_HOME", previousConfig_);
  }

 private:
  QByteArray previousConfig_;
};

TEST_F(ExampleRoad, ExampleRunSaveAndExitEndWithNoWindowAndNoLoop) {
  auto bar = std::make_unique<Form1>();
  bar->Load();
  bar->Show();
  std::vector<QString> accepted;
  QTimer racer;
  racer.setInterval(5);
  QObject::connect(&racer, &QTimer::timeout,
                   [&] { AcceptWaitingWindow(Tbl.ExampleDescription[1], accepted); });
  racer.start();
  DialogDriver dialogs;
  dialogs.actions = {TypeAndOpen(QStringLiteral("ROAD")), TypeAndOpen(QStringLiteral("ROAD"))};

  // What the racer does next, once what came before has settled.
  enum Step { Example, Run, Save, ExitNo, ExitYes, Done };
  Step step = Example;
  bool keptAfterNo = false;
  QTimer director;
  director.setInterval(20);
  QObject::connect(&director, &QTimer::timeout, [&] {
    switch (step) {
      case Example:
        step = Run;
        bar->mnuFileExample->trigger();
        break;
      case Run:
        if (!EverySectionIn()) break;
        step = Save;
        bar->mnuCalcAcc->trigger();
        break;
      case Save:
        if (!S.RunDone || Form::FindLoaded(QStringLiteral("frmCalcProgress"))) break;
        step = ExitNo;
        bar->mnuFileSave->trigger();
        break;
      case ExitNo:
        if (!S.DataSaved) break;
        step = ExitYes;
        ui.answers = {Msg::No};
        bar->mnuFileExit->trigger();
        keptAfterNo = bar->IsLoaded() && bar->isVisible();
        break;
      case ExitYes:
        step = Done;
        ui.answers = {Msg::Yes};
        bar->mnuFileExit->trigger();
        break;
      case Done:
        break;
    }
  });
  director.start();
  QTimer safety;
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  safety.start(60000);

  EXPECT_EQ(RunProgram(*bar), 0);
  EXPECT_EQ(step, Done);
  EXPECT_GE(accepted.size(), 7u);
  EXPECT_TRUE(keptAfterNo);
  EXPECT_EQ(dialogs.shown, 2);
  EXPECT_TRUE(std::filesystem::exists(folder.file("ROAD.WCD")));
  int exitQuestions = 0;
  for (const Asked& asked : ui.asked) exitQuestions += asked.text == "Do you really want to Exit?";
  EXPECT_EQ(exitQuestions, 2);
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
  EXPECT_EQ(QThread::currentThread()->loopLevel(), 0);
}

}  // namespace
}  // namespace kestrelon::test
