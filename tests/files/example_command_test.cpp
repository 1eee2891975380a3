// File > Example: the chooser comes after the offer to save and before anything is reset; a
// choice loads the example into an emptied model and starts the guided entry.
#include <gtest/gtest.h>

#include <tuple>

#include "core/commands.h"
#include "core/state.h"
#include "core/tables.h"
#include "files/example_command.h"
#include "files/example_vehicles.h"
#include "files/open_pattern.h"
#include "scripted_file_windows.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

class ExampleCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    InitExampleCatalogue();
    S = SharedState{};
    S.DataSaved = True;
    S.VehicleData[1][1] = "current";
    S.PowerCurve[0][40] = 120;
    S.ChassisEntered = True;
    S.ClutchUseSpec = True;
    S.HistoryLines[5] = "run";
    S.HistoryHead = 3;
    S.HistoryNext = 6;
  }
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(ExampleCommand, CancelledChoiceChangesNothing) {
  windows.exampleKey = "";
  FileExample();
  EXPECT_EQ(windows.chooserShown, 1);
  EXPECT_TRUE(seam.asked.empty());  // the data were saved: no question first
  EXPECT_EQ(std::tuple(S.VehicleData[1][1], S.PowerCurve[0][40], S.ChassisEntered, S.ClutchUseSpec, S.CancelFlag,
                       S.DataSaved),
            std::tuple("current", 120.0f, True, True, 0, True));
  EXPECT_TRUE(windows.unloaded.empty());
  EXPECT_EQ(windows.menusEnabled, 0);
}

TEST_F(ExampleCommand, StoppingAfterAFailedSaveNeverShowsTheChooser) {
  S.DataSaved = False;
  seam.answers = {Msg::Yes, Msg::Ok, Msg::No};
  windows.answers = {{""}};
  FileExample();
  EXPECT_EQ(std::tie(seam.asked.at(0).title, seam.asked[0].style), std::tuple("Load Example", Msg::YesNo | Msg::DismissCancels | Msg::Question));
  EXPECT_EQ(std::tuple(windows.chooserShown, S.VehicleData[1][1]), std::tuple(0, "current"));
}

TEST_F(ExampleCommand, ChoiceLoadsTheExampleIntoAnEmptiedModelAndRebuildsItsPeaks) {
  windows.exampleKey = "WESTFLD";
  FileExample();
  // Exactly what the setter writes into an empty model.
  const SharedState chosen = S;
  S = SharedState{};
  LoadExampleVehicle("WESTFLD");
  EXPECT_EQ(std::tie(chosen.VehicleData, chosen.PowerCurve), std::tie(S.VehicleData, S.PowerCurve));
  S = chosen;
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.EngineSummary[0][0], S.EngineSummary[0][1], S.PowerMaxPower),
            std::tuple(30, 75, 139.0f, 55.0f, 162));
  EXPECT_EQ(std::tie(S.LastRunVehicleData, S.LastRunEngineSummary), std::tie(S.VehicleData, S.EngineSummary));
  // The history starts afresh, as after a file load: the next run's lines are listed first.
  EXPECT_EQ(std::tuple(S.HistoryLines[5], S.HistoryHead, S.HistoryNext), std::tuple("", 1, 1));
  EXPECT_EQ(std::tuple(S.VehicleName, S.ClutchUseSpec, S.DataSaved, S.DataLoaded, S.InputDataMode, S.InputDataOption),
            std::tuple("", False, False, True, 1, False));
  EXPECT_EQ(windows.unloaded, WindowsClosedByExample);
  EXPECT_EQ(windows.menusEnabled, 1);
  EXPECT_EQ(windows.tips[7], "Power curve with one stage of nitrous");
  EXPECT_EQ(S.CancelFlag, 0);
}

}  // namespace
}  // namespace kestrelon
