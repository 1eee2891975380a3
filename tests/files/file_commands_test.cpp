// The File menu's commands: the offer to save first with each command's title, what each
// command resets, and what it leaves alone (the history ring, the engine curves).
#include <gtest/gtest.h>

#include "core/commands.h"
#include "core/settings.h"
#include "core/state.h"
#include "files/file_commands.h"
#include "files/open_pattern.h"
#include "scripted_file_windows.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class FileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    Cfg.DataPath = folder.file("");
    S.DataSaved = True;
    // A vehicle with a run history behind it.
    S.VehicleData[1][1] = "old chassis";
    S.LastRunVehicleData[1][1] = "old chassis";
    S.LastRunEngineSummary[0][0] = 99;
    S.HistoryLines[1] = "run 1";
    S.HistoryHead = 2;
    S.HistoryNext = 3;
    S.PowerCurve[0][40] = 120;
    S.EngineEntered = True;
    S.ChassisEntered = True;
    S.ClutchUseSpec = True;
  }
  std::string Pair(const std::string& name) {
    folder.write(name + ".VCD", test::TempFolder::read(test::ReferenceFile("golden.vcd")));
    return folder.write(name + ".WCD", test::TempFolder::read(test::ReferenceFile("golden.wcd")));
  }
  bool RingUntouched() const {
    return S.HistoryLines[1] == "run 1" && S.HistoryHead == 2 && S.HistoryNext == 3;
  }

  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(FileCommands, SaveFirstPromptCarriesEachCommandsTitleAndIcon) {
  struct Case {
    void (*command)();
    const char* title;
    int icon;
  };
  const Case cases[] = {{FileNew, "Load new data", Msg::Question},
                        {[] { FileVehicle(); }, "Load data", Msg::Question},
                        {FileChassis, "Load data", Msg::Question},
                        {FilePowerVCAL, "Exit", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    S.DataSaved = False;
    seam.asked.clear();
    seam.answers = {Msg::No};
    windows.answers = {{""}};
    c.command();
    ASSERT_FALSE(seam.asked.empty());
    EXPECT_EQ(seam.asked[0].text, "Would you like to save data first?");
    EXPECT_EQ(seam.asked[0].style, Msg::YesNo | c.icon);
    EXPECT_EQ(seam.asked[0].title, c.title);
    EXPECT_EQ(S.CancelFlag, 0);
  }
}

TEST_F(FileCommands, SaveFirstYesSavesThenGoesOnOrAsks) {
  S.DataSaved = False;
  seam.answers = {Msg::Yes};
  windows.answers = {{folder.file("KEEP.WCD")}, {folder.file("KEEP.VCD")}};
  EXPECT_TRUE(OfferSaveFirst("Load data", Msg::Question));
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[1].text, "Existing data saved successfully");
  EXPECT_EQ(seam.asked[1].style, Msg::OKOnly);
  EXPECT_EQ(seam.asked[1].title, "Load data");

  // A cancelled save: the user chooses whether to go on.
  for (const int answer : {Msg::No, Msg::Yes}) {
    S.DataSaved = False;
    seam.asked.clear();
    seam.answers = {Msg::Yes, Msg::Ok, answer};
    windows.answers = {{""}};
    EXPECT_EQ(OfferSaveFirst("Load new data", Msg::Question), answer == Msg::Yes);
    ASSERT_EQ(seam.asked.size(), 3u);
    EXPECT_EQ(seam.asked[1].text, "Save of Vehicle Data cancelled");
    EXPECT_EQ(seam.asked[2].text, "Not all data was saved, do you still want to continue?");
    EXPECT_EQ(seam.asked[2].style, Msg::YesNo);
    EXPECT_EQ(seam.asked[2].title, "Load data");
  }
}

