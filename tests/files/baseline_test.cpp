// Reload Baseline Data: the stored vehicle texts and curves come back, the curve titles do not,
// and the curve's span and rev limit are made to fit the restored curve.
#include <gtest/gtest.h>

#include "core/commands.h"
#include "core/state.h"
#include "files/baseline.h"
#include "files/open_pattern.h"
#include "scripted_file_windows.h"
#include "support/scripted_ui.h"

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
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Do you want to overwrite the current data with the saved Baseline?");
  EXPECT_EQ(seam.asked[0].style, Msg::OKCancel | Msg::Question);
  EXPECT_EQ(seam.asked[0].title, "Restore Baseline");
  EXPECT_EQ(S.VehicleData[1][1], "current");
  EXPECT_EQ(S.BaselineSet, True);
  EXPECT_TRUE(windows.unloaded.empty());

  // OK: the texts and curves come back, the titles do not.
  seam.asked.clear();
  FileBaseline();
  EXPECT_EQ(S.VehicleData, S.BaselineVehicleData);
  EXPECT_EQ(S.PowerCurve, S.BaselinePowerCurve);
  EXPECT_EQ(S.EngineSummary[2][3], 88);
  EXPECT_EQ(S.VehicleFileName, "/b/BASE.WCD");
  EXPECT_EQ(S.PowerFileName, "/b/BASE.VCD");
  EXPECT_EQ(S.PowerDescript, (std::array<std::string, 3>{"", "", ""}));
  EXPECT_EQ(S.BaselineSet, False);
  EXPECT_EQ(windows.baselineMenu, std::vector<bool>{false});
  EXPECT_EQ(windows.baselineChecksCleared, 1);
  EXPECT_EQ(S.ChassisEntered, False);
  EXPECT_EQ(S.ClutchUseSpec, False);
  // The result windows stay open.
  EXPECT_EQ(windows.unloaded, WindowsClosedByBaseline);
  // Span from the restored column 0, and the stored rev limit brought into it.
  EXPECT_EQ(S.MinRPMIndex, 20);
  EXPECT_EQ(S.MaxRPMIndex, 90);
  EXPECT_EQ(S.RevLimitIndex, 90);
  // What the user had around the data stays.
  EXPECT_EQ(S.VehicleName, "NOW");
  EXPECT_EQ(S.DataSaved, False);
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[1].text, "Baseline data has been restored");
  EXPECT_EQ(seam.asked[1].style, Msg::OKOnly | Msg::Information);
  EXPECT_EQ(seam.asked[1].title, "Restore data");
}

}  // namespace
}  // namespace kestrelon
