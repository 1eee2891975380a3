// The guided entry as a racer walks it on screen: File > Example and File > New, every window
// answered from the keyboard (Enter) or with its OK button, through the peak figures, the curve
// graphs of every nitrous stage and the data forms, then a run and File > Exit. Keys and clicks
// go through the window system, so a window that another window's wait blocks takes nothing, as
// for the racer; a time limit turns a freeze into a failure.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <map>
#include <set>

#include "core/tables.h"
#include "core/ui/form1.h"
#include "core/ui/sub_main.h"
#include "file_window_fixture.h"
#include "entry/ui/frmDataClutch.h"
#include "entry/ui/frmDataNitrous.h"
#include "entry/ui/frmNitrousAdjust.h"
#include "simulation/ui/frmCalcProgress.h"
#include "simulation/ui/estimate_windows.h"
#include "simulation/ui/frmEstimate.h"

namespace kestrelon::test {
namespace {

// Watches windows come on screen and answers the one that takes input, each time it becomes the
// window that takes input.
class Racer : public QObject {
 public:
  // Each window that came on screen, as "form name: caption", in order.
  std::vector<std::string> shown;
  // What the racer does in a window before pressing Enter (by form name): types into it, or
  // returns a button (or check box) to click instead of Enter.
  std::map<QString, std::function<QAbstractButton*(Form&)>> typing;
  // Curve graphs (by caption) answered with Cancel instead of OK.
  std::set<QString> cancelled;
  // Windows (by form name) the racer leaves open and unanswered, working on from the bar.
  std::set<QString> leftOpen;

  Racer() {
    qApp->installEventFilter(this);
    timer_.setInterval(15);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start();
  }
  ~Racer() override { qApp->removeEventFilter(this); }

