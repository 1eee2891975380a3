// Loading and saving a complete vehicle: the vehicle and power file pair, with the dialogs it
// takes and what a cancelled or failed step leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <tuple>

#include "core/settings.h"
#include "core/state.h"
#include "files/vehicle_io.h"
#include "scripted_file_windows.h"
#include "support/failing_file_system.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class VehicleIo : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    Cfg.DataPath = folder.file("");
  }
  // The question a save asks before it replaces an existing file.
  static test::Said Replace(const std::string& path, const char* title = "Save Vehicle Data") {
    return {path + " already exists. Do you want to replace it?", Msg::YesNo | Msg::Exclamation | Msg::DefaultButton2,
            title};
  }
  static std::string FirstLine(const std::string& path) {
    const std::string text = test::TempFolder::read(path);
    return text.substr(0, text.find('\r'));
  }
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(VehicleIo, CancelledDialogsStopTheLoad) {
  windows.answers = {{folder.write("CAR.WCD", test::TempFolder::read(test::ReferenceFile("golden.wcd")))}, {""}};
  EXPECT_FALSE(LoadVehicleAndPower("", ""));
  ASSERT_EQ(windows.dialogs.size(), 2u);
  // The power dialog starts from the vehicle's name.
  EXPECT_EQ(std::tie(windows.dialogs[1].look.title, windows.dialogs[1].initial),
            std::tuple("Select Power data", folder.file("CAR.VCD")));
  // The vehicle texts stay, the engine is not entered, no data entry starts.
  EXPECT_EQ(std::tuple(S.LoadFailed, S.EngineEntered, S.InputDataPending), std::tuple(True, False, False));
  EXPECT_FALSE(S.VehicleData[2][1].empty());

  S.VehicleName = "OLD";
  windows.answers = {{""}};
  EXPECT_FALSE(LoadVehicleAndPower("", ""));
  EXPECT_EQ(windows.dialogs.size(), 3u);
  EXPECT_EQ(std::tuple(S.VehicleName, S.InputDataPending), std::tuple("", False));
}

TEST_F(VehicleIo, SavingUnderANewNameAsksForBothBeforeWritingEither) {
  Cfg.LastChassis = folder.file("OLD.WCD");
  Cfg.LastPower = "/elsewhere/OLD.VCD";
  std::filesystem::create_directories(folder.file("sub"));
  windows.answers = {{folder.file("sub/NEW.WCD"), "Chassis words"}, {folder.file("NEW.VCD"), "Engine words"}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Saved);
  ASSERT_EQ(windows.dialogs.size(), 2u);
  EXPECT_EQ(std::tie(windows.dialogs[1].look.title, windows.dialogs[1].initial, windows.dialogs[1].descriptionShown),
            std::tuple("Save Power Data", folder.file("sub/NEW.VCD"), "Chassis words"));  // beside the vehicle
  EXPECT_EQ(std::tuple(FirstLine(folder.file("sub/NEW.WCD")), FirstLine(folder.file("NEW.VCD"))),
            std::tuple("//*Chassis words", "//*Engine words"));
  EXPECT_EQ(std::tie(Cfg.LastChassis, Cfg.LastPower), std::tuple(folder.file("sub/NEW.WCD"), folder.file("NEW.VCD")));
  EXPECT_EQ(std::tie(S.VehicleFileDescription, S.PowerFileDescription),
            std::tuple("Chassis words", "Engine words"));
}

