// File > Example: the chooser comes after the offer to save and before anything is reset; a
// choice loads the example into an emptied model and starts the guided entry.
#include <gtest/gtest.h>

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
  EXPECT_EQ(S.VehicleData[1][1], "current");
  EXPECT_EQ(S.PowerCurve[0][40], 120);
  EXPECT_EQ(S.ChassisEntered, True);
  EXPECT_EQ(S.ClutchUseSpec, True);
  EXPECT_EQ(S.CancelFlag, 0);
  EXPECT_EQ(S.DataSaved, True);
  EXPECT_TRUE(windows.unloaded.empty());
  EXPECT_EQ(windows.menusEnabled, 0);
}

TEST_F(ExampleCommand, StoppingAfterAFailedSaveNeverShowsTheChooser) {
  S.DataSaved = False;
  seam.answers = {Msg::Yes, Msg::Ok, Msg::No};
  windows.answers = {{""}};
  FileExample();
  EXPECT_EQ(seam.asked[0].title, "Load Example");
  EXPECT_EQ(seam.asked[0].style, Msg::YesNo | Msg::Question);
  EXPECT_EQ(windows.chooserShown, 0);
  EXPECT_EQ(S.VehicleData[1][1], "current");
}

TEST_F(ExampleCommand, ChoiceLoadsTheExampleIntoAnEmptiedModelAndRebuildsItsPeaks) {
  windows.exampleKey = "WESTFLD";
  FileExample();
  // Exactly what the setter writes into an empty model.
  const SharedState chosen = S;
  S = SharedState{};
  LoadExampleVehicle("WESTFLD");
  EXPECT_EQ(chosen.VehicleData, S.VehicleData);
  EXPECT_EQ(chosen.PowerCurve, S.PowerCurve);
  S = chosen;
  EXPECT_EQ(S.MinRPMIndex, 30);
  EXPECT_EQ(S.MaxRPMIndex, 75);
  EXPECT_FLOAT_EQ(S.EngineSummary[0][0], 139);
  EXPECT_FLOAT_EQ(S.EngineSummary[0][1], 55);
  EXPECT_EQ(S.PowerMaxPower, 162);
  EXPECT_EQ(S.ClutchUseSpec, False);
  EXPECT_EQ(S.LastRunVehicleData, S.VehicleData);
  EXPECT_EQ(S.LastRunEngineSummary, S.EngineSummary);
  // The history lines go; the ring's positions stay.
  EXPECT_EQ(S.HistoryLines[5], "");
  EXPECT_EQ(S.HistoryHead, 3);
  EXPECT_EQ(S.HistoryNext, 6);
  EXPECT_EQ(S.VehicleName, "");
  EXPECT_EQ(S.DataSaved, False);
  EXPECT_EQ(S.DataLoaded, True);
  EXPECT_EQ(S.InputDataMode, 1);
  EXPECT_EQ(S.InputDataOption, False);
  EXPECT_EQ(windows.unloaded, WindowsClosedByExample);
  EXPECT_EQ(windows.menusEnabled, 1);
  EXPECT_EQ(windows.tips[7], "Power curve with one stage of nitrous");
  EXPECT_EQ(S.CancelFlag, 0);
}

}  // namespace
}  // namespace kestrelon
