// The main bar: its menus, the icon strip with its gating, the Window list and window
// commands, minimise and restore with the bar, and the exit questions.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <tuple>

#include "bar_fixture.h"
#include "core/ui/icon_strip.h"
#include "core/ui/sub_main.h"
#include "report/ui/report_windows.h"
#include "results/ui/cascade_history_windows.h"
#include "results/ui/frmHistory.h"

namespace kestrelon::test {
namespace {

QStringList Captions(const QMenu* menu) {
  QStringList out;
  for (const QAction* action : menu->actions())
    if (action->isVisible()) out << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return out;
}

using Form1Menus = BarTest;

TEST_F(Form1Menus, MenuTreeAndStatesAfterLoad) {
  QStringList top;
  for (const QAction* action : bar->MenuBar->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"&File", "&Data", "&Calculate", "Dis&play", "&Window", "&Setup...",
                              "&Help"}));
  EXPECT_EQ(Captions(bar->mnuFile->menu()),
            (QStringList{"&Example...", "&New...", "&Open...", "&Save...", "Reload &Baseline Data",
                         "-", "E&xit"}));
  EXPECT_EQ(Captions(bar->mnuFileOpen->menu()),
            (QStringList{"Complete &Vehicle...", "&Power ", "&Chassis..."}));
  EXPECT_EQ(Captions(bar->mnuData->menu()),
            (QStringList{"&Power curves", "&Chassis...", "&Wheels and Tyres...", "&Aerodynamics...",
                         "&Transmission...", "&Nitrous Oxide...", "C&lutch...", "&Inertia...",
                         "&Throttle controls..."}));
  EXPECT_EQ(Captions(bar->mnuCalc->menu()), (QStringList{"Run &Simulation...", "Practice &Tree...",
                                                         "&Wheelie Threshold", "&Estimate power"}));
  EXPECT_EQ(Captions(bar->mnuWindow->menu()),
            (QStringList{"&Cascade windows", "&Minimise all", "&Restore all", "-"}));
  for (const QAction* off :
       {bar->mnuData, bar->mnuCalc, bar->mnuDisplay, bar->mnuFileSave, bar->mnuFileBaseline})
    EXPECT_FALSE(off->isEnabled()) << off->text().toStdString();
  EXPECT_FALSE(bar->mnuFileConvert->isVisible());
  EXPECT_TRUE(bar->mnuSetup->isEnabled());
  EXPECT_EQ(S.DataSaved, True);
  EXPECT_EQ(std::tuple(bar->IconTips[16], bar->IconTips[18]), std::tuple("Practice Tree", " "));
}

TEST_F(Form1Menus, ConvertIsOfferedInDebugMode) {
  Cfg.DebugMode = True;
  Form1 debugBar;
  debugBar.Load();
  EXPECT_TRUE(debugBar.mnuFileConvert->isVisible());
  EXPECT_TRUE(debugBar.mnuFileConvert->isEnabled());
}

TEST_F(Form1Menus, RenderedBarShowsMenusAndIcons) {
  bar->Show();
  const QImage shot = bar->grab().toImage();
  ASSERT_FALSE(shot.isNull());
  // The icons: the strip's area holds the drawn picture, many colours, not a blank face.
  const QRect strip(bar->IconBar->mapTo(bar.get(), QPoint(0, 0)), bar->IconBar->size());
  QSet<QRgb> colours;
  for (int y = strip.top(); y <= strip.bottom(); y += 2)
    for (int x = strip.left(); x <= strip.right(); x += 2) colours.insert(shot.pixel(x, y));
  EXPECT_GT(colours.size(), 20);
  // The menus: the bar's text is drawn in its own colour across the menu bar.
  const QRect menus = bar->MenuBar->geometry();
  const QRgb background = shot.pixel(menus.right() - 2, menus.center().y());
  int inked = 0;
  for (int y = menus.top(); y <= menus.bottom(); ++y)
    for (int x = menus.left(); x < menus.left() + 300 && x < shot.width(); ++x)
      if (qGray(shot.pixel(x, y)) < qGray(background) - 80) ++inked;
  EXPECT_GT(inked, 100);
}

using IconStripCommands = BarTest;

