#pragma once
// Shared set-up of the curve window tests: the reference tables, a fresh model and settings,
// the curve windows registered, and a scripted seam that also opens those windows the way the
// running program does.

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/qt/form.h"
#include "power/ui/power_curve_windows.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {

class CurveWindowUi : public ScriptedUi {
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
  }

  CurveWindowUi seam;
  ScopedUi guard{seam};
};

}  // namespace kestrelon::test
