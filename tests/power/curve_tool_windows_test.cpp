// The curve tools as a racer works them from the curve graph: the manipulation dialog from
// Options, the table entry from Text Entry, the two imports from the Get menu, and the curve
// question of the dynamometer import.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/window_list.h"
#include "entry/ui/frmNitrousAdjust.h"
#include "files/file_windows.h"
#include "platform/qt/form.h"
#include "power/curve_mouse_edit.h"
#include "power/enter_power_curve.h"
#include "power/superflow_import.h"
#include "power/ui/frmGraphPower.h"
#include "power/ui/frmPowerManipulate.h"
#include "power/ui/frmPowerText.h"
#include "power/ui/frmSuperFloPower.h"
#include "power/ui/power_curve_windows.h"
#include "flat_curve_graph.h"
#include "support/example_entry.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

class CurveToolWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    Cfg = Settings{};
    RegisterPowerCurveWindows();
    graph = test::ShowFlatCurveGraph();
    ASSERT_TRUE(graph->Graph().GraphReady);
    // The file dialog answers with the file a test names.
    FileWindows.ShowFileDialog = [this](const FileDialogLook&) { S.FileDialogResult = chosen; };
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    FileWindows = FileWindowHooks{};
    SuperFlowChoice = SuperFlowWindows{};
    std::filesystem::remove(exportFile);
  }
  // Works the modal window named while `trigger` opens it.
  template <typename Window>
  void With(const char* formName, std::function<void(Window&)> user, std::function<void()> trigger) {
    bool reached = false;
    QTimer::singleShot(0, [&] {
      auto* form = static_cast<Window*>(Form::FindLoaded(QString::fromLatin1(formName)));
      ASSERT_NE(form, nullptr);
      reached = true;
      user(*form);
    });
    trigger();
    EXPECT_TRUE(reached);
  }
  void Manipulate(std::function<void(frmPowerManipulate&)> user) {
    With<frmPowerManipulate>("frmPowerManipulate", user,
                             [this] { graph->PowerManipulateOptions->trigger(); });
  }
  void WriteExport(const std::string& bytes) {
    exportFile = (std::filesystem::temp_directory_path() /
                  ("kestrelon-tool-" + std::to_string(::getpid()) + ".txt"))
                     .string();
    std::ofstream(exportFile, std::ios::binary) << bytes;
    chosen = exportFile;
  }

  frmGraphPower* graph = nullptr;
  std::string chosen, exportFile;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(CurveToolWindows, OptionsMultipliesTheMarkedRangeByATypedExpression) {
  S.LowRPM = 3000;
  S.HighRPM = 4000;
  Manipulate([](frmPowerManipulate& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Manipulate Power"));
    EXPECT_EQ(std::pair(d.LowRPM->text(), d.HighRPM->text()),
              std::pair(QStringLiteral("3000"), QStringLiteral("4000")));
    d.ManMult->click();
    EXPECT_TRUE(d.MultiplyFrame->isVisible());
    EXPECT_TRUE(d.RPMAffectedFrame->isVisible());
    EXPECT_FALSE(d.CompressionFrame->isVisible());
    d.MultFactor->setText(QStringLiteral("2*1.5"));
    d.MultMult->click();
    d.LowRPM->setText(QString::fromLatin1("3\0" "000", 5));  // a pasted NUL is a blank, skipped
    QTest::keyClick(&d, Qt::Key_Return);
    if (d.isVisible()) d.CancelButton->click();  // a refused range keeps the dialog open
  });
  EXPECT_FLOAT_EQ(S.PowerCurve[0][29], 200);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][30], 600);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][40], 600);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][41], 200);
  EXPECT_EQ(std::tuple(S.LowRPM, S.HighRPM), std::tuple(0, 0));
  EXPECT_EQ(S.ManipSettings.MultFactor, 2);  // the number the field begins with
}