TEST_F(IconStripCommands, BeforeAVehicleOnlyThePracticeTreeRuns) {
  Cfg.ShowToolTips = True;
  bool checked = false;
  Hooks.RunSimulationCheck = [&] { checked = true; };
  for (int icon = 1; icon <= 17; ++icon) {
    if (icon == 16) continue;
    Press(static_cast<Single>(icon * 32 - 16));
    EXPECT_TRUE(bar->IconBar->toolTip().isEmpty()) << icon;
  }
  EXPECT_EQ(std::tuple(checked, Form::LoadedForms().size()), std::tuple(false, 1u));  // the bar
  Press(16 * 32 - 16);
  EXPECT_TRUE(Shown("frmTree") && scripted.asked.empty());
  EXPECT_EQ(bar->IconBar->toolTip(), QStringLiteral("Practice Tree"));
  Cfg.ShowToolTips = False;
  bar->IconBar_MouseMove(0, 0, 500, 15);
  EXPECT_TRUE(bar->IconBar->toolTip().isEmpty());
}

TEST_F(IconStripCommands, HitTestEdgesPickTheCommand) {
  S.DataLoaded = True;
  int checks = 0;
  Hooks.RunSimulationCheck = [&] { ++checks; };
  Press(31.4f);
  EXPECT_TRUE(Shown("frmDataAero"));
  EXPECT_EQ(std::tuple(S.DataSaved, checks), std::tuple(False, 0));
  Press(31.6f);
  EXPECT_EQ(checks, 1);
  const std::size_t loaded = Form::LoadedForms().size();
  Press(543.5f);
  Press(544.0f);
  EXPECT_EQ(std::tuple(checks, Form::LoadedForms().size(), S.IconCommandBusy),
            std::tuple(1, loaded, 0));
}

TEST_F(IconStripCommands, OnePressRunsOneCommandButTheTreeIsNeverHeld) {
  S.DataLoaded = True;
  int checks = 0;
  Hooks.RunSimulationCheck = [&] { ++checks; };
  bar->IconBar_MouseDown(1, 0, 40, 15);
  bar->IconBar_MouseMove(1, 0, 45, 15);   // sliding with the button down
  bar->IconBar_MouseMove(1, 0, 100, 15);  // onto Cascades: not run
  EXPECT_EQ(std::tuple(checks, scripted.asked.size()), std::tuple(1, 0u));
  bar->IconBar_MouseMove(1, 0, 500, 15);  // onto the tree: runs all the same
  EXPECT_TRUE(Shown("frmTree"));
  bar->IconBar_MouseUp(1, 0, 500, 15);
  Press(40);
  EXPECT_EQ(checks, 2);
}

TEST_F(IconStripCommands, RefusedDisplayCommandReleasesTheStrip) {
  S.DataLoaded = True;
  bar->IconBar_MouseDown(1, 0, 13 * 32 - 16, 15);  // Simulation Graphs before any run
  ASSERT_EQ(scripted.asked.size(), 1u);
  EXPECT_EQ(scripted.asked[0].text, "Simulation has not yet been run");
  EXPECT_FALSE(bar->IconButtonHeld);
  bar->IconBar_MouseDown(1, 0, 9 * 32 - 16, 15);  // Transmission runs at once: refused too
  ASSERT_EQ(scripted.asked.size(), 2u);
  EXPECT_EQ(scripted.asked[1].text, "Engine data must be entered first");
  EXPECT_TRUE(bar->IconButtonHeld);
}

TEST_F(IconStripCommands, CommandLeavingCancelSetAsksToExit) {
  S.DataLoaded = True;
  Hooks.RunSimulationCheck = [] { S.CancelFlag = 1; };
  scripted.answers = {Msg::No};
  Press(48);
  ASSERT_EQ(scripted.asked.size(), 1u);
  EXPECT_EQ(scripted.asked[0].text, "Do you really want to Exit?");
  EXPECT_EQ(std::tuple(bar->IsLoaded(), S.CancelFlag), std::tuple(true, 0));
}

using ExitQuestions = BarTest;

