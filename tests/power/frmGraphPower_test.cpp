#include "power/ui/frmGraphPower.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <tuple>
#include <vector>

#include "../files/scripted_file_windows.h"
#include "core/commands.h"
#include "core/program_title.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "entry/entry_chain.h"
#include "export_files.h"
#include "platform/qt/form.h"
#include "power/curve_graph_commands.h"
#include "power/enter_power_curve.h"
#include "power/power_curve.h"
#include "power/power_table.h"
#include "power/ui/frmPNAData.h"
#include "power/ui/power_curve_windows.h"
#include "power/ui/power_graph_picture.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

// A scripted seam that opens the curve windows the way the running program does.
class CurveWindowUi : public test::ScriptedUi {
 public:
  void ShowPowerEntryForm() override { Form::Instance("frmPNAData")->ShowModal(); }
  void ShowPowerGraph(int mode) override {
    Form* graph = Form::Instance("frmGraphPower");
    if (mode == 0)
      graph->Show();
    else
      graph->ShowModal();
  }
};

class PowerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    Cfg = Settings{};
    RegisterPowerCurveWindows();
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    Hooks = CommandHooks{};  // a test's hook must not outlive the values it captured
  }
  CurveWindowUi seam;
  test::ScopedUi guard{seam};
};

class PeakEntryForm : public PowerWindowTest {
 protected:
  // Runs the curve entry of a column while `user` works the modal form.
  void EnterWith(Integer column, std::function<void(frmPNAData&)> user) {
    QTimer::singleShot(0, [user] {
      auto* form = static_cast<frmPNAData*>(Form::FindLoaded(QStringLiteral("frmPNAData")));
      ASSERT_NE(form, nullptr);
      user(*form);
    });
    EnterPowerCurve(column, 0);
  }
};

TEST_F(PeakEntryForm, PeakPowerAloneGivesACurveOnTheGraph) {
  S.VehicleData[6][1] = "7000";
  S.VehicleData[6][2] = "500";
  S.PowerCurve[0][30] = 99;  // kept unless erased
  EnterWith(0, [](frmPNAData& f) {
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Power with no nitrous"));
    EXPECT_EQ(f.MaxBHP->text(), QStringLiteral("500"));
    EXPECT_TRUE(f.MinRPM->isVisibleTo(&f));
    QTest::keyClicks(f.MaxPRPM, "7000");
    QTest::keyClicks(f.PowerDescript, "Street engine");
    QTest::keyClick(&f, Qt::Key_Return);
  });
  EXPECT_GT(S.PowerCurve[0][52], 0);
  EXPECT_EQ(std::tuple(S.CancelFlag, S.PowerCurve[0][30], S.PowerCurveBackup[30]),
            std::tuple(0, 99, 99));
  EXPECT_EQ(std::tuple(S.PowerDescript[0], S.GraphRPMTop, S.CurvePeakValue),
            std::tuple("Street engine", 8000, 500));
  Form* graph = Form::FindLoaded(QStringLiteral("frmGraphPower"));
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("Street engine"));
  // Original puts back what the graph opened with; the close box is Cancel: the vehicle as found.
  S.LaunchTemp = 1;
  static_cast<frmGraphPower*>(graph)->PowerOriginal->trigger();
  EXPECT_EQ(S.LaunchTemp, 70);
  graph->close();
  EXPECT_EQ(std::tuple(S.VehicleData[8][18], S.LaunchTemp, graph->IsLoaded()), std::tuple("", 0, false));
}