TEST_F(CurveToolWindows, ChosenOperationAndFieldsSurviveCancelAndReopening) {
  Manipulate([this](frmPowerManipulate& d) {
    d.OKButton->click();
    ASSERT_EQ(seam.asked.size(), 1u);
    EXPECT_EQ(seam.asked[0].text, "Insufficient information");
    EXPECT_EQ(std::tie(seam.asked[0].style, seam.asked[0].title),
              std::tuple(Msg::Question, "Power curve manipulation"));
    d.ManComp->click();
    d.OldCR->setText(QStringLiteral("1.99"));
    d.NewCR->setText(QStringLiteral("12"));
    d.OKButton->click();
    EXPECT_EQ(seam.asked.back().text, "Old compression ratio not valid - should be between 2 and 30");
    EXPECT_EQ(d.focusWidget(), d.OldCR);
    d.ManShift->click();
    d.MoveRPM->setText(QStringLiteral("150"));
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(S.PowerCurve[0][30], 200);
  EXPECT_EQ(S.ManipSettings.Option, "SHIFT");
  // Cancel hides the dialog: it stays loaded, listed in the Window menu.
  auto* dialog = static_cast<frmPowerManipulate*>(Form::FindLoaded(QStringLiteral("frmPowerManipulate")));
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(OpenWindows.Contains("Manipulate Power"));
  Manipulate([](frmPowerManipulate& d) {
    EXPECT_TRUE(d.ManShift->isChecked());
    EXPECT_TRUE(d.MovePowerFrame->isVisible());
    EXPECT_EQ(d.MoveRPM->text(), QStringLiteral("150"));  // the window kept its texts
    EXPECT_EQ(d.OldCR->text(), QStringLiteral("1.99"));
    d.MoveDown->click();
    d.ManComp->click();
    d.OldCR->setText(QStringLiteral("10"));
    d.OKButton->click();
    EXPECT_TRUE(d.IsLoaded() && !d.isVisible());
  });
  EXPECT_TRUE(OpenWindows.Contains("Manipulate Power"));
  EXPECT_NEAR(S.PowerCurve[0][20], 200 * 1.0465, 0.01);  // the whole curve
  EXPECT_NEAR(S.PowerCurve[0][60], 200 * 1.0465, 0.01);
  EXPECT_EQ(std::tuple(S.ManipSettings.Option, S.ManipSettings.NewCR, S.ManipSettings.MoveUp),
            std::tuple("CR", 12.0f, False));
}

TEST_F(CurveToolWindows, ChangesPastTheMostPowerAreRefused) {
  S.CurvePeakValue = 19000;
  Manipulate([this](frmPowerManipulate& d) {
    d.ManMult->click();
    d.MultFactor->setText(QStringLiteral("1.1"));
    d.MultMult->click();
    d.OKButton->click();
    EXPECT_EQ(seam.asked.at(0).text,
              "Multiplication factor would cause maximum permitted power to be exceeded");
    d.ManAddN2O->click();
    d.NitrousAdd->click();
    d.NewNitrous->setText(QStringLiteral("1000BHP"));
    d.OKButton->click();
    EXPECT_EQ(seam.asked.at(1).text, "Value when added would exceed maximum permitted power");
    EXPECT_TRUE(d.IsLoaded());
    d.CancelButton->click();
  });
  EXPECT_EQ(S.PowerCurve[0][40], 200);
}

// "Calc." is offered at every opening on a nitrous stage's curve only, though OK and Cancel
// keep the dialog loaded between the curves. Remembered, it stays chosen there, greyed, and OK
// asks for an operation it can do, keeping the choice for the next nitrous curve.
TEST_F(CurveToolWindows, NitrousCalculationNeedsANitrousCurve) {
  S.ManipSettings.Option = "N2O";
  S.ManipSettings.NitrousMode = 2;
  Manipulate([this](frmPowerManipulate& d) {
    EXPECT_TRUE(d.NitrousFrame->isVisible());
    EXPECT_TRUE(d.NitrousCalculate->isChecked());
    EXPECT_FALSE(d.NitrousCalculate->isEnabled());
    QTest::keyClick(&d, Qt::Key_Return);  // nothing to calculate for the no-nitrous curve
    ASSERT_EQ(seam.asked.size(), 1u);
    EXPECT_EQ(seam.asked[0].text, "Insufficient information");
    EXPECT_TRUE(d.isVisible());
    d.CancelButton->click();
  });
  EXPECT_EQ(S.PowerCurve[0][40], 200);
  EXPECT_EQ(S.ManipSettings.NitrousMode, 2);

  S.PowerCurveIndex = 1;
  S.VehicleData[0][1] = "1300cc";  // the first stage's engine capacity
  QString calculated;
  Manipulate([&calculated](frmPowerManipulate& d) {
    EXPECT_TRUE(d.NitrousCalculate->isEnabled());
    EXPECT_TRUE(d.NitrousCalculate->isChecked());
    QTimer::singleShot(0, [&calculated] {
      auto* calculator = static_cast<frmNitrousAdjust*>(Form::FindLoaded(QStringLiteral("frmNitrousAdjust")));
      ASSERT_NE(calculator, nullptr);
      calculated = calculator->Capacity->text();
      calculator->cmdCancel->click();
    });
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
  });
  EXPECT_EQ(calculated, QStringLiteral("1300cc"));  // the calculator of stage 1

  S.PowerCurveIndex = 0;
  Manipulate([](frmPowerManipulate& d) {
    EXPECT_FALSE(d.NitrousCalculate->isEnabled());
    d.CancelButton->click();
  });
}

TEST_F(CurveToolWindows, MaximumRPMChangeAndTheCloseBox) {
  Manipulate([](frmPowerManipulate& d) {
    d.ManRPM->click();
    EXPECT_EQ(d.MaxRPM->text(), QStringLiteral("6000"));
    d.MaxRPM->setText(QStringLiteral("9 150"));
    d.OKButton->click();
  });
  EXPECT_EQ(S.MaxRPMIndex, 92);
  EXPECT_EQ(S.VehicleData[6][1], "9200");
  Manipulate([](frmPowerManipulate& d) {
    EXPECT_TRUE(d.ManRPM->isChecked());
    d.MaxRPM->setText(QStringLiteral("20100"));
    d.close();  // the close box: nothing is done
  });
  EXPECT_EQ(S.MaxRPMIndex, 92);
}

// Cancel after a new maximum rpm and a picked rev limit leaves the vehicle as it ran before the
// graph opened; Original puts back the maximum rpm and the clutch's figures for it.
TEST_F(CurveToolWindows, CancelLeavesTheVehicleAsItRanBeforeTheGraph) {
  // The Top Fuel dragster's clutch follows the new maximum rpm at once; the Pro Stock car's is typed.
  // The last row cancels at once, with the clutch worked out for the new top still in force.
  for (const auto& [row, rpm, locked, original] : {std::tuple{11, "10000", "46656.04lb/ft", true},
                                                   std::tuple{7, "6000", "", true},
                                                   std::tuple{11, "10000", "46656.04lb/ft", false}}) {
    S = SharedState{};
    test::RunExampleAutomatically(row);
    const auto& d = S.VehicleData;
    const auto items = [&] { return std::tuple(d[6][1], d[6][8], d[6][9], d[9][2]); };
    const auto before = std::tuple(S.Time1320ft, S.Speed1320ft, items());
    EnterPowerCurve(0, 0);
    graph->Show();
    Manipulate([&](auto& m) { m.ManRPM->click(); m.MaxRPM->setText(rpm); m.OKButton->click(); });
    EXPECT_EQ(d[6][9], locked);
    if (original) {
      graph->PowerOriginal->trigger();
      EXPECT_EQ(items(), std::get<2>(before));
      PickRevLimit(75);
    }
    graph->CancelButton->click();
    CalculatePerformance(0);
    CalcTimingPoints();
    EXPECT_EQ(std::tuple(S.Time1320ft, S.Speed1320ft, items()), before);
  }
}

TEST_F(CurveToolWindows, TextEntryWritesTheCurveAndScrollsToABadTorque) {
  With<frmPowerText>(
      "frmPowerText",
      [this](frmPowerText& t) {
        EXPECT_EQ(t.windowTitle(), QStringLiteral("Enter Power data"));
        EXPECT_EQ(t.TopRow(), 20);
        EXPECT_TRUE(t.EraseData->isChecked());
        EXPECT_TRUE(t.BHPUnits->isChecked());
        t.RPMValue[0]->setText(QStringLiteral("3 000"));  // blanks in a cell are skipped
        t.TorqueValue[0]->setText(QString::fromLatin1("3\0" "00", 4));  // a pasted NUL is a blank
        t.RPMValue[5]->setText(QStringLiteral("3500"));
        t.PowerValue[5]->setText(QStringLiteral("-5"));
        QTest::keyClick(&t, Qt::Key_Return);
        ASSERT_EQ(seam.asked.size(), 1u);
        EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[0].title),
                  std::tuple("Invalid Torque Value", "Power Input"));
        EXPECT_EQ(t.TopRow(), 25);
        EXPECT_EQ(t.focusWidget(), t.TorqueValue[0]);
        EXPECT_EQ(t.RPMValue[0]->text(), QStringLiteral("3500"));
        t.PowerValue[0]->setText(QStringLiteral("250"));
        t.TorqueValue[0]->clear();
        t.OKButton->click();
        EXPECT_FALSE(t.IsLoaded());
      },
      [this] { graph->PowerManipulateText->trigger(); });
  EXPECT_FLOAT_EQ(S.PowerCurve[0][30], 300);
  EXPECT_NEAR(S.PowerCurve[0][35], 250 * 5252 / 3500.0, 0.01);
  EXPECT_EQ(S.PowerCurve[0][40], 0);  // erased
}