TEST_F(ExitQuestions, SavedDataAsksToExitOnceAndNoKeepsTheProgram) {
  scripted.answers = {Msg::No, Msg::Yes};
  bar->Show();
  Cfg.DataPath = "/cars/";
  bool keptAfterNo = false;
  // The racer chooses File > Exit twice while the program runs, as the program runs it.
  QTimer::singleShot(0, bar.get(), [&] {
    bar->mnuFileExit_Click();
    keptAfterNo = bar->IsLoaded() && bar->isVisible() && S.CancelFlag == 0;
    QTimer::singleShot(0, bar.get(), [&] { bar->mnuFileExit_Click(); });
  });
  QTimer safety;
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  safety.start(10000);
  EXPECT_EQ(RunProgram(*bar), 0);
  ASSERT_EQ(scripted.asked.size(), 2u);  // one question for each Exit
  for (const Asked& asked : scripted.asked)
    EXPECT_EQ(std::tie(asked.text, asked.style, asked.title),
              std::tuple("Do you really want to Exit?", Msg::YesNo | Msg::Question, "Exit Kestrelon"));
  EXPECT_TRUE(keptAfterNo);
  EXPECT_EQ(std::tuple(bar->IsLoaded(), S.CancelFlag), std::tuple(false, 1));
  for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(QThread::currentThread()->loopLevel(), 0);
  QFile store(QString::fromStdString(config / "Kestrelon/Kestrelon.ini"));
  ASSERT_TRUE(store.open(QIODevice::ReadOnly));  // the settings were written at exit
  EXPECT_TRUE(store.readAll().contains("DataPath=/cars/"));
}

TEST_F(ExitQuestions, UnsavedDataOffersToSaveFirst) {
  struct Case {
    int answer;
    SaveOutcome saved;
    bool exits;
    int saves;
  };
  const Case cases[] = {
      {Msg::Cancel, SaveOutcome::Saved, false, 0},
      {Msg::No, SaveOutcome::Saved, true, 0},
      {Msg::Yes, SaveOutcome::Saved, true, 1},
      {Msg::Yes, SaveOutcome::Cancelled, false, 1},  // a cancelled save dialog keeps the program
      {Msg::Yes, SaveOutcome::Failed, false, 1},    // a failed save keeps the program
      {Msg::Yes, SaveOutcome::Declined, false, 1},  // so does one cancelled after a No to replacing
  };
  for (const Case& c : cases) {
    Form1 another;
    another.Load();
    S.DataSaved = False;
    scripted.asked.clear();
    scripted.answers = {c.answer};
    int saves = 0;
    Hooks.SaveVehicleAndPower = [&] {
      ++saves;
      return c.saved;
    };
    another.mnuFileExit_Click();
    ASSERT_EQ(scripted.asked.size(), 1u);
    EXPECT_EQ(scripted.asked[0].text, "Would you like to save data first?");
    EXPECT_EQ(scripted.asked[0].style, Msg::YesNoCancel | Msg::Question);
    EXPECT_EQ(std::tuple(another.IsLoaded(), S.CancelFlag, saves),
              std::tuple(!c.exits, c.exits ? 1 : 0, c.saves))
        << c.answer;
  }
}

TEST_F(ExitQuestions, WindowsOpenAtExitStoreWhatTheirClosingStores) {
  RegisterCascadeHistoryWindows();
  RegisterReportWindows();
  auto* history = static_cast<frmHistory*>(Form::Instance("frmHistory"));
  history->Show();
  QFont font = history->HistBox->font();
  font.setBold(true);
  font.setPointSize(14);
  history->HistBox->setFont(font);  // chosen in the session, after the window's last paint
  Form* listing = Form::Instance("frmList");
  listing->Show();
  listing->move(120, 90);
  scripted.answers = {Msg::Yes};
  bar->mnuFileExit_Click();
  ASSERT_FALSE(bar->IsLoaded());
  EXPECT_FALSE(history->IsLoaded() || listing->IsLoaded());
  QFile store(QString::fromStdString(config / "Kestrelon/Kestrelon.ini"));
  ASSERT_TRUE(store.open(QIODevice::ReadOnly));
  const QByteArray stored = store.readAll();
  for (const char* line : {"HistFontBold=1", "HistFontSize=14", "ListTop=1350", "ListLeft=1800"})
    EXPECT_TRUE(stored.contains(line)) << line;
}