TEST_F(PeakEntryForm, RefusedFiguresKeepTheFormThenCancelAbandons) {
  S.MaxRPMIndex = 60;
  S.PowerCurve[0][40] = 300;
  S.PowerCurveBackup[40] = 1;
  EnterWith(0, [this](frmPNAData& f) {
    f.MaxRPM->setText(QStringLiteral("20001"));
    f.MaxBHP->setText(QStringLiteral("400"));
    QTest::mouseClick(f.OKButton, Qt::LeftButton);
    ASSERT_EQ(seam.asked.size(), 1u);
    EXPECT_EQ(seam.asked[0].text, "Maximum RPM out of range");
    EXPECT_TRUE(f.IsLoaded());
    EXPECT_EQ(f.focusWidget(), f.MaxRPM);
    QTest::keyClick(&f, Qt::Key_Escape);
  });
  EXPECT_EQ(std::tuple(S.CancelFlag, S.LoadFailed, S.MaxRPMIndex), std::tuple(1, True, 60));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][40], 300);
  EXPECT_FLOAT_EQ(S.PowerCurveBackup[40], 1);  // stopped before the backup
  EXPECT_EQ(Form::FindLoaded(QStringLiteral("frmGraphPower")), nullptr);
  S.CancelFlag = 0;
  EnterWith(0, [](frmPNAData& f) { f.close(); });  // the close box (Alt+F4 the same) too
  EXPECT_EQ(std::tuple(S.CancelFlag, Form::FindLoaded(QStringLiteral("frmGraphPower"))), std::tuple(1, nullptr));
}

TEST_F(PeakEntryForm, NitrousStageHidesTheEngineBoxesAndErasesOnRequest) {
  S.MinRPMIndex = 30;
  S.MaxRPMIndex = 70;
  S.CurveEntered[0] = True;
  for (int r = 30; r <= 70; ++r) S.PowerCurve[0][r] = 400;  // 533 BHP at 7000
  S.PowerCurve[1][20] = 50;
  S.PowerDescript[1] = "  Wet shot  ";
  EnterWith(1, [](frmPNAData& f) {
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Wet shot"));
    EXPECT_FALSE(f.MaxRPM->isVisibleTo(&f));
    EXPECT_FALSE(f.LaunchTemp->isVisibleTo(&f));
    EXPECT_EQ(f.MaxBHP->text(), QStringLiteral("693"));  // 533 x 1.3
    f.MaxRPM->setText(QStringLiteral("bogus"));          // hidden and not checked
    f.MaxPRPM->setText(QStringLiteral("6500"));
    f.ErasePower->setChecked(true);
    QTest::mouseClick(f.OKButton, Qt::LeftButton);
  });
  EXPECT_EQ(std::tuple(S.CancelFlag, S.MinRPM, S.CurvePeakValue), std::tuple(0, 3000, 693));
  // Erased below the synthesized rows; the graph's accept enters it.
  EXPECT_EQ(std::tuple(S.PowerCurve[1][20], S.PowerCurveBackup[20], S.CurveEntered[1]),
            std::tuple(0, 50, False));
  EXPECT_GT(S.PowerCurve[1][30], 0);
}

class CurveGraphWindow : public PowerWindowTest {
 protected:
  void SetUp() override {
    PowerWindowTest::SetUp();
    S.MinRPMIndex = 30;
    S.MaxRPMIndex = 70;
    S.GraphRPMTop = 8000;
    S.CurvePeakValue = 500;
    S.PowerCurve[0][30] = 300;
    S.PowerCurve[0][50] = 400;
    S.PowerCurve[0][70] = 350;
    for (int r = 1; r <= CurveTopRow; ++r) S.PowerCurveBackup[r] = S.PowerCurve[0][r];
    S.PowerMaxRPMIndexBackup = 70;
    graph = static_cast<frmGraphPower*>(Form::Instance("frmGraphPower"));
    graph->Show();
    ASSERT_TRUE(graph->Graph().GraphReady);
  }
  // The picture's pixel of a row and a value in lb-ft.
  QPoint At(int row, double torque) const {
    const Canvas& pic = graph->PowerPic->canvas();
    return QPoint(static_cast<int>(pic.ToPixelX(row * S.GraphXPerRPMIndex)),
                  static_cast<int>(pic.ToPixelY(torque * S.GraphYPerUnit)));
  }
  void Click(Qt::MouseButton button, QPoint p) {
    QTest::mouseClick(graph->PowerPic, button, Qt::NoModifier, p);
  }
  void DragTo(QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, graph->PowerPic->mapToGlobal(p), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(graph->PowerPic, &move);
  }
  frmGraphPower* graph = nullptr;
};