TEST_F(FileCommands, StoppingAfterAFailedSaveLeavesEverythingAsItWas) {
  S.DataSaved = False;
  seam.answers = {Msg::Yes, Msg::Ok, Msg::No};
  windows.answers = {{""}};
  FileNew();
  EXPECT_EQ(S.VehicleData[1][1], "old chassis");
  EXPECT_TRUE(RingUntouched());
  EXPECT_TRUE(windows.unloaded.empty());
  EXPECT_EQ(windows.menusEnabled, 0);
}

TEST_F(FileCommands, NewEmptiesTheModelTheRingAndBothComparisonCopies) {
  FileNew();
  EXPECT_EQ(S.VehicleData, VehicleTable{});
  EXPECT_EQ(S.LastRunVehicleData, VehicleTable{});
  EXPECT_EQ(S.LastRunEngineSummary, PeakSummary{});
  EXPECT_EQ(S.HistoryLines[1], "");
  EXPECT_EQ(S.HistoryHead, 1);
  EXPECT_EQ(S.HistoryNext, 1);
  EXPECT_EQ(S.PowerCurve[0][40], 0);
  EXPECT_EQ(S.ClutchUseSpec, False);
  EXPECT_EQ(S.InputDataMode, 1);
  EXPECT_EQ(S.InputDataOption, True);
  EXPECT_EQ(windows.unloaded, WindowsClosedByLoad);
  EXPECT_EQ(windows.menusEnabled, 1);
  EXPECT_EQ(S.DataLoaded, True);
  EXPECT_EQ(S.DataSaved, False);
}

TEST_F(FileCommands, CancelledEntryRunsExitAndEndsWithCancelFlagClear) {
  Hooks.EnterPowerCurve = [](Integer, Integer) { S.CancelFlag = 1; };
  FileNew();
  EXPECT_EQ(windows.exits, 1);
  EXPECT_EQ(S.CancelFlag, 0);
}

TEST_F(FileCommands, OpenCompleteVehicleEmptiesTheRingAndComparesWithTheNewVehicle) {
  const std::string car = Pair("CAR");
  windows.answers = {{car}};
  EXPECT_TRUE(FileVehicle());
  ASSERT_EQ(windows.dialogs.size(), 1u);  // the power file beside it is taken without asking
  EXPECT_EQ(windows.dialogs[0].look.title, "Select Vehicle data");
  EXPECT_EQ(windows.dialogs[0].initial, Cfg.DataPath);  // no last vehicle yet
  EXPECT_EQ(S.VehicleFileName, car);
  EXPECT_EQ(S.PowerFileName, folder.file("CAR.VCD"));
  EXPECT_EQ(Cfg.LastChassis, car);
  EXPECT_EQ(Cfg.LastPower, folder.file("CAR.VCD"));
  EXPECT_EQ(S.VehicleFileDescription, "Golden car");
  EXPECT_EQ(S.PowerFileDescription, "Golden engine");
  EXPECT_EQ(S.DataDescription, "");
  EXPECT_EQ(S.HistoryLines[1], "");
  EXPECT_EQ(S.HistoryHead, 1);
  EXPECT_EQ(S.HistoryNext, 1);
  EXPECT_EQ(S.LastRunVehicleData, S.VehicleData);
  EXPECT_NE(S.VehicleData[1][1], "old chassis");
  EXPECT_EQ(S.LastRunEngineSummary[0][0], S.EngineSummary[0][0]);
  EXPECT_EQ(windows.menusEnabled, 1);
  EXPECT_EQ(S.DataSaved, False);
  EXPECT_EQ(S.VehicleName, "CAR");
  EXPECT_EQ(windows.tips.size(), 3u);
  EXPECT_EQ(windows.tips[6], CurveIconTip(0));
}

TEST_F(FileCommands, OpenCompleteVehicleCancelledClearsLoadFailed) {
  windows.answers = {{""}};
  EXPECT_FALSE(FileVehicle());
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(windows.menusEnabled, 0);
  EXPECT_EQ(S.DataLoaded, False);
  EXPECT_EQ(windows.tips[6], "Power curve with no nitrous");
}