TEST_F(CurveToolWindows, TextEntryCellChecksAndCancel) {
  With<frmPowerText>(
      "frmPowerText",
      [this](frmPowerText& t) {
        QApplication::setActiveWindow(&t);
        t.RPMValue[0]->setFocus();
        QTest::keyClicks(t.RPMValue[0], "7000");
        QTest::keyClick(t.RPMValue[0], Qt::Key_Tab);
        ASSERT_EQ(seam.asked.size(), 1u);
        EXPECT_EQ(seam.asked[0].text, "RPM value is out of range");
        EXPECT_EQ(t.focusWidget(), t.RPMValue[0]);
        t.RPMValue[0]->setText(QStringLiteral("5252"));
        t.TorqueValue[0]->setFocus();
        QTest::keyClicks(t.TorqueValue[0], "100");
        QTest::keyClick(t.TorqueValue[0], Qt::Key_Tab);
        EXPECT_EQ(t.PowerValue[0]->text(), QStringLiteral("100.00"));
        t.DownArrow->click();
        EXPECT_EQ(t.TopRow(), 21);
        seam.answers = {Msg::No, Msg::Yes};
        t.CancelButton->click();
        EXPECT_TRUE(t.IsLoaded());
        t.CancelButton->click();
        EXPECT_EQ(seam.asked.back().style, Msg::YesNo + Msg::Question + Msg::DefaultButton2);
      },
      [this] { graph->PowerManipulateText->trigger(); });
  EXPECT_EQ(S.PowerCurve[0][52], 200);
}

