#include "power/enter_power_curve.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/state.h"
#include "core/tables.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

// Records the window requests of a hand entry; the entry form answers with a Cancel or not.
class EntryUi : public test::ScriptedUi {
 public:
  bool cancelForm = false;
  int forms = 0;
  std::vector<int> graphs;
  void ShowPowerEntryForm() override {
    ++forms;
    if (cancelForm) S.CancelFlag = 1;
  }
  void ShowPowerGraph(int mode) override { graphs.push_back(mode); }
};

class EnterPowerCurveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    S.MinRPMIndex = 30;
    S.MaxRPMIndex = 75;
    for (int r = 30; r <= 75; ++r) S.PowerCurve[0][r] = 100;
    S.PowerCurve[0][55] = 139;
  }
  EntryUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(EnterPowerCurveTest, AutoAcceptTakesTheColumnUnchanged) {
  S.AutoAccept = True;
  S.ErasePower = True;  // left over from an earlier hand entry: no erase without the form
  S.MaxPRPM = 6000;
  const auto before = S.PowerCurve;
  EnterPowerCurve(0, 1);
  EXPECT_EQ(S.PowerCurve, before);
  EXPECT_EQ(seam.forms + seam.graphs.size(), 0u);  // no window
  EXPECT_EQ(std::tuple(S.EngineSummary[0][0], S.EngineSummary[0][1]), std::tuple(139, 55));
  EXPECT_EQ(S.LastRunEngineSummary[0], S.EngineSummary[0]);
  EXPECT_EQ(std::tuple(S.EngineEntered, S.CurveEntered[0], S.CurveEntered[1], S.CancelFlag),
            std::tuple(True, True, False, 0));
  EXPECT_EQ(S.PowerCurveBackup[55], 139.0f);
  // An empty nitrous column is accepted without points.
  EnterPowerCurve(2, 0);
  EXPECT_EQ(S.CurveEntered[2], True);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(S.EngineSummary[2][k], 0.0f);
}

TEST_F(EnterPowerCurveTest, AutoAcceptFillsTheEngineItems) {
  S.AutoAccept = True;
  S.EngineSummary[0] = {139, 55, 150.6f, 70};
  EnterPowerCurve(0, 0);
  // The span's top x 100 when empty, the summary's peak power rounded, the launch temperature.
  EXPECT_EQ(std::tuple(S.VehicleData[6][1], S.VehicleData[6][2], S.VehicleData[8][18]),
            std::tuple("7500", "151", "70c"));
  EXPECT_FLOAT_EQ(S.LaunchTemp, 70.0f);

  S.VehicleData[6][1] = "8000";
  S.VehicleData[8][18] = "122f";
  EnterPowerCurve(0, 0);
  EXPECT_EQ(S.VehicleData[6][1], "8000");
  EXPECT_NEAR(S.LaunchTemp, 50.0, 0.01);
  S.VehicleData[8][18] = "hot";  // refused by the parser: the launch temperature is 70
  EnterPowerCurve(0, 0);
  EXPECT_FLOAT_EQ(S.LaunchTemp, 70.0f);

  // A peak torque above the peak power is proposed instead.
  S.EngineSummary[0] = {400, 30, 300.4f, 60};
  EnterPowerCurve(0, 0);
  EXPECT_EQ(S.VehicleData[6][2], "400");
}

TEST_F(EnterPowerCurveTest, EmptySummaryOnlyRaisesTheMaximumPower) {
  S.AutoAccept = True;
  for (const auto& [typed, kept] : {std::pair{"100", "120"}, std::pair{"200", "200"}}) {
    S.EngineSummary[0] = {};
    S.PowerMaxPower = 120;
    S.VehicleData[6][2] = typed;
    EnterPowerCurve(0, 0);
    EXPECT_EQ(S.VehicleData[6][2], kept);
  }
}

TEST_F(EnterPowerCurveTest, ErasesOnlyWhatTheFormAccepted) {
  class ErasingUi : public EntryUi {
    void ShowPowerEntryForm() override { S.ErasePower = True; }
  } erasing;
  test::ScopedUi g{erasing};
  EnterPowerCurve(0, 1);
  EXPECT_EQ(std::tuple(S.PowerCurveBackup[55], S.PowerCurve[0][55], erasing.graphs),
            std::tuple(139, 0, std::vector<int>{1}));
}

TEST_F(EnterPowerCurveTest, OnlyColumnZerosCancelIsAFailedLoad) {
  seam.cancelForm = true;
  EnterPowerCurve(2, 0);
  EXPECT_EQ(std::tuple(S.CancelFlag, S.LoadFailed, seam.graphs.size()), std::tuple(1, False, 0u));
}

TEST_F(EnterPowerCurveTest, ShortSpanGetsATallerValueAxis) {
  S.MaxRPMIndex = 35;
  S.EngineSummary[0] = {139, 55, 100.2f, 35};
  EnterPowerCurve(0, 0);
  EXPECT_EQ(S.CurvePeakValue, 278);  // 139 x 70 / 35
  S.PowerUnit = "KW";
  EnterPowerCurve(0, 0);
  EXPECT_EQ(S.CurvePeakValue, 457);  // 139 x 115 / 35
}

}  // namespace
}  // namespace kestrelon
