#pragma once
// The seam for window tests: the program's own Qt answerer (windows by name, the progress
// window, pending events), with message boxes recorded and answered from a queue instead of
// waiting for a click. Also the start and end of each window test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <deque>
#include <vector>

#include "core/state.h"
#include "core/tables.h"
#include "platform/qt/form.h"
#include "platform/qt/qt_ui.h"
#include "simulation/ui/run_windows.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {

class WindowTestUi : public QtUi {
 public:
  std::vector<Asked> asked;
  std::deque<int> answers;  // Msg::Ok once they run out

  int MsgBox(const std::string& text, int style, const std::string& title) override {
    asked.push_back({text, style, title});
    if (answers.empty()) return Msg::Ok;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
};

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

  // Shows a window and lets it paint, as a user would see it before typing.
  static void ShowAndPaint(Form* form) {
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QApplication::processEvents();
  }

  WindowTestUi ui;

 private:
  UiSeam* previous_ = nullptr;
};

}  // namespace kestrelon::test