TEST_F(CurveGraphWindow, DrawsTorqueDotsAndPowerCrosses) {
  const QImage& image = graph->PowerPic->image();
  const QPoint dot = At(50, 400);
  EXPECT_EQ(image.pixelColor(dot), QColor(128, 0, 0));
  const QPoint cross = At(50, 400 * 50 / 52.52);
  EXPECT_EQ(image.pixelColor(cross + QPoint(2, 0)), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(cross + QPoint(0, 2)), QColor(0, 128, 0));
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("Power with no Nitrous"));
  EXPECT_FALSE(graph->PowerNA->isEnabled());  // the column shown

  // The KW switch redraws in the other units, for the whole program.
  graph->PowerUnitsKW->trigger();
  EXPECT_EQ(std::tuple(Cfg.PUnits, graph->CurrentBHP->text()),
            std::tuple("M", QStringLiteral("KW :")));
  EXPECT_EQ(image.pixelColor(At(50, 400 / 0.7371)), QColor(128, 0, 0));
  graph->PowerUnitsBHP->trigger();
  EXPECT_EQ(std::tuple(S.PowerUnit, graph->CurrentTorque->text()),
            std::tuple("BHP", QStringLiteral("lb/ft :")));

  // A curve changed behind the graph (a kept power estimate) is drawn as the result windows are.
  S.PowerCurve[0][50] = 200;
  QMetaObject::invokeMethod(graph, "RedrawFromModel");
  EXPECT_EQ(image.pixelColor(At(50, 200)), QColor(128, 0, 0));
}

TEST_F(CurveGraphWindow, ClickSetsAPointAndEraseModeDragErases) {
  Click(Qt::LeftButton, At(40, 300));
  EXPECT_NEAR(S.PowerCurve[0][40], 300, 3);
  EXPECT_EQ(graph->PowerPic->image().pixelColor(At(40, S.PowerCurve[0][40])), QColor(128, 0, 0));

  graph->PowerEraseOn->trigger();
  EXPECT_TRUE(graph->PowerEraseOn->isChecked() && !graph->PowerEraseOff->isChecked());
  QTest::mousePress(graph->PowerPic, Qt::LeftButton, Qt::NoModifier, At(40, 100));
  DragTo(At(50, 100));
  QTest::mouseRelease(graph->PowerPic, Qt::LeftButton, Qt::NoModifier, At(50, 100));
  EXPECT_EQ(std::tuple(S.PowerCurve[0][40], S.PowerCurve[0][50]), std::tuple(0, 0));
  EXPECT_EQ(graph->PowerPic->image().pixelColor(At(50, 400)), QColor(255, 255, 255));
}

TEST_F(CurveGraphWindow, RightClicksSetAndClearTheRangeMarks) {
  Click(Qt::RightButton, At(55, 100));
  Click(Qt::RightButton, At(35, 100));
  EXPECT_EQ(std::tuple(graph->Graph().RangeMark1, graph->Graph().RangeMark2), std::tuple(35, 55));
  // The mark shows as a black line over the graph.
  const QImage shown = graph->PowerPic->grab().toImage();
  EXPECT_EQ(shown.pixelColor(At(35, 250)), QColor(0, 0, 0));
  Click(Qt::RightButton, At(55, 200));
  EXPECT_EQ(std::tuple(graph->Graph().RangeMark1, graph->Graph().RangeMark2), std::tuple(0, 0));
}

TEST_F(CurveGraphWindow, RevLimitPickWritesTheLimitText) {
  QTest::keyClick(graph, Qt::Key_R);
  EXPECT_TRUE(graph->Graph().RPMLimitMode);
  Click(Qt::LeftButton, At(30, 100));  // MinRPMIndex is not allowed
  EXPECT_TRUE(graph->Graph().RPMLimitMode);
  Click(Qt::LeftButton, At(65, 100));
  EXPECT_EQ(std::tuple(S.RevLimitIndex, S.VehicleData[9][2], graph->Graph().RPMLimitMode),
            std::tuple(65, " 6500", false));
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[0].text, "Click at an RPM value to set new RPM limiter");
  EXPECT_EQ(std::tuple(seam.asked[1].text, seam.asked[1].style),
            std::tuple("New RPM limit now set", Msg::OKOnly));
  for (const test::Asked& asked : seam.asked) EXPECT_EQ(asked.title, ProgramTitle);
  EXPECT_EQ(S.PowerCurve[0][65], 0);  // the pick sets no point
  const QImage shown = graph->PowerPic->grab().toImage();
  EXPECT_EQ(shown.pixelColor(At(65, 200)), QColor(255, 0, 0));
}

