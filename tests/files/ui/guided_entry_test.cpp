// The guided entry as a racer walks it on screen: File > Example and File > New, every window
// answered from the keyboard (Enter) or with its OK button, through the peak figures, the curve
// graphs of every nitrous stage and the data forms, then a run and File > Exit. Keys and clicks
// go through the window system, so a window that another window's wait blocks takes nothing, as
// for the racer; a time limit turns a freeze into a failure.
#include <QAction>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <map>
#include <set>

#include "core/tables.h"
#include "core/ui/form1.h"
#include "core/ui/sub_main.h"
#include "file_window_fixture.h"
#include "simulation/ui/frmCalcProgress.h"

namespace kestrelon::test {
namespace {

// Watches windows come on screen and answers the one that takes input, once per showing.
class Racer : public QObject {
 public:
  // Each window that came on screen, as "form name: caption", in order.
  std::vector<std::string> shown;
  // What to type into a window before answering it (by form name); the default is nothing.
  std::map<QString, std::function<void(Form&)>> typing;

  Racer() {
    qApp->installEventFilter(this);
    timer_.setInterval(15);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start();
  }
  ~Racer() override { qApp->removeEventFilter(this); }

  // The window that would take the racer's next key: a window waited for, else the window that
  // came on screen last and is still there (the bar and the progress window are not answered).
  Form* Target() const {
    if (auto* modal = dynamic_cast<Form*>(QApplication::activeModalWidget())) return modal;
    for (auto it = order_.rbegin(); it != order_.rend(); ++it)
      if (*it && (*it)->isVisible()) return *it;
    return nullptr;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* form = dynamic_cast<Form*>(watched);
    if (!form || !form->isWindow() || dynamic_cast<Form1*>(form) || dynamic_cast<frmCalcProgress*>(form))
      return false;
    if (event->type() == QEvent::Show) {
      shown.push_back(form->FormName().toStdString() + ": " + form->Caption().toStdString());
      form->setProperty("answered", false);
      order_.push_back(form);
    }
    return false;
  }

 private:
  void Answer() {
    Form* form = Target();
    if (!form || form->property("answered").toBool() || !form->windowHandle() ||
        !form->windowHandle()->isExposed())
      return;
    form->setProperty("answered", true);
    // Typed and pressed from the event queue, as the racer's keys come: whatever the press opens
    // waits inside it, and the racer's next look must not wait with it.
    QMetaObject::invokeMethod(form, [this, form] { Press(*form); }, Qt::QueuedConnection);
  }

  void Press(Form& form) {
    if (const auto typed = typing.find(form.FormName()); typed != typing.end()) typed->second(form);
    QWindow* window = form.windowHandle();
    if (auto* graph = dynamic_cast<frmGraphPower*>(&form)) {
      const QPoint ok = graph->GraphOKButton->mapTo(graph, graph->GraphOKButton->rect().center());
      QTest::mouseClick(window, Qt::LeftButton, {}, ok);
    } else {
      QTest::keyClick(window, Qt::Key_Return);
    }
  }

  QTimer timer_;
  std::vector<QPointer<Form>> order_;
};

class GuidedEntry : public FileWindowTest {
 protected:
  void SetUp() override {
    FileWindowTest::SetUp();
    previousConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.file("config")));
  }
  void TearDown() override {
    FileWindowTest::TearDown();
    qputenv("XDG_CONFIG_HOME", previousConfig_);
  }

  // Runs the session: `start` begins it from the bar; once every section is in, a run from the
  // run set-up, then File > Exit answered No to saving. False when it did not end in time.
  bool Session(Form1& bar, const std::function<void()>& start, Racer& racer) {
    enum Step { Start, Run, Exit, Done };
    Step step = Start;
    QTimer director;
    director.setInterval(30);
    QObject::connect(&director, &QTimer::timeout, [&] {
      switch (step) {
        case Start:
          step = Run;
          start();
          break;
        case Run:
          if (!EverySectionIn() || racer.Target()) break;
          step = Exit;
          bar.mnuCalcAcc->trigger();
          break;
        case Exit:
          if (!S.RunDone || Form::FindLoaded(QStringLiteral("frmCalcProgress")) || racer.Target()) break;
          step = Done;
          ui.answers = {Msg::No};
          bar.mnuFileExit->trigger();
          break;
        case Done:
          break;
      }
    });
    director.start();
    bool inTime = true;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] {
      inTime = false;
      for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
      QCoreApplication::exit(1);
    });
    limit.start(30000);
    RunProgram(bar);
    return inTime && step == Done;
  }

  static bool EverySectionIn() {
    for (Integer entered : {S.EngineEntered, S.ChassisEntered, S.TyreEntered, S.AeroEntered,
                            S.TransmissionEntered, S.ClutchEntered, S.InertiaEntered})
      if (!entered) return false;
    return true;
  }

  // Each window came on screen once.
  static void ExpectEachShownOnce(const std::vector<std::string>& shown) {
    std::set<std::string> seen;
    for (const std::string& window : shown) EXPECT_TRUE(seen.insert(window).second) << window << " shown again";
  }

 private:
  QByteArray previousConfig_;
};

