// The File menu's commands: the offer to save first with each command's title, what each
// command resets, and what it leaves alone (the history ring, the engine curves).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "core/commands.h"
#include "core/settings.h"
#include "core/state.h"
#include "files/baseline.h"
#include "files/example_command.h"
#include "files/example_vehicles.h"
#include "files/file_commands.h"
#include "files/open_pattern.h"
#include "power/engine_analyser_import.h"
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
  bool RingUntouched() const {
    return S.HistoryLines[1] == "run 1" && S.HistoryHead == 2 && S.HistoryNext == 3;
  }
  bool RingEmpty() const { return S.HistoryLines[1].empty() && S.HistoryHead == 1 && S.HistoryNext == 1; }

  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(FileCommands, SaveFirstPromptCarriesEachCommandsTitleAndIcon) {
  using Case = std::tuple<void (*)(), const char*, int>;
  for (auto [command, title, icon] : {Case{FileNew, "Load new data", Msg::Question},
                                      Case{[] { FileVehicle(); }, "Load data", Msg::Question},
                                      Case{FileChassis, "Load data", Msg::Question}, Case{FilePowerVCAL, "Exit", 0}}) {
    SCOPED_TRACE(title);
    S.DataSaved = False;
    seam.asked.clear();
    seam.answers = {Msg::No};
    windows.answers = {{""}};
    command();
    ASSERT_FALSE(seam.asked.empty());
    EXPECT_EQ(test::AllSaid(seam.asked)[0],
              test::Said("Would you like to save data first?", Msg::YesNo | Msg::DismissCancels | icon, title));
    EXPECT_EQ(S.CancelFlag, 0);
  }
}

TEST_F(FileCommands, SaveFirstYesSavesThenGoesOnOrAsks) {
  S.DataSaved = False;
  seam.answers = {Msg::Yes};
  windows.answers = {{folder.file("KEEP.WCD")}, {folder.file("KEEP.VCD")}};
  EXPECT_TRUE(OfferSaveFirst("Load data", Msg::Question));
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(test::AllSaid(seam.asked)[1],
            test::Said("Existing data saved successfully", Msg::OKOnly, "Load data"));

  // A cancelled save: the user chooses whether to go on.
  for (const int answer : {Msg::No, Msg::Yes}) {
    S.DataSaved = False;
    seam.asked.clear();
    seam.answers = {Msg::Yes, Msg::Ok, answer};
    windows.answers = {{""}};
    EXPECT_EQ(OfferSaveFirst("Load new data", Msg::Question), answer == Msg::Yes);
    ASSERT_EQ(seam.asked.size(), 3u);
    EXPECT_EQ(seam.asked[1].text, "Save of Vehicle Data cancelled");
    EXPECT_EQ(test::AllSaid(seam.asked)[2],
              test::Said("Not all data was saved, do you still want to continue?", Msg::YesNo, "Load data"));
  }
}

TEST_F(FileCommands, StoppingAfterAFailedSaveLeavesEverythingAsItWas) {
  S.DataSaved = False;
  seam.answers = {Msg::Yes, Msg::Ok, Msg::No};
  windows.answers = {{""}};
  FileNew();
  EXPECT_EQ(S.VehicleData[1][1], "old chassis");
  EXPECT_TRUE(RingUntouched());
  EXPECT_EQ(std::tuple(windows.unloaded.size(), windows.menusEnabled), std::tuple(0u, 0));
  seam.answers = {Msg::Cancel};  // Esc or the close box on the question: the same, unasked
  FileNew();
  EXPECT_EQ(std::tuple(S.VehicleData[1][1], RingUntouched(), windows.unloaded.size(), seam.asked.size(), S.DataSaved),
            std::tuple("old chassis", true, 0u, 4u, False));
}

TEST_F(FileCommands, NewEmptiesTheModelTheRingAndBothComparisonCopies) {
  FileNew();
  EXPECT_EQ(std::tie(S.VehicleData, S.LastRunVehicleData), std::tuple(VehicleTable{}, VehicleTable{}));
  EXPECT_EQ(S.LastRunEngineSummary, PeakSummary{});
  EXPECT_TRUE(RingEmpty());
  EXPECT_EQ(S.PowerCurve[0][40], 0);
  EXPECT_EQ(std::tuple(S.ClutchUseSpec, S.InputDataMode, S.InputDataOption, S.DataLoaded, S.DataSaved),
            std::tuple(False, 1, True, True, False));
  EXPECT_EQ(std::tuple(windows.unloaded, windows.menusEnabled), std::tuple(WindowsClosedByLoad, 1));
}