// The last pair's names offered again after another vehicle came in: one question names both
// files. No shows the dialog again with what was typed; only Yes replaces the pair.
TEST_F(VehicleIo, SavingOverAnExistingPairAsksFirstAndNoKeepsIt) {
  struct Row {
    const char* what;
    std::vector<test::DialogAnswer> dialogs;
    std::deque<int> answers;
    SaveOutcome outcome;
    bool pairKept;
  };
  const std::string car = folder.file("CAR.WCD"), power = folder.file("CAR.VCD");
  const Row rows[] = {
      {"No, Cancel", {{car, "typed"}, {""}}, {Msg::No}, SaveOutcome::Declined, true},
      {"No, new name", {{car, "typed"}, {folder.file("NEW.WCD")}, {folder.file("NEW.VCD")}}, {Msg::No}, SaveOutcome::Saved, true},
      {"Yes", {{car, "typed"}}, {Msg::Yes}, SaveOutcome::Saved, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    folder.write("CAR.WCD", "old vehicle\r\n");
    folder.write("CAR.VCD", "old power\r\n");
    Cfg.LastChassis = car;
    Cfg.LastPower = power;
    S.DataSaved = False;
    windows.dialogs.clear();
    windows.answers = {row.dialogs.begin(), row.dialogs.end()};
    seam.asked.clear();
    seam.answers = row.answers;
    EXPECT_EQ(SaveVehicleAndPower(), row.outcome);
    ASSERT_FALSE(seam.asked.empty());
    EXPECT_EQ(seam.asked.front().text, car + " and " + power + " already exist. Do you want to replace them?");
    EXPECT_EQ(std::tie(seam.asked.front().style, seam.asked.front().title),
              std::tuple(Msg::YesNo | Msg::Exclamation | Msg::DefaultButton2, "Save Vehicle Data"));
    EXPECT_EQ(seam.asked.size(), row.outcome == SaveOutcome::Declined ? 2u : 1u);  // and "cancelled"
    if (windows.dialogs.size() > 1) {
      EXPECT_EQ(std::tie(windows.dialogs[1].descriptionShown, windows.dialogs[1].lastName), std::tuple("typed", "CAR.WCD"));
    }
    EXPECT_EQ(test::TempFolder::read(car) == "old vehicle\r\n" && test::TempFolder::read(power) == "old power\r\n",
              row.pairKept);
    EXPECT_EQ(S.DataSaved, row.outcome == SaveOutcome::Saved ? True : False);
  }
  // Only the power file left of the pair: the question names it alone. The power dialog asks
  // about its own file.
  const test::Said cancelled{"Save of Vehicle Data cancelled", Msg::OKOnly, "Kestrelon"};
  std::filesystem::remove(car);
  for (const auto& [names, question] :
       {std::pair{std::vector<std::string>{car}, Replace(power)},
        std::pair{std::vector<std::string>{folder.file("FRESH.WCD"), power}, Replace(power, "Save Power Data")}}) {
    seam.asked.clear();
    seam.answers = {Msg::No};
    windows.answers = {names.begin(), names.end()};
    windows.answers.push_back({""});
    EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Declined);
    EXPECT_EQ(test::AllSaid(seam.asked), (std::vector<test::Said>{question, cancelled}));
  }
  EXPECT_FALSE(std::filesystem::exists(car) || std::filesystem::exists(folder.file("FRESH.WCD")));
}

TEST_F(VehicleIo, CancelledSaveWritesNothing) {
  Cfg.LastChassis = folder.file("OLD.WCD");
  S.DataSaved = False;
  windows.answers = {{folder.file("NEW.WCD")}, {""}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Cancelled);
  EXPECT_FALSE(std::filesystem::exists(folder.file("NEW.WCD")));
  EXPECT_EQ(std::tuple(Cfg.LastChassis, S.DataSaved), std::tuple(folder.file("OLD.WCD"), False));
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[0].style), std::tuple("Save of Vehicle Data cancelled", Msg::OKOnly));

  windows.answers = {{""}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Cancelled);
  EXPECT_EQ(seam.asked.size(), 2u);
}

TEST_F(VehicleIo, FailedPowerWriteLeavesTheVehicleFileAsItWas) {
  const std::string car = folder.write("CAR.WCD", "old content\r\n");
  windows.answers = {{car}, {folder.file("gone/CAR.VCD")}};
  seam.answers = {Msg::Yes};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  EXPECT_EQ(test::TempFolder::read(car), "old content\r\n");
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{Replace(car), {"Drive or path does not exist", Msg::OKOnly | Msg::Exclamation, "Save data"}}));
  EXPECT_EQ(S.DataSaved, False);

  windows.answers = {{folder.file("FRESH.WCD")}, {folder.file("gone/FRESH.VCD")}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  EXPECT_FALSE(std::filesystem::exists(folder.file("FRESH.WCD")));
}