// Chooses example `row` (1-based) in the chooser by keys: End and Home (the list's first row is
// current but not chosen when it takes the focus), then Down to the row.
std::function<void(Form&)> ChooseRow(int row) {
  return [row](Form& form) {
    auto& chooser = dynamic_cast<frmExample&>(form);
    chooser.ExList->setFocus();
    QTest::keyClick(chooser.windowHandle(), Qt::Key_End);
    QTest::keyClick(chooser.windowHandle(), Qt::Key_Home);
    for (int i = 1; i < row; ++i) QTest::keyClick(chooser.windowHandle(), Qt::Key_Down);
  };
}

TEST_F(GuidedEntry, EveryExampleWalksItsWindowsOnceAndRuns) {
  for (int row = 1; row <= 25; ++row) {
    SCOPED_TRACE(Tbl.ExampleDescription[row]);
    S = SharedState{};
    S.DataSaved = True;
    Cfg.ShowLogo = False;
    auto bar = std::make_unique<Form1>();
    bar->Load();
    bar->Show();
    Racer racer;
    racer.typing[QStringLiteral("frmExample")] = ChooseRow(row);
    ASSERT_TRUE(Session(*bar, [&] { bar->mnuFileExample->trigger(); }, racer))
        << "froze after: " << testing::PrintToString(racer.shown)
        << (ui.asked.empty() ? std::string() : ", last asked: " + ui.asked.back().text);
    ExpectEachShownOnce(racer.shown);
    EXPECT_NE(S.Time1320ft, 0) << "no run";
    for (QWidget* window : QApplication::topLevelWidgets())
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    EXPECT_EQ(QThread::currentThread()->loopLevel(), 0);
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
  }
}

// Types a stage's peak figures: power at its rpm (and the top rpm for the curve without nitrous).
void TypePeakFigures(frmPNAData& peaks) {
  static const std::map<Integer, std::pair<const char*, const char*>> figures{
      {0, {"300", "10000"}}, {1, {"400", "10000"}}, {2, {"480", "10000"}}};
  const auto& [power, rpm] = figures.at(S.PowerCurveIndex);
  const auto type = [](QLineEdit* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
  };
  if (peaks.MaxRPM->isVisible()) type(peaks.MaxRPM, "10500");
  type(peaks.MaxBHP, power);
  type(peaks.MaxPRPM, rpm);
  peaks.MaxBHP->setFocus();
}

TEST_F(GuidedEntry, NewVehicleWithTwoNitrousStagesIsEnteredAndRuns) {
  // The sections typed as the turbo nitrous funny bike has them; the engine's figures (top rpm,
  // peak power, launch temperature, rev limit) come from the peak figures typed.
  const SharedState before = S;
  LoadExampleVehicle("TNFUNNY");
  const auto typed = S.VehicleData;
  S = before;

  Cfg.ShowLogo = False;
  auto bar = std::make_unique<Form1>();
  bar->Load();
  bar->Show();
  Racer racer;
  racer.typing[QStringLiteral("frmPNAData")] = [](Form& form) { TypePeakFigures(dynamic_cast<frmPNAData&>(form)); };
  for (const char* name : {"frmDataChassis", "frmDataTyre", "frmDataAero", "frmDataGears", "frmDataNitrous",
                           "frmDataClutch", "frmDataInertia"}) {
    racer.typing[QString::fromLatin1(name)] = [&typed](Form& form) {
      for (int group = 1; group <= 10; ++group)
        for (int item = 0; item <= 20; ++item)
          if (!(group == 6 && item <= 2) && !(group == 9 && item == 2) && !(group == 8 && item == 18))
            S.VehicleData[group][item] = typed[group][item];
      dynamic_cast<DataForm&>(form).ShowVehicleData();
    };
  }
  ASSERT_TRUE(Session(*bar, [&] { bar->mnuFileNew->trigger(); }, racer))
      << "froze after: " << testing::PrintToString(racer.shown)
      << (ui.asked.empty() ? std::string() : ", last asked: " + ui.asked.back().text);
  ExpectEachShownOnce(racer.shown);
  const std::vector<std::string> curves(racer.shown.begin(), racer.shown.begin() + 6);
  EXPECT_EQ(curves, (std::vector<std::string>{
                        "frmPNAData: Power with no nitrous", "frmGraphPower: Power with no Nitrous",
                        "frmPNAData: 1st stage nitrous", "frmGraphPower: Power with 1st stage Nitrous",
                        "frmPNAData: 2nd stage nitrous", "frmGraphPower: Power with 2nd stage Nitrous"}));
  EXPECT_NE(S.EngineSummary[2][0], 0);
  EXPECT_EQ(S.NitrousEntered, True);
  EXPECT_NE(S.Time1320ft, 0) << "no run";
  EXPECT_EQ(QThread::currentThread()->loopLevel(), 0);
}

}  // namespace
}  // namespace kestrelon::test