// Typed through the window system, as the racer types: Enter with the cursor still in the torque
// just typed leaves no cell, nor did the scrolling that took its row out of view. OK checks every
// row as leaving its cells would: the row comes back into view with its message, the window
// stays open and the curve as it was.
TEST_F(CurveToolWindows, TextEntryOkChecksEveryRow) {
  const CurveTable before = S.PowerCurve;
  for (const auto& [torque, scrolls] :
       {std::pair("50000", 0), {"1234567890123456789012345678901234567890", 0}, {"50000", 12}}) {
    SCOPED_TRACE(scrolls);
    seam.asked.clear();
    With<frmPowerText>("frmPowerText", [&](frmPowerText& t) {
      QApplication::setActiveWindow(&t);
      ASSERT_TRUE(QTest::qWaitForWindowActive(&t));
      for (const char k : std::string("3000\t100\t\t5000\t") + torque) QTest::keyClick(t.windowHandle(), k);
      EXPECT_EQ(t.PowerValue[0]->text(), QStringLiteral("57.12"));  // the first point's cells were left
      for (int i = 0; i < scrolls; ++i) t.DownArrow->click();
      QTest::keyClick(t.windowHandle(), Qt::Key_Return);
      ASSERT_EQ(seam.asked.size(), 1u);
      EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[0].style, seam.asked[0].title),
                std::tuple("Kestrelon cannot handle that much torque", Msg::Exclamation, "Power Input"));
      EXPECT_EQ(std::tuple(t.IsLoaded(), t.TopRow(), t.focusWidget() == t.TorqueValue[0], t.RPMValue[0]->text()),
                std::tuple(true, 21, true, QStringLiteral("5000")));
      seam.answers = {Msg::Yes};
      if (t.IsLoaded()) t.CancelButton->click();
    }, [this] { graph->PowerManipulateText->trigger(); });
    EXPECT_EQ(S.PowerCurve, before);
  }
}