TEST_F(VehicleIo, SavingUnderAFolderNameRefusesAndWritesNothing) {
  std::filesystem::create_directory(folder.file("CARS.WCD"));
  std::filesystem::create_directory(folder.file("BIKES.VCD"));
  S.DataSaved = False;
  const std::vector<std::vector<test::DialogAnswer>> pairs = {{{folder.file("CARS.WCD")}, {folder.file("CARS.VCD")}},
                                                              {{folder.file("BIKES.WCD")}, {folder.file("BIKES.VCD")}}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair[0].path);
    seam.asked.clear();
    windows.answers = {pair.begin(), pair.end()};
    SaveOutcome outcome = SaveOutcome::Saved;
    EXPECT_NO_THROW(outcome = SaveVehicleAndPower());
    EXPECT_EQ(outcome, SaveOutcome::Failed);
    EXPECT_EQ(test::AllSaid(seam.asked),
              (std::vector<test::Said>{{"Unexpected Error # 21 : Is a directory", Msg::OKOnly | Msg::Critical, "Open File"}}));
    EXPECT_EQ(S.DataSaved, False);
  }
  // Nothing written beside the folders either.
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.file(""))) left.push_back(entry.path().filename());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"BIKES.VCD", "CARS.WCD"}));
}

// The old vehicle file is copied (a file system without hard links) and the power file cannot be
// put in place: both old files stay as they were, and so do the names killed saves left.
TEST_F(VehicleIo, AFailedSaveLeavesBothOldFilesAndTheRacersFilesAsTheyWere) {
  const std::map<std::string, std::string> before = {
      {"CAR.WCD", "old vehicle\r\n"}, {"CAR.VCD", "old power\r\n"}, {"CAR.WCD.old~", "racer's"},
      {"CAR.WCD.part~", "racer's"}, {"CAR.VCD.part~", "racer's"}};
  for (const auto& [name, bytes] : before) folder.write(name, bytes);
  test::FailingFileSystem fs({{test::FailingFileSystem::RenameCall, 3}});  // aside, vehicle in, power in
  fs.noLinks = true;
  windows.answers = {{folder.file("CAR.WCD"), "new"}, {folder.file("CAR.VCD"), "new"}};
  seam.answers = {Msg::Yes, Msg::Yes};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  std::map<std::string, std::string> after;
  for (const auto& entry : std::filesystem::directory_iterator(folder.file("")))
    after[entry.path().filename()] = test::TempFolder::read(entry.path());
  EXPECT_EQ(after, before);
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{Replace(folder.file("CAR.WCD")), Replace(folder.file("CAR.VCD"), "Save Power Data"),
                                     {"Unexpected Error # 5 : Input/output error", Msg::OKOnly | Msg::Critical, "Open File"}}));
}

// The power file cannot be put in place and the old vehicle file cannot be put back: the racer
// is told which file now holds what, so as to save again.
TEST_F(VehicleIo, AHalfSavedPairSaysWhichFileHoldsTheNewData) {
  for (const bool powerExisted : {true, false}) {
    std::filesystem::remove(folder.file("CAR.VCD"));
    folder.write("CAR.WCD", "old vehicle\r\n");
    if (powerExisted) folder.write("CAR.VCD", "old power\r\n");
    seam.asked.clear();
    test::FailingFileSystem fs({{test::FailingFileSystem::RenameCall, 2}, {test::FailingFileSystem::RenameCall, 3}});
    windows.answers = {{folder.file("CAR.WCD"), "new"}, {folder.file("CAR.VCD"), "new"}};
    seam.answers = {Msg::Yes, Msg::Yes};
    EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
    seam.asked.erase(seam.asked.begin(), seam.asked.end() - 1);  // after the replace questions
    EXPECT_EQ(test::AllSaid(seam.asked),
              (std::vector<test::Said>{{"Unexpected Error # 5 : Input/output error\r\nThe vehicle file " + folder.file("CAR.WCD") +
                                            " now holds the new data and the power file " + folder.file("CAR.VCD") +
                                            (powerExisted ? " the old" : " is not written") + ": save again.",
                                        Msg::OKOnly | Msg::Critical, "Open File"}}));
    EXPECT_EQ(FirstLine(folder.file("CAR.WCD")), "//*new");
    EXPECT_EQ(S.DataSaved, False);
  }
}