TEST_F(CurveGraphWindow, LetterKeysActOnARussianLayout) {
  // The keys at the places of W, R and E give Cyrillic letters there (X key codes 25, 27, 26).
  const auto press = [&](QEvent::Type type, quint32 keyCode, char16_t cyrillic) {
    QKeyEvent event(type, cyrillic - 0x20, Qt::NoModifier, keyCode, 0, 0, QString(QChar(cyrillic)));
    QApplication::sendEvent(graph->PowerPic, &event);
  };
  press(QEvent::KeyPress, 25, u'\u0446');
  EXPECT_TRUE(graph->PowerEraseOn->isChecked());
  press(QEvent::KeyPress, 26, u'\u0443');
  EXPECT_TRUE(graph->Graph().EraseKeyHeld);
  press(QEvent::KeyRelease, 26, u'\u0443');
  EXPECT_FALSE(graph->Graph().EraseKeyHeld);
  press(QEvent::KeyPress, 27, u'\u043A');
  EXPECT_TRUE(graph->Graph().RPMLimitMode);
}

TEST_F(CurveGraphWindow, FillAndOriginal) {
  QTest::keyClick(graph, Qt::Key_F);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][40], 350);
  EXPECT_EQ(graph->PowerPic->image().pixelColor(At(40, 350)), QColor(128, 0, 0));
  S.MaxRPMIndex = 80;  // as a manipulation of the span would
  graph->PowerOriginal->trigger();
  // 350 lb-ft at 7000 rpm.
  EXPECT_EQ(std::tuple(S.PowerCurve[0][40], S.MaxRPMIndex, S.CurvePeakValue),
            std::tuple(0, 70, 466));
  EXPECT_TRUE(graph->isVisible());
}

// A good Get shows the imported curve on its own axes at once: the graph is what a fresh paint
// of the model draws, no longer the curve it showed before.
TEST_F(CurveGraphWindow, AGoodGetDrawsTheImportedCurve) {
  const test::ExportFile engineAnalyser("3000,200,1\n4000,250,1\n5000,240,1\n"),
      superFlow(test::SD9({{3000, 200}, {4000, 250}, {5000, 240}}));
  for (const bool sd9 : {false, true}) {
    SCOPED_TRACE(sd9 ? "SuperFlow" : "Engine Analyser");
    test::ScriptedFileWindows windows;
    windows.answers = {sd9 ? superFlow.path : engineAnalyser.path};
    const QImage before = graph->PowerPic->image();
    (sd9 ? graph->PowerSuper : graph->PowerEA)->trigger();
    ASSERT_EQ(S.PowerCurve[0][40], 250);
    const QImage shown = graph->PowerPic->image();
    EXPECT_EQ(shown.pixelColor(At(40, 250)), QColor(128, 0, 0));
    EXPECT_FALSE(shown == before);
    graph->Form_Paint();
    EXPECT_TRUE(shown == graph->PowerPic->image());
  }
}

TEST_F(CurveGraphWindow, OkAcceptsAndResumesTheGuidedEntry) {
  std::vector<int> opened;
  Hooks.EnterPowerCurve = [&](Integer column, Integer) { opened.push_back(column); };
  S.InputDataPending = True;
  S.InputDataMode = 0;
  S.InputDataOption = True;
  QTest::mouseClick(graph->GraphOKButton, Qt::LeftButton);
  EXPECT_FALSE(graph->IsLoaded());
  // Entered, and the sequence goes on to the first stage.
  EXPECT_EQ(std::tuple(S.CurveEntered[0], opened), std::tuple(True, std::vector<int>{1}));
  EXPECT_GE(Cfg.GraphPowerWidth, 0);  // the place is kept
}