TEST_F(CurveToolWindows, GetEngineAnalyserFillsTheEditedColumn) {
  WriteExport("3000,250,1\n5000,350,1\n");
  graph->PowerEA->trigger();
  EXPECT_FLOAT_EQ(S.PowerCurve[0][30], 250);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][40], 300);  // filled between the readings
  EXPECT_EQ(S.PowerImportFileName, exportFile);
  EXPECT_EQ(S.CurvePeakValue, 350);
}

TEST_F(CurveToolWindows, GetSuperFlowFillsTheEditedColumnWithoutAsking) {
  graph->Unload();
  S.PowerCurveIndex = 1;
  S.CurrentStage = 0;
  graph->Show();
  std::string sd9 = "a\r\n\nb\r\n\nc\r\nd\r\n";
  for (const char* rpm : {" 2000", " 3000"})
    sd9 += std::string(rpm) + "\r\nTorque (lb-ft)      200.0\r\n3\r\n4\r\n";
  WriteExport(sd9);
  graph->PowerSuper->trigger();
  EXPECT_FLOAT_EQ(S.PowerCurve[1][25], 200);
  EXPECT_EQ(S.PowerCurve[0][25], 200);
  EXPECT_EQ(S.CurrentStage, 0);
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(CurveToolWindows, StageChoiceNeedsAChoiceAndItsCloseBoxCancels) {
  std::string sd9 = "a\r\n\nb\r\n\nc\r\nd\r\n";
  for (const char* rpm : {" 2000", " 3000"})
    sd9 += std::string(rpm) + "\r\nTorque (lb-ft)      200.0\r\n3\r\n4\r\n";
  WriteExport(sd9);
  const auto import = [this] { ImportSuperFlowPower(exportFile, 1); };
  With<frmSuperFloPower>("frmSuperFloPower", [this](frmSuperFloPower& w) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("SuperFlow Power Data"));
    for (QRadioButton* b : w.SuperFloNstage) EXPECT_FALSE(b->isChecked());
    QTest::keyClick(&w, Qt::Key_Return);  // no button answers Enter
    EXPECT_TRUE(w.IsLoaded());
    w.SuperFloOKButton->click();
    EXPECT_EQ(seam.asked.at(0).text, "No Power curve selected");
    EXPECT_TRUE(w.IsLoaded());
    w.SuperFloNstage[2]->click();
    w.SuperFloOKButton->click();
  }, import);
  EXPECT_EQ(std::tuple(S.CurrentStage, S.CancelFlag), std::tuple(2, 0));
  EXPECT_FLOAT_EQ(S.PowerCurve[2][25], 200);

  S.PowerCurve[1][25] = 7;
  With<frmSuperFloPower>("frmSuperFloPower", [](frmSuperFloPower& w) {
    w.SuperFloNstage[1]->click();
    w.close();
  }, import);
  EXPECT_EQ(std::tuple(S.CurrentStage, S.CancelFlag), std::tuple(2, 1));
  EXPECT_EQ(S.PowerCurve[1][25], 7);
  With<frmSuperFloPower>("frmSuperFloPower", [](frmSuperFloPower& w) {
    QTest::keyClick(&w, Qt::Key_Escape);
  }, import);
  EXPECT_EQ(S.CancelFlag, 1);
}

}  // namespace
}  // namespace kestrelon
