#pragma once
// A fresh model with the reference tables built, imperial display units and a scripted answerer
// for the entry tests.

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {

class EntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    InitTables();
    Cfg.DUnits = "I";
  }
  ScriptedUi seam;
  ScopedUi scoped{seam};
};

}  // namespace kestrelon::test