TEST_F(FileCommands, CancelledEntryRunsExitAndEndsWithCancelFlagClear) {
  Hooks.EnterPowerCurve = [](Integer, Integer) { S.CancelFlag = 1; };
  FileNew();
  EXPECT_EQ(std::tuple(windows.exits, S.CancelFlag), std::tuple(1, 0));
}

TEST_F(FileCommands, ImportRefusedInTheCurveGraphLetsNewsEntryGoOn) {
  // The curve graph of New's entry imports an Engine Analyser file it refuses (a line that is
  // no reading, a file with no reading), then its OK accepts the curve drawn by hand.
  for (const char* bytes : {"RPM,Torque,Power\n", "3000,200\n"}) {
    SCOPED_TRACE(bytes);
    const std::string file = folder.write("dyno.csv", bytes);
    seam.asked.clear();
    S.DataSaved = True;
    windows.exits = windows.menusEnabled = 0;
    Hooks.EnterPowerCurve = [&file](Integer column, Integer) {
      ImportEngineAnalyserPower(file, column);
      S.CurveEntered[column] = True;
    };
    FileNew();
    ASSERT_EQ(seam.asked.size(), 1u);  // the refusal, and no "Data entry cancelled"
    EXPECT_EQ(std::tuple(windows.exits, windows.menusEnabled, S.DataLoaded), std::tuple(0, 1, True));
  }
}

TEST_F(FileCommands, OpenCompleteVehicleEmptiesTheRingAndComparesWithTheNewVehicle) {
  const std::string car = test::GoldenPair(folder, "CAR");
  windows.answers = {{car}};
  EXPECT_TRUE(FileVehicle());
  ASSERT_EQ(windows.dialogs.size(), 1u);  // the power file beside it is taken without asking
  // No last vehicle yet: the dialog starts in the data folder.
  EXPECT_EQ(std::tie(windows.dialogs[0].look.title, windows.dialogs[0].initial),
            std::tuple("Select Vehicle data", Cfg.DataPath));
  EXPECT_EQ(std::tie(S.VehicleFileName, Cfg.LastChassis, S.VehicleName), std::tuple(car, car, "CAR"));
  EXPECT_EQ(std::tie(S.PowerFileName, Cfg.LastPower), std::tuple(folder.file("CAR.VCD"), folder.file("CAR.VCD")));
  EXPECT_EQ(std::tie(S.VehicleFileDescription, S.PowerFileDescription, S.DataDescription),
            std::tuple("Golden car", "Golden engine", ""));
  EXPECT_TRUE(RingEmpty());
  EXPECT_EQ(S.LastRunVehicleData, S.VehicleData);
  EXPECT_NE(S.VehicleData[1][1], "old chassis");
  EXPECT_EQ(S.LastRunEngineSummary[0][0], S.EngineSummary[0][0]);
  EXPECT_EQ(std::tuple(windows.menusEnabled, S.DataSaved, windows.tips.size()), std::tuple(1, False, 3u));
  EXPECT_EQ(windows.tips[6], CurveIconTip(0));
}

TEST_F(FileCommands, OpenCompleteVehicleCancelledClearsLoadFailed) {
  windows.answers = {{""}};
  EXPECT_FALSE(FileVehicle());
  EXPECT_EQ(std::tuple(S.LoadFailed, S.DataLoaded, windows.menusEnabled), std::tuple(False, False, 0));
  EXPECT_EQ(windows.tips[6], "Power curve with no nitrous");
}

TEST_F(FileCommands, OpenCompleteVehicleCancelledOrRejectedKeepsTheVehicleInMemory) {
  S.DataLoaded = True;
  const std::string rejected = folder.write("BAD.WCD", test::NumberedLines(150));
  // The dialog's answer, and the CancelFlag an earlier command left behind (the estimate
  // dialog's Cancel leaves 1): the load that did not come through asks no exit question.
  for (const auto& [answer, cancelLeft] : {std::pair<std::string, Integer>{"", 0}, {"", 1}, {rejected, 1}}) {
    SCOPED_TRACE(answer + " " + std::to_string(cancelLeft));
    S.CancelFlag = cancelLeft;
    const SharedState before = S;
    windows.answers = {{answer}};
    EXPECT_FALSE(FileVehicle());
    EXPECT_EQ(std::tie(S.VehicleData, S.PowerCurve[0][40], S.EngineEntered, S.ChassisEntered),
              std::tie(before.VehicleData, before.PowerCurve[0][40], before.EngineEntered,
                       before.ChassisEntered));
    EXPECT_TRUE(RingUntouched());
    EXPECT_EQ(std::tuple(S.LoadFailed, S.DataLoaded, S.CancelFlag, windows.exits), std::tuple(False, True, 0, 0));
  }
}

