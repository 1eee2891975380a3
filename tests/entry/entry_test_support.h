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
  // An engine curve of `torque` lb-ft over rows lo..hi, entered.
  static void FlatEngine(int lo, int hi, Single torque) {
    S.EngineEntered = True;
    S.MinRPMIndex = lo;
    S.MaxRPMIndex = hi;
    for (int j = lo; j <= hi; ++j) S.PowerCurve[0][j] = torque;
    S.EngineSummary[0][0] = torque;
  }
  ScriptedUi seam;
  ScopedUi scoped{seam};
};

}  // namespace kestrelon::test
