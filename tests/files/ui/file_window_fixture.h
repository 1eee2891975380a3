#pragma once
// Window tests of the file commands: the program's own windows registered as at start-up, the
// Qt answerer with its message boxes recorded and answered from a queue, a fresh model and a
// data folder of the test's own; and a driver that answers the modal file dialog each time it
// comes on screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/process_data.h"
#include "core/commands.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "entry/ui/data_forms.h"
#include "files/example_vehicles.h"
#include "files/file_windows.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "files/ui/FrmFileOpen.h"
#include "entry/ui/data_form.h"
#include "files/ui/file_command_windows.h"
#include "files/ui/frmExample.h"
#include "power/ui/frmGraphPower.h"
#include "power/ui/frmPNAData.h"
#include "simulation/ui/frmDataLaunch.h"
#include "platform/qt/form.h"
#include "platform/qt/qt_ui.h"
#include "power/ui/power_curve_windows.h"
#include "simulation/ui/run_windows.h"
#include "support/recording_qt_ui.h"
#include "../temp_folder.h"

namespace kestrelon::test {

// Each time a file dialog is on screen and painted, runs the next action on it.
class DialogDriver {
 public:
  std::deque<std::function<void(FrmFileOpen&)>> actions;
  int shown = 0;

  DialogDriver() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

 private:
  void Poll() {
    auto* dialog = dynamic_cast<FrmFileOpen*>(Form::FindLoaded(QStringLiteral("FrmFileOpen")));
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool()) return;
    if (!QTest::qWaitForWindowExposed(dialog)) return;
    QApplication::processEvents();
    dialog->setProperty("answered", true);
    ++shown;
    if (actions.empty()) return dialog->CancelButton_Click();
    auto action = std::move(actions.front());
    actions.pop_front();
    action(*dialog);
  }
  QTimer timer_;
};

// Types a name into the dialog and presses its Open (or Save) button.
inline std::function<void(FrmFileOpen&)> TypeAndOpen(const QString& name) {
  return [name](FrmFileOpen& dialog) {
    dialog.FileName->clear();
    QTest::keyClicks(dialog.FileName, name);
    QTest::mouseClick(dialog.OpenButton, Qt::LeftButton);
  };
}

// Accepts whichever window is waiting for the racer, as an OK click would: the example chooser
// (choosing `example`), the peak figures, the curve graph, a data form, the run set-up. One
// window a call, as a racer clicks one button at a time; the data forms accepted are noted.
inline void AcceptWaitingWindow(const std::string& example, std::vector<QString>& accepted) {
  for (Form* form : std::vector<Form*>(Form::LoadedForms())) {
    if (!form->isVisible()) continue;
    if (auto* chooser = dynamic_cast<frmExample*>(form)) {
      const auto found = chooser->ExList->findItems(QString::fromStdString(example), Qt::MatchExactly);
      if (!found.isEmpty()) found.front()->setSelected(true);
      chooser->OKButton_Click();
    } else if (auto* peaks = dynamic_cast<frmPNAData*>(form)) {
      peaks->OKButton_Click();
    } else if (auto* graph = dynamic_cast<frmGraphPower*>(form)) {
      graph->GraphOKButton_Click();
    } else if (auto* data = dynamic_cast<DataForm*>(form)) {
      accepted.push_back(form->objectName());
      data->RunOK();
    } else if (auto* launch = dynamic_cast<frmDataLaunch*>(form)) {
      launch->LaunchCalculateButton_Click();
    } else {
      continue;
    }
    return;
  }
}

// Every section a run needs has been entered.
inline bool EverySectionIn() {
  for (Integer entered : {S.EngineEntered, S.ChassisEntered, S.TyreEntered, S.AeroEntered,
                          S.TransmissionEntered, S.ClutchEntered, S.InertiaEntered})
    if (!entered) return false;
  return true;
}

class FileWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.DataSaved = True;  // as the program starts
    Cfg = Settings{};
    Cfg.DataPath = folder.file("");
    // The file dialog starts in the working folder: keep what the tests save inside the test's own.
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(folder.file(""));
    InitTables();
    InitExampleCatalogue();
    RegisterDataForms();
    RegisterPowerCurveWindows();
    RegisterRunWindows();
    RegisterFileWindows();
    Hooks.Process_Data = Process_Data;  // the command-line run, as the program registers it
    previous_ = setUi(&ui);
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    Hooks = CommandHooks{};
    FileWindows = FileWindowHooks{};
    setUi(previous_);
    std::filesystem::current_path(previousFolder_);
  }

  // A built-in example saved as a vehicle and power file pair named name.WCD and name.VCD in
  // the test's folder; the model is fresh again afterwards. Returns the vehicle file's path.
  std::string ExamplePair(const std::string& key, const std::string& name) {
    S = SharedState{};
    LoadExampleVehicle(key);
    RebuildExamplePeakSummary();
    const std::string vehicle = folder.file(name + ".WCD");
    EXPECT_TRUE(WriteVehicleFile(vehicle).ok());
    EXPECT_TRUE(WritePowerFile(folder.file(name + ".VCD")).ok());
    S = SharedState{};
    S.DataSaved = True;
    return vehicle;
  }

  // Shows a window and lets it paint, as a user would see it before typing.
  static void ShowAndPaint(Form* form) {
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QApplication::processEvents();
  }

  TempFolder folder;
  RecordingQtUi ui;

 private:
  UiSeam* previous_ = nullptr;
  std::filesystem::path previousFolder_;
};

}  // namespace kestrelon::test
