#pragma once
// A loaded main bar with a scripted answerer, fresh state and a private settings folder, plus
// stand-in windows registered under the names the bar's commands open.

#include <gtest/gtest.h>

#include <memory>

#include "core/commands.h"
#include "core/scoped_env.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/ui/form1.h"
#include "core/window_list.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {

class StubForm : public Form {
 public:
  StubForm(const char* name, const QString& caption) : Form(name, caption) { resize(200, 100); }
  int loads = 0;

 protected:
  void Form_Load() override { ++loads; }
};

inline void RegisterStub(const char* name, const char* caption) {
  Form::Register(name,
                 [name, caption] { return new StubForm(name, QString::fromLatin1(caption)); });
}

class BarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env.Set("XDG_CONFIG_HOME", config.path());  // the settings written at exit go here
    S = SharedState{};
    Cfg = Settings{};
    Hooks = CommandHooks{};
    OpenWindows = WindowList{};
    for (const char* name :
         {"frmTree", "frmDataAero", "frmDataChassis", "frmDataTyre", "frmSimDisplay", "frmList"})
      RegisterStub(name, name);
    bar = std::make_unique<Form1>();
    bar->Load();
  }
  void TearDown() override {
    bar.reset();
    Form::DeleteInstances();
    Hooks = CommandHooks{};
  }

  bool Shown(const char* name) {
    Form* form = Form::FindLoaded(QString::fromLatin1(name));
    return form && form->isVisible();
  }
  void Press(Single x) {
    bar->IconBar_MouseDown(1, 0, x, 15);
    bar->IconBar_MouseUp(1, 0, x, 15);
  }

  TempFolder config;
  ScopedEnv env;
  ScriptedUi scripted;
  ScopedUi guard{scripted};
  std::unique_ptr<Form1> bar;
};

}  // namespace kestrelon::test
