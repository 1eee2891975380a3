#pragma once
// The start and end of each run window test, with message boxes recorded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <vector>

#include "core/state.h"
#include "core/tables.h"
#include "platform/qt/form.h"
#include "simulation/ui/run_windows.h"
#include "support/recording_qt_ui.h"

namespace kestrelon::test {

class RunWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    RegisterRunWindows();
    previous_ = setUi(&ui);
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    setUi(previous_);
  }

  // Every section a run needs accepted, as the data forms leave a vehicle they have taken.
  static void MarkSectionsEntered() {
    for (Integer* entered : {&S.EngineEntered, &S.TransmissionEntered, &S.ChassisEntered, &S.ClutchEntered,
                             &S.InertiaEntered, &S.TyreEntered, &S.AeroEntered})
      *entered = True;
  }

  // Shows a window and lets it paint, as a user would see it before typing.
  static void ShowAndPaint(Form* form) {
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QApplication::processEvents();
  }

  RecordingQtUi ui;

 private:
  UiSeam* previous_ = nullptr;
};

}  // namespace kestrelon::test