// A FIFO, or a link to one, where the vehicle file should be, and a power file whose owner the
// racer may not give the new file: the save is refused with the message for that error, and
// nothing changes.
TEST_F(VehicleIo, ASaveOntoAFifoOrOverAFileItMayNotGiveBackIsRefusedWithNothingChanged) {
  namespace fs = std::filesystem;
  ASSERT_EQ(::mkfifo(folder.file("CAR.WCD").c_str(), 0666), 0);
  fs::create_symlink(folder.file("CAR.WCD"), folder.file("LINK.WCD"));
  for (const char* name : {"CAR.WCD", "LINK.WCD"}) {
    seam.asked.clear();
    windows.answers = {{folder.file(name)}, {folder.file("CAR.VCD")}};
    EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
    EXPECT_EQ(test::AllSaid(seam.asked),
              (std::vector<test::Said>{{"Unexpected Error # 22 : Not a regular file", Msg::OKOnly | Msg::Critical, "Open File"}}));
  }
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(folder.file("CAR.WCD"))));
  EXPECT_TRUE(fs::is_symlink(folder.file("LINK.WCD")));
  EXPECT_FALSE(fs::exists(folder.file("CAR.VCD")));

  folder.write("OWN.WCD", "old vehicle\r\n");
  folder.write("OWN.VCD", "old power\r\n");
  seam.asked.clear();
  test::FailingFileSystem failing({{test::FailingFileSystem::SetOwnerCall, 2}}, EPERM);  // the power file's
  windows.answers = {{folder.file("OWN.WCD")}, {folder.file("OWN.VCD")}};
  seam.answers = {Msg::Yes, Msg::Yes};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{Replace(folder.file("OWN.WCD")), Replace(folder.file("OWN.VCD"), "Save Power Data"),
                                     {"Unexpected Error # 1 : Operation not permitted", Msg::OKOnly | Msg::Critical, "Open File"}}));
  EXPECT_EQ(std::tuple(test::TempFolder::read(folder.file("OWN.WCD")), test::TempFolder::read(folder.file("OWN.VCD"))),
            std::tuple("old vehicle\r\n", "old power\r\n"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.file("")), {}), 4);
}

// A vehicle whose files a killed save left only beside their names opens with one dialog, as
// the vehicle it was: each old file is put back before it is looked for.
TEST_F(VehicleIo, OpeningAVehicleLeftBesideItsNamesPutsItsFilesBackFirst) {
  folder.write("CAR.WCD.old~", test::TempFolder::read(test::ReferenceFile("golden.wcd")));
  folder.write("CAR.VCD.old~", test::TempFolder::read(test::ReferenceFile("golden.vcd")));
  windows.answers = {{folder.file("CAR.WCD")}};
  EXPECT_TRUE(LoadVehicleAndPower("", ""));
  EXPECT_EQ(windows.dialogs.size(), 1u);
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_EQ(std::tuple(S.VehicleFileName, S.PowerFileName), std::tuple(folder.file("CAR.WCD"), folder.file("CAR.VCD")));
  EXPECT_EQ(test::TempFolder::read(folder.file("CAR.VCD")), test::TempFolder::read(test::ReferenceFile("golden.vcd")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("CAR.WCD.old~")));
  // Named from the working folder, as on the command line, they are remembered by their whole path.
  const std::filesystem::path kept = std::filesystem::current_path();
  std::filesystem::current_path(folder.file(""));
  LoadVehicleAndPower("CAR.WCD", "CAR.VCD");
  std::filesystem::current_path(kept);
  EXPECT_EQ(std::tie(Cfg.LastChassis, Cfg.LastPower), std::tuple(folder.file("CAR.WCD"), folder.file("CAR.VCD")));
}

TEST_F(VehicleIo, AReadOnlyVehicleFileIsRefusedAsADirectWriteWouldBe) {
  const std::string car = folder.write("CAR.WCD", "old vehicle\r\n");
  std::filesystem::permissions(car, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  windows.answers = {{car}, {folder.file("CAR.VCD")}};
  seam.answers = {Msg::Yes};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{Replace(car), {"Unexpected Error # 13 : Permission denied", Msg::OKOnly | Msg::Critical, "Open File"}}));
  EXPECT_EQ(test::TempFolder::read(car), "old vehicle\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder.file("CAR.VCD")));
}

}  // namespace
}  // namespace kestrelon