TEST_F(FileCommands, OpenChassisKeepsTheEngineAndTheRing) {
  windows.answers = {{test::GoldenPair(folder, "BODY")}};
  FileChassis();
  EXPECT_TRUE(RingUntouched());
  EXPECT_EQ(S.LastRunVehicleData[1][1], "old chassis");
  EXPECT_EQ(S.PowerCurve[0][40], 120);
  // An open curve graph's Cancel keeps the vehicle opened.
  EXPECT_TRUE(S.CurveEntryStart.launchTemp == S.LaunchTemp && S.CurveEntryStart.curveItems[2] == S.VehicleData[8][18] &&
              S.CurveEntryStart.vehicleChanges == S.VehicleChanges);
  EXPECT_EQ(std::tuple(S.EngineEntered, S.ChassisEntered, S.ClutchUseSpec, S.DataSaved, S.CancelFlag),
            std::tuple(True, False, False, False, 0));
  EXPECT_EQ(std::tie(S.VehicleName, Cfg.LastChassis), std::tuple("BODY", folder.file("BODY.WCD")));
  EXPECT_EQ(windows.unloaded, WindowsClosedByOpenChassis);
  EXPECT_EQ(windows.menusEnabled, 0);

  // A file without an extension is named in full.
  S.DataSaved = True;
  windows.answers = {{folder.write("PLAIN", test::TempFolder::read(test::ReferenceFile("golden.wcd")))}};
  FileChassis();
  EXPECT_EQ(S.VehicleName, "PLAIN");
}

TEST_F(FileCommands, OpenChassisEndsOnARejectedFileWithNothingChanged) {
  S.VehicleFileName = "/v/OLD.WCD";
  S.VehicleName = "OLD";
  Cfg.LastChassis = "/v/OLD.WCD";
  windows.answers = {{folder.write("BAD.WCD", test::NumberedLines(10))}};
  FileChassis();
  EXPECT_EQ(std::tie(S.VehicleFileName, S.VehicleName, Cfg.LastChassis),
            std::tuple("/v/OLD.WCD", "OLD", "/v/OLD.WCD"));
  EXPECT_EQ(S.ChassisEntered, True);
  EXPECT_EQ(S.VehicleData[1][1], "old chassis");
  EXPECT_TRUE(windows.unloaded.empty());

  // A cancelled dialog forgets the current file's name.
  windows.answers = {{""}};
  FileChassis();
  EXPECT_EQ(std::tie(S.VehicleFileName, S.VehicleName), std::tuple("", ""));
}

TEST_F(FileCommands, OpenPowerFileStartsTheCurvesAfreshAndKeepsTheRing) {
  test::GoldenPair(folder, "ENG");
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
  EXPECT_EQ(std::tuple(CurveIconTip(0), CurveIconTip(1), CurveIconTip(2)),
            std::tuple("Power curve for Gas", "Power curve with one stage of nitrous", "Power curve for Big shot"));
  S.PowerDescript = {"", "", ""};
  EXPECT_EQ(CurveIconTip(2), "Power curve with two stages of nitrous");
}

// Every command that brings in a vehicle closes Launch Information and the estimate dialog with
// the data windows; the estimate dialog's unload sets CancelFlag, which must not stop the entry.
TEST_F(FileCommands, EachLoadClosesTheRunSetUpAndTheEstimateAndRunsItsWholeEntry) {
  InitExampleCatalogue();
  const std::pair<const char*, std::function<void()>> loads[] = {
      {"New", FileNew},
      {"Open Complete Vehicle", [this] { FileVehicle(test::GoldenPair(folder, "CAR"), folder.file("CAR.VCD")); }},
      {"Open Chassis",
       [this] {
         windows.answers = {{test::GoldenPair(folder, "BODY")}};
         FileChassis();
       }},
      {"Example",
       [this] {
         windows.exampleKey = "WESTFLD";
         FileExample();
       }},
      {"Reload Baseline Data", FileBaseline},
  };
  for (const auto& [name, load] : loads) {
    SCOPED_TRACE(name);
    std::vector<std::string> closed;
    FileWindows.UnloadForm = [&closed](const std::string& form) {
      closed.push_back(form);
      if (form == "frmEstimate") S.CancelFlag = 1;  // as the open estimate dialog's unload does
    };
    int entries = 0;
    Hooks.EnterPowerCurve = [&entries](Integer, Integer) { ++entries; };
    SetFormOpener(EntryForm::Chassis, [&entries] { ++entries; });
    windows.exits = 0;
    load();
    for (const char* form : {"frmDataLaunch", "frmEstimate"})
      EXPECT_EQ(std::count(closed.begin(), closed.end(), form), 1) << form;
    EXPECT_GT(entries, 0);
    EXPECT_EQ(std::tuple(windows.exits, S.CancelFlag), std::tuple(0, 0));
  }
}

}  // namespace
}  // namespace kestrelon
