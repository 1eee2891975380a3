// Loading and saving a complete vehicle: the vehicle and power file pair, with the dialogs it
// takes and what a cancelled or failed step leaves behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings.h"
#include "core/state.h"
#include "files/vehicle_io.h"
#include "scripted_file_windows.h"
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
  std::string Copy(const char* reference, const std::string& name) {
    return folder.write(name, test::TempFolder::read(test::ReferenceFile(reference)));
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

TEST_F(VehicleIo, PairSideBySideLoadsWithOneDialog) {
  const std::string car = Copy("golden.wcd", "CAR.WCD");
  const std::string power = Copy("golden.vcd", "CAR.VCD");
  S.HistoryLines[3] = "old run";
  S.HistoryHead = 4;
  S.HistoryNext = 7;
  windows.answers = {{car}};
  EXPECT_TRUE(LoadVehicleAndPower("", ""));
  ASSERT_EQ(windows.dialogs.size(), 1u);
  EXPECT_EQ(windows.dialogs[0].look.title, "Select Vehicle data");
  EXPECT_EQ(windows.dialogs[0].initial, Cfg.DataPath);  // no last vehicle yet
  EXPECT_EQ(S.VehicleFileName, car);
  EXPECT_EQ(S.PowerFileName, power);
  EXPECT_EQ(Cfg.LastChassis, car);
  EXPECT_EQ(Cfg.LastPower, power);
  EXPECT_EQ(S.VehicleName, "CAR");
  EXPECT_EQ(S.VehicleFileDescription, "Golden car");
  EXPECT_EQ(S.PowerFileDescription, "Golden engine");
  EXPECT_EQ(S.DataDescription, "");
  // The history starts again from the vehicle just loaded.
  EXPECT_EQ(S.HistoryLines[3], "");
  EXPECT_EQ(S.HistoryHead, 1);
  EXPECT_EQ(S.HistoryNext, 1);
  EXPECT_EQ(S.LastRunVehicleData, S.VehicleData);
  EXPECT_EQ(S.InputDataMode, 0);
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(VehicleIo, MissingPowerFileIsAskedForFromTheVehiclesName) {
  const std::string car = Copy("golden.wcd", "CAR.WCD");
  windows.answers = {{car}, {""}};
  EXPECT_FALSE(LoadVehicleAndPower("", ""));
  ASSERT_EQ(windows.dialogs.size(), 2u);
  EXPECT_EQ(windows.dialogs[1].look.title, "Select Power data");
  EXPECT_EQ(windows.dialogs[1].initial, folder.file("CAR.VCD"));
  // Cancelled: the vehicle texts stay, the engine is not entered, no data entry starts.
  EXPECT_EQ(S.LoadFailed, True);
  EXPECT_EQ(S.EngineEntered, False);
  EXPECT_EQ(S.DataDescription, "");
  EXPECT_FALSE(S.VehicleData[1][1].empty() && S.VehicleData[2][1].empty());
  EXPECT_EQ(S.InputDataPending, False);
}

TEST_F(VehicleIo, CancelledVehicleDialogStopsAtOnce) {
  S.VehicleName = "OLD";
  windows.answers = {{""}};
  EXPECT_FALSE(LoadVehicleAndPower("", ""));
  EXPECT_EQ(windows.dialogs.size(), 1u);
  EXPECT_EQ(S.VehicleName, "");
  EXPECT_EQ(S.LoadFailed, True);
  EXPECT_EQ(S.InputDataPending, False);
}

TEST_F(VehicleIo, NamedPairWithARejectedFileStillStartsTheDataEntry) {
  const std::string car = folder.write("SHORT.WCD", test::NumberedLines(150));
  const std::string power = Copy("golden.vcd", "SHORT.VCD");
  S.HistoryHead = 9;
  EXPECT_FALSE(LoadVehicleAndPower(car, power));
  EXPECT_TRUE(windows.dialogs.empty());
  ASSERT_FALSE(seam.asked.empty());
  EXPECT_EQ(seam.asked[0].title, "Load chassis data");
  EXPECT_EQ(S.HistoryHead, 1);   // went on past the rejected file
  EXPECT_EQ(S.InputDataMode, 0);
  EXPECT_EQ(S.PowerFileName, power);

  seam.asked.clear();
  EXPECT_TRUE(LoadVehicleAndPower(Copy("golden.wcd", "GOOD.WCD"), power));
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(VehicleIo, SavingAgainUnderTheLastNameAsksOnce) {
  Cfg.LastChassis = folder.file("CAR.WCD");
  Cfg.LastPower = folder.file("car.vcd");
  S.VehicleData[1][1] = "1200kg";
  S.MaxRPMIndex = 80;
  S.PowerCurve[0][50] = 100;
  windows.answers = {{folder.file("CAR.WCD"), "My car"}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Saved);
  EXPECT_EQ(windows.dialogs.size(), 1u);
  EXPECT_EQ(windows.dialogs[0].look.title, "Save Vehicle Data");
  EXPECT_EQ(FirstLine(folder.file("CAR.WCD")), "//*My car");
  EXPECT_EQ(FirstLine(folder.file("car.vcd")), "//*My car");
  EXPECT_EQ(S.DataSaved, True);
  EXPECT_EQ(S.VehicleFileName, folder.file("CAR.WCD"));
  EXPECT_EQ(S.PowerFileName, folder.file("car.vcd"));
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(VehicleIo, SavingUnderANewNameAsksForBothBeforeWritingEither) {
  Cfg.LastChassis = folder.file("OLD.WCD");
  Cfg.LastPower = folder.file("OLD.VCD");
  S.VehicleFileDescription = "";
  S.PowerFileDescription = "";
  windows.answers = {{folder.file("NEW.WCD"), "Chassis words"}, {folder.file("NEW.VCD"), "Engine words"}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Saved);
  ASSERT_EQ(windows.dialogs.size(), 2u);
  EXPECT_EQ(windows.dialogs[1].look.title, "Save Power Data");
  EXPECT_EQ(windows.dialogs[1].initial, folder.file("OLD.VCD"));
  EXPECT_EQ(windows.dialogs[1].descriptionShown, "Chassis words");
  EXPECT_EQ(FirstLine(folder.file("NEW.WCD")), "//*Chassis words");
  EXPECT_EQ(FirstLine(folder.file("NEW.VCD")), "//*Engine words");
  EXPECT_EQ(Cfg.LastChassis, folder.file("NEW.WCD"));
  EXPECT_EQ(Cfg.LastPower, folder.file("NEW.VCD"));
  EXPECT_EQ(S.VehicleFileDescription, "Chassis words");
  EXPECT_EQ(S.PowerFileDescription, "Engine words");
}

TEST_F(VehicleIo, CancelledSaveWritesNothing) {
  Cfg.LastChassis = folder.file("OLD.WCD");
  S.DataSaved = False;
  windows.answers = {{folder.file("NEW.WCD")}, {""}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Cancelled);
  EXPECT_FALSE(std::filesystem::exists(folder.file("NEW.WCD")));
  EXPECT_EQ(Cfg.LastChassis, folder.file("OLD.WCD"));
  EXPECT_EQ(S.DataSaved, False);
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Save of Vehicle Data cancelled");
  EXPECT_EQ(seam.asked[0].style, Msg::OKOnly);

  windows.answers = {{""}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Cancelled);
  EXPECT_EQ(seam.asked.size(), 2u);
}

TEST_F(VehicleIo, FailedPowerWriteLeavesTheVehicleFileAsItWas) {
  const std::string car = folder.write("CAR.WCD", "old content\r\n");
  windows.answers = {{car}, {folder.file("gone/CAR.VCD")}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  EXPECT_EQ(test::TempFolder::read(car), "old content\r\n");
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Drive or path does not exist");
  EXPECT_EQ(seam.asked[0].style, Msg::OKOnly | Msg::Exclamation);
  EXPECT_EQ(seam.asked[0].title, "Save data");
  EXPECT_EQ(S.DataSaved, False);

  windows.answers = {{folder.file("FRESH.WCD")}, {folder.file("gone/FRESH.VCD")}};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  EXPECT_FALSE(std::filesystem::exists(folder.file("FRESH.WCD")));
}

}  // namespace
}  // namespace kestrelon