TEST_F(FileCommands, OpenChassisKeepsTheEngineAndTheRing) {
  windows.answers = {{Pair("BODY")}};
  FileChassis();
  EXPECT_TRUE(RingUntouched());
  EXPECT_EQ(S.LastRunVehicleData[1][1], "old chassis");
  EXPECT_EQ(S.PowerCurve[0][40], 120);
  EXPECT_EQ(S.EngineEntered, True);
  EXPECT_EQ(S.ChassisEntered, False);
  EXPECT_EQ(S.ClutchUseSpec, False);
  EXPECT_EQ(S.VehicleName, "BODY");
  EXPECT_EQ(Cfg.LastChassis, folder.file("BODY.WCD"));
  EXPECT_EQ(S.DataSaved, False);
  EXPECT_EQ(windows.unloaded, WindowsClosedByOpenChassis);
  EXPECT_EQ(windows.menusEnabled, 0);
}

TEST_F(FileCommands, OpenChassisEndsOnARejectedFileWithNothingChanged) {
  S.VehicleFileName = "/v/OLD.WCD";
  S.VehicleName = "OLD";
  Cfg.LastChassis = "/v/OLD.WCD";
  windows.answers = {{folder.write("BAD.WCD", test::NumberedLines(10))}};
  FileChassis();
  EXPECT_EQ(S.VehicleFileName, "/v/OLD.WCD");
  EXPECT_EQ(S.VehicleName, "OLD");
  EXPECT_EQ(Cfg.LastChassis, "/v/OLD.WCD");
  EXPECT_EQ(S.ChassisEntered, True);
  EXPECT_EQ(S.VehicleData[1][1], "old chassis");
  EXPECT_TRUE(windows.unloaded.empty());

  // A cancelled dialog forgets the current file's name.
  windows.answers = {{""}};
  FileChassis();
  EXPECT_EQ(S.VehicleFileName, "");
  EXPECT_EQ(S.VehicleName, "");
  EXPECT_EQ(S.ChassisEntered, True);
}

TEST_F(FileCommands, OpenPowerFileStartsTheCurvesAfreshAndKeepsTheRing) {
  Pair("ENG");
  S.RevLimitIndex = 70;
  S.CurveEntered = {True, True, True};
  Integer revLimitAtEntry = -1;
  std::array<Integer, 3> enteredAtEntry{};
  Hooks.EnterPowerCurve = [&](Integer, Integer) {
    revLimitAtEntry = S.RevLimitIndex;
    enteredAtEntry = S.CurveEntered;
  };
  windows.answers = {{folder.file("ENG.VCD")}};
  FilePowerVCAL();
  EXPECT_EQ(revLimitAtEntry, 0);
  EXPECT_EQ(enteredAtEntry, (std::array<Integer, 3>{False, False, False}));
  EXPECT_TRUE(RingUntouched());
  EXPECT_EQ(S.VehicleData[1][1], "old chassis");
  EXPECT_EQ(Cfg.LastPower, folder.file("ENG.VCD"));
  EXPECT_EQ(S.DataSaved, False);

  // A rejected file skips the entry but still refreshes the tips.
  windows.tips.clear();
  revLimitAtEntry = -1;
  windows.answers = {{folder.write("BAD.VCD", "x\r\n")}};
  FilePowerVCAL();
  EXPECT_EQ(revLimitAtEntry, -1);
  EXPECT_EQ(windows.tips.size(), 3u);
}

TEST_F(FileCommands, CurveIconTipsComeFromTheTrimmedTitles) {
  S.PowerDescript = {"  Gas  ", "   ", "Big shot"};
  EXPECT_EQ(CurveIconTip(0), "Power curve for Gas");
  EXPECT_EQ(CurveIconTip(1), "Power curve with one stage of nitrous");
  EXPECT_EQ(CurveIconTip(2), "Power curve for Big shot");
  S.PowerDescript = {"", "", ""};
  EXPECT_EQ(CurveIconTip(2), "Power curve with two stages of nitrous");
}

}  // namespace
}  // namespace kestrelon