// A settings store that cannot be written is told once at exit, with the system's reason, and
// the program ends all the same: a file marked read-only, a folder in the store's place, a
// file where the store's folder should be.
TEST_F(ExitQuestions, SettingsThatCannotBeKeptAreToldOnceAndTheProgramStillEnds) {
  namespace fs = std::filesystem;
  const std::string store = config / "Kestrelon/Kestrelon.ini";
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[&] {
         config.Write("Kestrelon/Kestrelon.ini", "[Data]\n");
         fs::permissions(store, fs::perms(0444));
       },
       "Unexpected Error # 13 : Permission denied"},
      {[&] { fs::create_directories(store); }, "Unexpected Error # 21 : Is a directory"},
      {[&] { config.Write("Kestrelon", "a file"); }, "Unexpected Error # 20 : Not a directory"},
  };
  for (const auto& [make, told] : cases) {
    fs::remove_all(config / "Kestrelon");
    make();
    Form1 another;
    another.Load();
    scripted.asked.clear();
    scripted.answers = {Msg::Yes};
    another.mnuFileExit_Click();
    EXPECT_FALSE(another.IsLoaded());
    ASSERT_EQ(scripted.asked.size(), 2u) << told;
    EXPECT_EQ(std::tie(scripted.asked[1].text, scripted.asked[1].style, scripted.asked[1].title),
              std::tuple(told + ("\r\nSettings file " + store), Msg::OKOnly | Msg::Critical, "Kestrelon"));
  }
}

TEST_F(ExitQuestions, WithoutTheSaveCommandYesStillExits) {
  S.DataSaved = False;
  scripted.answers = {Msg::Yes};
  bar->mnuFileExit_Click();
  EXPECT_FALSE(bar->IsLoaded());
}

// A File command may leave another vehicle or curve, or none, without a run after it: once it
// has ended, the result windows are asked to draw the model as it leaves it.
TEST_F(Form1Menus, EachFileCommandAsksTheResultWindowsToDrawWhatItLeaves) {
  struct Row {
    const char* name;
    std::function<void()> CommandHooks::*hook;
    void (Form1::*click)();
  };
  const Row rows[] = {
      {"Example", &CommandHooks::FileExample, &Form1::mnuFileExample_Click},
      {"New", &CommandHooks::FileNew, &Form1::mnuFileNew_Click},
      {"Convert", &CommandHooks::FileConvert, &Form1::mnuFileConvert_Click},
      {"Complete Vehicle", &CommandHooks::FileVehicle, &Form1::mnuFileVehicle_Click},
      {"Power Data", &CommandHooks::FilePowerVCAL, &Form1::mnuFilePowerVCAL_Click},
      {"SuperFlow", &CommandHooks::FilePowerSuper, &Form1::mnuFilePowerSuper_Click},
      {"Engine Analyser", &CommandHooks::FilePowerEA, &Form1::mnuFilePowerEA_Click},
      {"Chassis", &CommandHooks::FileChassis, &Form1::mnuFileChassis_Click},
      {"Save", &CommandHooks::FileSave, &Form1::mnuFileSave_Click},
      {"Baseline", &CommandHooks::FileBaseline, &Form1::mnuFileBaseline_Click},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    int askedDuring = -1;
    Hooks.*row.hook = [&] { askedDuring = scripted.resultRedraws; };
    scripted.resultRedraws = 0;
    (bar.get()->*row.click)();
    EXPECT_EQ(std::pair(askedDuring, scripted.resultRedraws), std::pair(0, 1));
  }
}

using WindowCommands = BarTest;

QStringList ListedItems(Form1& bar) {
  QStringList out;
  for (const QAction* item : bar.mnuWindowList)
    if (item->isVisible()) out << item->text();
  return out;
}

TEST_F(WindowCommands, WindowMenuListsOpenWindowsInOrder) {
  StubForm a("frmA", "A"), b("frmB", "B"), c("frmC", "C");
  for (StubForm* form : {&a, &b, &c}) form->Show();
  bar->IconBar_MouseMove(0, 0, 600, 0);  // reaching the bar rebuilds the menu
  EXPECT_EQ(ListedItems(*bar), (QStringList{"A", "B", "C"}));
  b.Unload();
  EXPECT_EQ(ListedItems(*bar), (QStringList{"A", "B", "C"}));  // rebuilt only on the next visit
  bar->IconBar_MouseMove(0, 0, 600, 0);
  EXPECT_EQ(ListedItems(*bar), (QStringList{"A", "C"}));
  for (StubForm* form : {&a, &c}) form->Unload();
  bar->windowlist_build();
  EXPECT_TRUE(ListedItems(*bar).isEmpty());
  EXPECT_EQ(bar->mnuWindowList.size(), 1u);
}