  // The window that would take the racer's next key: a window that holds the input, else the
  // window that came on screen last and is still there (the bar, the progress window and the
  // windows left open are not answered).
  Form* Target() const {
    if (auto* modal = dynamic_cast<Form*>(QApplication::activeModalWidget()))
      return dynamic_cast<frmCalcProgress*>(modal) ? nullptr : modal;
    for (auto it = order_.rbegin(); it != order_.rend(); ++it)
      if (*it && (*it)->isVisible() && !leftOpen.contains((*it)->FormName())) return *it;
    return nullptr;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* form = dynamic_cast<Form*>(watched);
    if (!form || !form->isWindow() || dynamic_cast<Form1*>(form)) return false;
    if (event->type() == QEvent::Show && !dynamic_cast<frmCalcProgress*>(form)) {
      shown.push_back(form->FormName().toStdString() + ": " + form->Caption().toStdString());
      ++showings_;
      order_.push_back(form);
    }
    // The window system's activation of a window, queued while it was on screen (when a
    // window it waited for closed, or the run's progress window within the run), arrives after
    // it has hidden, as it does on a desktop.
    if (event->type() == QEvent::Hide) {
      QMetaObject::invokeMethod(
          form, [window = QPointer<Form>(form)] {
            if (window && !window->isVisible()) QApplication::setActiveWindow(window);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Answer() {
    Form* form = Target();
    if (!form || (form == answered_ && showings_ == answeredAt_) || !form->windowHandle() ||
        !form->windowHandle()->isExposed())
      return;
    answered_ = form;
    answeredAt_ = showings_;
    // Typed and pressed from the event queue, as the racer's keys come: whatever the press opens
    // waits inside it, and the racer's next look must not wait with it.
    QMetaObject::invokeMethod(form, [this, form] { Press(*form); }, Qt::QueuedConnection);
  }

  void Press(Form& form) {
    QAbstractButton* button = nullptr;
    if (const auto typed = typing.find(form.FormName()); typed != typing.end()) button = typed->second(form);
    if (auto* graph = dynamic_cast<frmGraphPower*>(&form))
      button = cancelled.contains(form.Caption()) ? graph->CancelButton : graph->GraphOKButton;
    QWindow* window = form.windowHandle();
    if (button)
      QTest::mouseClick(window, Qt::LeftButton, {}, button->mapTo(&form, button->rect().center()));
    else
      QTest::keyClick(window, Qt::Key_Return);
  }

  QTimer timer_;
  std::vector<QPointer<Form>> order_;
  int showings_ = 0;
  QPointer<Form> answered_;
  int answeredAt_ = -1;
};

class GuidedEntry : public FileWindowTest {
 protected:
  // The main bar on screen, as the program starts.
  static std::unique_ptr<Form1> ShownBar() {
    auto bar = std::make_unique<Form1>();
    bar->Load();
    bar->Show();
    return bar;
  }

  // One thing the racer does from the bar once the windows before it have been answered and
  // `ready` holds.
  struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
  };

  // The usual session: `start` from the bar, a run once every section is in, then File > Exit.
  std::vector<Step> RunAndExit(Form1& bar, std::function<void()> start) {
    return {{[] { return true; }, std::move(start)},
            {EverySectionIn, [&bar] { bar.mnuCalcAcc->trigger(); }},
            {RunEnded, [this, &bar] { Exit(bar); }}};
  }

  // File > Exit: No to saving first, or Yes to the question whether to exit once saved.
  void Exit(Form1& bar) {
    ui.answers = {S.DataSaved ? Msg::Yes : Msg::No};
    bar.mnuFileExit->trigger();
  }

  // Runs the steps in the program's event loop, with the racer answering every window. False
  // when the program did not end, after the last step, within the time limit.
  static bool Session(const std::vector<Step>& steps, Racer& racer, int limitMs = 30000) {
    std::size_t next = 0;
    QTimer director;
    director.setInterval(30);
    QObject::connect(&director, &QTimer::timeout, [&] {
      if (racer.Target() || next == steps.size() || !steps[next].ready()) return;
      steps[next++].act();
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
    limit.start(limitMs);
    auto* bar = dynamic_cast<Form1*>(Form::FindLoaded(QStringLiteral("Form1")));
    if (!bar) return false;
    RunProgram(*bar);
    return inTime && next == steps.size();
  }

  static bool RunEnded() { return S.RunDone && !Form::FindLoaded(QStringLiteral("frmCalcProgress")); }

  // Each window came on screen once.
  static void ExpectEachShownOnce(const std::vector<std::string>& shown) {
    std::set<std::string> seen;
    for (const std::string& window : shown) EXPECT_TRUE(seen.insert(window).second) << window << " shown again";
  }
};

// Chooses example `row` (1-based) in the chooser by keys: End and Home (the list's first row is
// current but not chosen when it takes the focus), then Down to the row; then Enter.
std::function<QAbstractButton*(Form&)> ChooseRow(int row) {
  return [row](Form& form) -> QAbstractButton* {
    auto& chooser = dynamic_cast<frmExample&>(form);
    chooser.ExList->setFocus();
    QTest::keyClick(chooser.windowHandle(), Qt::Key_End);
    QTest::keyClick(chooser.windowHandle(), Qt::Key_Home);
    for (int i = 1; i < row; ++i) QTest::keyClick(chooser.windowHandle(), Qt::Key_Down);
    return nullptr;
  };
}

// What the racer saw and was asked, for a session that did not end.
std::string Froze(const Racer& racer, const std::vector<Asked>& asked) {
  std::string questions;
  for (const Asked& a : asked) questions += " \"" + a.text + "\"";
  return "froze after: " + testing::PrintToString(racer.shown) + ", asked:" + questions;
}

// One session, as a racer tries one vehicle after another: every example in turn, and the Top
// Fuel Funny Car (whose clutch has timers) twice in a row. The windows are kept from one vehicle
// to the next, as the program keeps them, so a window shown again must take Enter as its OK
// whatever happened to its focus while it was hidden.
TEST_F(GuidedEntry, EveryExampleWalksItsWindowsOnceAndRuns) {
  std::vector<int> rows;
  for (int row = 1; row <= 25; ++row) {
    rows.push_back(row);
    if (row == 10) rows.push_back(row);
  }
  auto bar = ShownBar();
  Racer racer;
  struct Walked {
    int row;
    std::size_t firstShown;  // the first of its windows in racer.shown
    Single time1320 = 0, speed1320 = 0;
  };
  std::vector<Walked> walked;
  std::vector<Step> steps;
  for (const int row : rows) {
    steps.push_back({[] { return true; }, [&, row] {
                       walked.push_back({row, racer.shown.size()});
                       racer.typing[QStringLiteral("frmExample")] = ChooseRow(row);
                       ui.answers = {Msg::No};  // not to save the vehicle before
                       bar->mnuFileExample->trigger();
                     }});
    steps.push_back({EverySectionIn, [&bar] { bar->mnuCalcAcc->trigger(); }});
    steps.push_back({RunEnded, [&walked] {
                       walked.back().time1320 = S.Time1320ft;
                       walked.back().speed1320 = S.Speed1320ft;
                     }});
  }
  steps.push_back({[] { return true; }, [&] { Exit(*bar); }});
  ASSERT_TRUE(Session(steps, racer, 60000)) << Froze(racer, ui.asked);

  ASSERT_EQ(walked.size(), rows.size());
  for (std::size_t k = 0; k < walked.size(); ++k) {
    SCOPED_TRACE(Tbl.ExampleDescription[walked[k].row]);
    const std::size_t end = k + 1 < walked.size() ? walked[k + 1].firstShown : racer.shown.size();
    ExpectEachShownOnce({racer.shown.begin() + static_cast<std::ptrdiff_t>(walked[k].firstShown),
                         racer.shown.begin() + static_cast<std::ptrdiff_t>(end)});
    EXPECT_NE(walked[k].time1320, 0) << "no run";
  }
  // The same vehicle walked twice gives the same ticket.
  EXPECT_EQ(std::tuple(walked[9].time1320, walked[9].speed1320),
            std::tuple(walked[10].time1320, walked[10].speed1320));
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
  EXPECT_EQ(QThread::currentThread()->loopLevel(), 0);
}

// After a run the keys reach the window the racer works in, however late the window system's
// activation of the hidden progress window comes. With the results windows open: a run from the
// bar leaves the bar's menus answering (Alt+F opens File); after an F2 run from the chassis form,
// Esc closes that form and cancels nothing, even when the window system still sends the key to
// the progress window.
TEST_F(GuidedEntry, AfterARunTheKeysReachTheWindowTheRacerWorksIn) {
  auto bar = ShownBar();
  Racer racer;
  racer.typing[QStringLiteral("frmExample")] = ChooseRow(7);  // Pro Stock car
  racer.leftOpen = {QStringLiteral("frmSimDisplay"), QStringLiteral("frmGraphDyn")};
  const auto active = [](const QWidget* window) { return [window] { return QApplication::activeWindow() == window; }; };
  const auto chassis = [] { return Form::FindLoaded(QStringLiteral("frmDataChassis")); };
  int menusOpened = 0, formsClosed = 0;
  std::vector<Step> steps = {{[] { return true; }, [&] { bar->mnuFileExample->trigger(); }},
                             {EverySectionIn, [&] { bar->mnuCalcAcc->trigger(); }}};
  constexpr int Rounds = 2;
  for (int round = 0; round < Rounds; ++round) {
    steps.push_back({RunEnded, [&] { bar->activateWindow(); }});
    steps.push_back({active(bar.get()), [&] { bar->mnuCalcAcc->trigger(); }});
    // Each run ends in the window it started from, once the window system has moved there.
    steps.push_back({[&] { return RunEnded() && active(bar.get())(); }, [&] {
                       QTest::keyClick(bar->windowHandle(), Qt::Key_F, Qt::AltModifier);
                       menusOpened += bar->mnuFile->menu()->isVisible();
                       bar->mnuFile->menu()->hide();
                       racer.leftOpen.insert(QStringLiteral("frmDataChassis"));  // entered: the racer runs from it
                       bar->mnuDataChassis->trigger();
                     }});
    steps.push_back({[&] { return chassis() && active(chassis())(); },
                     [&] { QTest::keyClick(chassis()->windowHandle(), Qt::Key_F2); }});
    steps.push_back({[&] { return RunEnded() && chassis() && active(chassis())(); }, [&] {
                       Form* form = chassis();
                       const Integer cancelFlag = S.CancelFlag;
                       QTest::keyClick(Form::Instance("frmCalcProgress")->windowHandle(), Qt::Key_Escape);
                       formsClosed += !form->isVisible();
                       EXPECT_EQ(S.CancelFlag, cancelFlag);
                     }});
  }
  steps.push_back({[] { return true; }, [&] { Exit(*bar); }});
  ASSERT_TRUE(Session(steps, racer)) << Froze(racer, ui.asked);
  EXPECT_EQ(std::tuple(menusOpened, formsClosed), std::tuple(Rounds, Rounds));
}

// Types a stage's peak figures: power at its rpm (and the top rpm for the curve without nitrous).
QAbstractButton* TypePeakFigures(Form& form) {
  auto& peaks = dynamic_cast<frmPNAData&>(form);
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
  return nullptr;
}

TEST_F(GuidedEntry, NewVehicleWithTwoNitrousStagesIsEnteredAndRuns) {
  // The sections typed as the turbo nitrous funny bike has them; the engine's figures (top rpm,
  // peak power, launch temperature, rev limit) come from the peak figures typed.
  const SharedState before = S;
  LoadExampleVehicle("TNFUNNY");
  const auto typed = S.VehicleData;
  S = before;

  auto bar = ShownBar();
  Racer racer;
  racer.typing[QStringLiteral("frmPNAData")] = TypePeakFigures;
  for (const char* name : {"frmDataChassis", "frmDataTyre", "frmDataAero", "frmDataGears", "frmDataNitrous",
                           "frmDataClutch", "frmDataInertia"}) {
    racer.typing[QString::fromLatin1(name)] = [&typed](Form& form) -> QAbstractButton* {
      for (int group = 1; group <= 10; ++group)
        for (int item = 0; item <= 20; ++item)
          if (!(group == 6 && item <= 2) && !(group == 9 && item == 2) && !(group == 8 && item == 18))
            S.VehicleData[group][item] = typed[group][item];
      dynamic_cast<DataForm&>(form).ShowVehicleData();
      return nullptr;
    };
  }
  ASSERT_TRUE(Session(RunAndExit(*bar, [&] { bar->mnuFileNew->trigger(); }), racer)) << Froze(racer, ui.asked);
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

// Cancel on a nitrous stage's graph ends the guided entry there: the stage is not asked for
// again, and the program takes input as before (File > Exit answers).
TEST_F(GuidedEntry, CancelOnAStageGraphEndsTheEntryOnce) {
  auto bar = ShownBar();
  Racer racer;
  racer.typing[QStringLiteral("frmExample")] = ChooseRow(3);  // two nitrous stages
  racer.cancelled = {QStringLiteral("Power with 1st stage Nitrous")};
  ASSERT_TRUE(Session({{[] { return true; }, [&] { bar->mnuFileExample->trigger(); }},
                       {[] { return true; }, [&] { Exit(*bar); }}},
                      racer))
      << Froze(racer, ui.asked);
  EXPECT_EQ(racer.shown, (std::vector<std::string>{
                             "frmExample: Examples", "frmPNAData: Power with no nitrous",
                             "frmGraphPower: Power with no Nitrous", "frmPNAData: 1st stage nitrous",
                             "frmGraphPower: Power with 1st stage Nitrous"}));
  EXPECT_EQ(std::tuple(S.CurveEntered[0], S.CurveEntered[1], S.DataSequence, S.InputDataPending),
            std::tuple(True, False, False, False));
}

// The windows that wait inside others: the clutch timers inside the clutch form and the nitrous
// calculator inside the nitrous form during the entry (the calculator left with Cancel), the file dialog inside File > Save, and
// the estimate's results inside its dialog; each answered, the program goes on taking input.
TEST_F(GuidedEntry, WindowsWaitedForInsideOthersHandTheInputBack) {
  RegisterEstimateWindows();
  auto bar = ShownBar();
  Racer racer;
  racer.typing[QStringLiteral("frmExample")] = ChooseRow(3);
  // The first time each form is answered, its button that opens the inner window.
  const auto firstClick = [](auto button) {
    return [button, clicked = false](Form& form) mutable -> QAbstractButton* {
      return std::exchange(clicked, true) ? nullptr : button(form);
    };
  };
  racer.typing[QStringLiteral("frmDataClutch")] =
      firstClick([](Form& form) { return dynamic_cast<frmDataClutch&>(form).ClutchTimerButton; });
  racer.typing[QStringLiteral("frmDataNitrous")] =
      firstClick([](Form& form) { return dynamic_cast<frmDataNitrous&>(form).NCalculate[1]; });
  racer.typing[QStringLiteral("frmNitrousAdjust")] = [](Form& form) -> QAbstractButton* {
    return dynamic_cast<frmNitrousAdjust&>(form).cmdCancel;
  };
  racer.typing[QStringLiteral("frmEstimate")] = [](Form& form) -> QAbstractButton* {
    auto& estimate = dynamic_cast<frmEstimate&>(form);
    estimate.Est1320time->setText(QString::number(S.Time1320ft + 0.2, 'f', 2));
    return nullptr;
  };
  int fileDialogs = 0;
  racer.typing[QStringLiteral("FrmFileOpen")] = [&fileDialogs](Form& form) -> QAbstractButton* {
    auto& dialog = dynamic_cast<FrmFileOpen&>(form);
    ++fileDialogs;
    dialog.FileName->setText(QStringLiteral("NESTED"));
    return dialog.OpenButton;
  };
  ASSERT_TRUE(Session({{[] { return true; }, [&] { bar->mnuFileExample->trigger(); }},
                       {EverySectionIn, [&] { bar->mnuCalcAcc->trigger(); }},
                       {RunEnded, [&] { bar->mnuFileSave->trigger(); }},
                       {[] { return S.DataSaved == True; }, [&] { bar->mnuCalcEstimate->trigger(); }},
                       {RunEnded, [&] { Exit(*bar); }}},
                      racer))
      << Froze(racer, ui.asked);
  for (const std::string inner : {"frmDataClutchTimers", "frmNitrousAdjust", "frmEstResult"}) {
    EXPECT_TRUE(std::any_of(racer.shown.begin(), racer.shown.end(),
                            [&inner](const std::string& window) { return window.starts_with(inner + ":"); }))
        << inner;
  }
  EXPECT_EQ(fileDialogs, 2);  // the vehicle file, then the power file
  EXPECT_TRUE(std::filesystem::exists(folder.file("NESTED.WCD")) && std::filesystem::exists(folder.file("NESTED.VCD")));
}

}  // namespace
}  // namespace kestrelon::test
