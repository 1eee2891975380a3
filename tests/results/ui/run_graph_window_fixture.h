#pragma once
// Window tests of the run graph: its three windows registered as at start-up, the program's
// Qt answerer with message boxes recorded, a fresh model and the first example ready to run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "files/file_windows.h"
#include "files/ui/file_command_windows.h"
#include "platform/qt/form.h"
#include "results/run_graph_display.h"
#include "results/ui/frmGraphColours.h"
#include "results/ui/frmGraphDyn.h"
#include "results/ui/frmSimDisplay.h"
#include "results/ui/run_graph_windows.h"
#include "simulation/calculate_performance.h"
#include "support/recording_qt_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon::test {

class RunGraphWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    Cfg = Settings{};
    Cfg.HistoryLog = False;
    GraphDisplay = RunGraphDisplay{};
    RegisterFileWindows();
    RegisterRunGraphWindows();  // after the file hooks, as at start-up: it adds to one of them
    previous_ = setUi(&ui);
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    FileWindows = FileWindowHooks{};
    setUi(previous_);
    S = SharedState{};
    Cfg = Settings{};
    GraphDisplay = RunGraphDisplay{};
  }

  // The first example as its data forms leave it, run over `seconds`; the run's end opens
  // whatever windows it opens.
  static void RunExample(float seconds = 16) {
    LoadWestfield(seconds);
    ApplyDisplayUnits(Cfg.DUnits);
    S.TorqueUnitFactor = 1.3567f;
    S.TorqueFactorUnit = "lb/ft";
    CalculatePerformance(0);
    QApplication::processEvents();
  }

  static frmGraphDyn* Graph() {
    return dynamic_cast<frmGraphDyn*>(Form::FindLoaded(QStringLiteral("frmGraphDyn")));
  }
  static frmSimDisplay* Options() {
    return dynamic_cast<frmSimDisplay*>(Form::FindLoaded(QStringLiteral("frmSimDisplay")));
  }

  RecordingQtUi ui;

 private:
  UiSeam* previous_ = nullptr;
};

}  // namespace kestrelon::test