TEST_F(CurveGraphWindow, OkOutsideAnEntryHasTheResultWindowsDrawTheAcceptedCurve) {
  QTest::mouseClick(graph->GraphOKButton, Qt::LeftButton);
  EXPECT_EQ(std::tuple(graph->IsLoaded(), S.CurveEntered[0], seam.resultRedraws), std::tuple(false, True, 1));
}

TEST_F(CurveGraphWindow, F2AcceptsKeepsTheWindowAndRuns) {
  int checks = 0;
  Hooks.RunSimulationCheck = [&] { ++checks; };
  QTest::keyClick(graph, Qt::Key_F2);  // no run yet: the pre-check
  EXPECT_EQ(std::tuple(checks, S.CurveEntered[0], graph->isVisible()), std::tuple(1, True, true));

  S.RunDone = True;
  S.Calculating = True;  // the run itself is not under test here
  S.CalcRequested = False;
  bool ready = false;  // the run's gate: a section to mend since the run is named, not run past
  Hooks.RunSimulationReady = [&] { return ready; };
  QTest::keyClick(graph, Qt::Key_F2);
  EXPECT_EQ(S.CalcRequested, False);
  ready = true;
  QTest::keyClick(graph, Qt::Key_F2);
  EXPECT_EQ(std::tuple(checks, S.CalcRequested), std::tuple(1, True));
  QTest::keyClick(graph, Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(std::tuple(checks, graph->isVisible()), std::tuple(2, true));
}

TEST_F(CurveGraphWindow, CancelRestoresTheCurveAndAbandonsTheEntry) {
  UpdateEngineSummary(0);
  TakeVehicleAsFound(S.CurveEntryStart);  // as the entry that opened the graph does
  Click(Qt::LeftButton, At(60, 450));
  QTest::keyClick(graph, Qt::Key_F2);  // an accepted summary of the edited curve
  S.MaxRPMIndex = 75;                  // as a manipulation of the span would
  S.RevLimitIndex = 75;
  S.GraphRPMTop = 9000;
  S.InputDataPending = True;
  S.DataSequence = True;
  QTest::mouseClick(graph->CancelButton, Qt::LeftButton);
  EXPECT_FALSE(graph->IsLoaded());
  // The curves as the entry found them, not filled again, and the summary.
  EXPECT_EQ(std::tuple(S.PowerCurve == S.CurveEntryStart.curve, S.EngineSummary[0][0]), std::tuple(true, 400));
  // The span, limit and graph top come back; the guided entry is abandoned.
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex, S.GraphRPMTop),
            std::tuple(30, 70, 70, 8000));
  EXPECT_EQ(std::tuple(S.InputDataPending, S.DataSequence), std::tuple(False, False));

  // The next time the graph appears, Enter is its OK again, not the Cancel clicked last: the
  // curve as it then stands is kept.
  graph->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(graph));
  QApplication::processEvents();
  S.PowerCurve[0][60] = 450;
  QTest::keyClick(graph->windowHandle(), Qt::Key_Return);
  EXPECT_EQ(std::tuple(S.PowerCurve[0][60], graph->IsLoaded()), std::tuple(450, false));
}

// With the graph open the run's gate stores the edit first as F2 does, the graph staying open,
// and runs no curve its file refuses; a command that replaces the curves cancels the graph.
TEST_F(CurveGraphWindow, ReadersStoreTheEditAndNewCurvesCancelIt) {
  TakeVehicleAsFound(S.CurveEntryStart), S.CurveGraphOpen = True, Click(Qt::LeftButton, At(60, 450));
  EXPECT_FALSE(RunSimulationReady());
  EXPECT_EQ(std::tuple(S.CurveEntered[0], S.PowerCurve[0][40], graph->isVisible(), seam.asked.back().text),
            std::tuple(True, 350, true, "Transmission data has not yet been entered"));
  S.PowerCurve[0][65] = 1e9f;
  EXPECT_FALSE(RunSimulationReady());
  EXPECT_EQ(seam.asked.back().text, TooMuchTorqueText);
  CancelOpenCurveGraph();
  EXPECT_EQ(std::tuple(graph->IsLoaded(), S.CurveGraphOpen, S.PowerCurve == S.CurveEntryStart.curve), std::tuple(false, False, true));
}

}  // namespace
}  // namespace kestrelon
