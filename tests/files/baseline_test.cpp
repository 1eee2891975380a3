// Reload Baseline Data: the stored vehicle texts and curves come back, the curve titles do not,
// and the curve's span and rev limit are made to fit the restored curve.
#include <gtest/gtest.h>

#include <tuple>

#include "core/commands.h"
#include "core/state.h"
#include "files/baseline.h"
#include "files/open_pattern.h"
#include "scripted_file_windows.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class ReloadBaseline : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    for (int g = 0; g <= 10; ++g)
      for (int i = 0; i <= 20; ++i) S.BaselineVehicleData[g][i] = "b" + std::to_string(g * 100 + i);
    S.BaselineVehicleData[9][2] = "";  // no rev limiter text: the stored limit applies
    for (int c = 0; c < 3; ++c)
      for (int j = 20; j <= 90; ++j) S.BaselinePowerCurve[c][j] = 100.0f + c + j;
    S.BaselinePowerCurve[1][201] = 7;  // the top margin row comes back too
    for (int j = 81; j <= 90; ++j) S.BaselinePowerCurve[1][j] = 0;  // the first stage ends lower
    S.BaselineEngineSummary[2][3] = 88;
    S.BaselineRevLimitIndex = 95;   // above the restored curve
    S.BaselinePowerFileName = "/b/BASE.VCD";
    S.BaselineVehicleFileName = "/b/BASE.WCD";
    S.BaselineSet = True;

    S.VehicleData[1][1] = "current";
    S.PowerDescript = {"Gas", "Shot", "Two"};
    S.VehicleName = "NOW";
    S.DataSaved = False;
    S.ChassisEntered = True;
    S.ClutchUseSpec = True;
  }
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(ReloadBaseline, AnythingButOkChangesNothingAndOkRestoresTextsAndCurves) {
  seam.answers = {Msg::Cancel};
  FileBaseline();
  const test::Said question{"Do you want to overwrite the current data with the saved Baseline?",
                            Msg::OKCancel | Msg::Question, "Restore Baseline"};
  EXPECT_EQ(test::AllSaid(seam.asked), std::vector{question});
  EXPECT_EQ(std::tuple(S.VehicleData[1][1], S.BaselineSet), std::tuple("current", True));
  EXPECT_TRUE(windows.unloaded.empty());

  // OK: the texts and curves come back, the titles do not.
  seam.asked.clear();
  FileBaseline();
  EXPECT_EQ(S.VehicleData, S.BaselineVehicleData);
  EXPECT_EQ(S.PowerCurve, S.BaselinePowerCurve);
  EXPECT_EQ(S.EngineSummary[2][3], 88);
  EXPECT_EQ(std::tie(S.VehicleFileName, S.PowerFileName), std::tuple("/b/BASE.WCD", "/b/BASE.VCD"));
  EXPECT_EQ(S.PowerDescript, (std::array<std::string, 3>{"", "", ""}));
  EXPECT_EQ(std::tuple(S.BaselineSet, S.ChassisEntered, S.ClutchUseSpec), std::tuple(False, False, False));
  EXPECT_EQ(std::tuple(S.NitrousSG1, S.NitrousSG2, S.ClutchTimerLPercent), std::tuple(10, 10, 1.0f));
  EXPECT_EQ(windows.baselineMenu, std::vector<bool>{false});
  EXPECT_EQ(windows.baselineChecksCleared, 1);
  // The result windows stay open.
  EXPECT_EQ(windows.unloaded, WindowsClosedByBaseline);
  // Span from the restored column 0, and the stored rev limit brought into it.
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex), std::tuple(20, 90, 90));
  // What the user had around the data stays.
  EXPECT_EQ(std::tuple(S.VehicleName, S.DataSaved), std::tuple("NOW", False));
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{question, {"Baseline data has been restored", Msg::OKOnly | Msg::Information,
                                                "Restore data"}}));
}

// The estimate dialog's Cancel leaves CancelFlag 1, a cancelled file dialog LoadFailed True:
// neither stops the entry of the restored vehicle nor calls it cancelled.
TEST_F(ReloadBaseline, ACancelOrFailedLoadLeftByAnEarlierCommandDoesNotStopTheEntry) {
  S.CancelFlag = 1;
  S.LoadFailed = True;
  int curvesEntered = 0;
  Hooks.EnterPowerCurve = [&curvesEntered](Integer, Integer) { ++curvesEntered; };
  seam.answers = {Msg::Ok};
  S.BaselinePowerCurve[1][50] = 1.23456789f;  // taken from an edit not yet accepted
  FileBaseline();
  EXPECT_EQ(S.PowerCurve[1][50], 1.234568f);  // as its power file gives it back
  EXPECT_GT(curvesEntered, 0);
  EXPECT_EQ(seam.asked.back().text, "Baseline data has been restored");
  EXPECT_EQ(seam.asked.size(), 2u);  // no "Data entry cancelled" between
  EXPECT_EQ(S.CancelFlag, 0);
}

}  // namespace
}  // namespace kestrelon