TEST_F(WindowCommands, ItemBringsItsWindowBack) {
  StubForm a("frmA", "Chassis & body");
  auto* box = new QLineEdit(&a);
  a.Show();
  box->setFocus();
  a.setWindowState(Qt::WindowMinimized);
  bar->windowlist_build();
  EXPECT_EQ(ListedItems(*bar), (QStringList{"Chassis && body"}));
  bar->mnuWindowList[0]->trigger();
  EXPECT_TRUE(a.isVisible() && !a.IsMinimised());
  EXPECT_EQ(a.focusWidget(), box);  // the box that had the focus has it back
  a.setWindowState(Qt::WindowMaximized);  // only a minimised window is set back to normal
  bar->mnuWindowList[0]->trigger();
  EXPECT_TRUE(a.isMaximized());
}

TEST_F(WindowCommands, CascadePlacesListedWindowsBelowTheBar) {
  StubForm a("frmA", "A"), b("frmB", "B"), unlisted("frmC", "C");
  a.Show();
  b.Show();
  b.setWindowState(Qt::WindowMaximized);
  bar->windowlist_build();
  unlisted.Show();  // loaded after the menu was built: not listed yet
  unlisted.move(300, 300);
  bar->mnuWindowCascade_Click();
  const int below = bar->frameGeometry().height();
  EXPECT_EQ(std::tuple(a.pos(), b.pos(), unlisted.pos()),
            std::tuple(QPoint(0, below), QPoint(32, below + 32), QPoint(300, 300)));
  EXPECT_FALSE(b.isMaximized());
}

TEST_F(WindowCommands, MinimiseAllHidesEverythingRestoreAllShowsTheListed) {
  StubForm a("frmA", "A"), hidden("frmB", "B");
  a.Show();
  bar->windowlist_build();
  hidden.Show();
  bar->mnuWindowMin_Click();
  EXPECT_FALSE(a.isVisible() || hidden.isVisible());
  bar->mnuWindowRestore_Click();
  EXPECT_TRUE(a.isVisible() && !hidden.isVisible());
}

TEST_F(WindowCommands, MinimisingTheBarHidesAndRestoresExactlyTheVisibleWindows) {
  bar->Show();
  StubForm a("frmA", "A"), b("frmB", "B"), loadedOnly("frmC", "C");
  a.Show();
  b.Show();
  loadedOnly.Load();
  bar->setWindowState(Qt::WindowMinimized);
  EXPECT_FALSE(a.isVisible() || b.isVisible());
  b.Unload();
  bar->setWindowState(Qt::WindowNoState);
  EXPECT_TRUE(a.isVisible());
  EXPECT_FALSE(b.isVisible() || loadedOnly.isVisible());  // loadedOnly was never shown
}

class PowerGraphStub : public StubForm {
  Q_OBJECT
 public:
  PowerGraphStub() : StubForm("frmGraphPower", "Power curve") {}
  int accepted = 0;
  Q_INVOKABLE void GraphOKButton_Click() {
    ++accepted;
    Unload();
  }
};

TEST_F(WindowCommands, OpeningACurveAcceptsAVisibleCurveGraphFirst) {
  S.CurveEntered[0] = True;
  std::vector<Integer> columns;
  Hooks.EnterPowerCurve = [&](Integer column, Integer) { columns.push_back(column); };
  PowerGraphStub graph;
  graph.Load();
  bar->mnuDataPowerN1_Click();
  EXPECT_EQ(graph.accepted, 0);  // loaded but hidden: left alone
  graph.Show();
  bar->mnuDataPowerNA_Click();
  EXPECT_EQ(std::tuple(graph.accepted, columns, S.DataSaved),
            std::tuple(1, std::vector<Integer>{1, 0}, False));
}

}  // namespace
}  // namespace kestrelon::test

#include "form1_test.moc"
