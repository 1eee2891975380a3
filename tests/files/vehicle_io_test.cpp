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
  const std::string car =
      folder.write("CAR.WCD", test::TempFolder::read(test::ReferenceFile("golden.wcd")));
  windows.answers = {{car}, {""}};
  EXPECT_FALSE(LoadVehicleAndPower("", ""));
  ASSERT_EQ(windows.dialogs.size(), 2u);
  EXPECT_EQ(windows.dialogs[1].look.title, "Select Power data");
  EXPECT_EQ(windows.dialogs[1].initial, folder.file("CAR.VCD"));  // from the vehicle's name
  // The vehicle texts stay, the engine is not entered, no data entry starts.
  EXPECT_EQ(S.LoadFailed, True);
  EXPECT_EQ(S.EngineEntered, False);
  EXPECT_FALSE(S.VehicleData[2][1].empty());
  EXPECT_EQ(S.InputDataPending, False);

  S.VehicleName = "OLD";
  windows.answers = {{""}};
  EXPECT_FALSE(LoadVehicleAndPower("", ""));
  EXPECT_EQ(windows.dialogs.size(), 3u);
  EXPECT_EQ(S.VehicleName, "");
  EXPECT_EQ(S.InputDataPending, False);
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
