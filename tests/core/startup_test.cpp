#include "core/startup.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/model_reset.h"
#include "core/state.h"
#include "core/tables.h"
#include "scoped_env.h"

namespace kestrelon {
namespace {

using test::ScopedEnv;
using test::TempFolder;

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    files.Store = dir / "Kestrelon.ini";
    env.Set("WCDPATH", std::nullopt).Set("EADATA", std::nullopt).Set("SFDATA", std::nullopt);
  }
  void Store(const std::string& lines) { dir.Write("Kestrelon.ini", "[Data]\n" + lines); }

  TempFolder dir;
  SettingsFiles files;
  ScopedEnv env;
};

TEST_F(Startup, SplashOnlyWithoutArgumentsAndWithTheLogoOn) {
  EXPECT_TRUE(StartupBeforeSplash("", files));
  EXPECT_FALSE(StartupBeforeSplash("car", files));
  EXPECT_EQ(S.CommandArgCount, 1);
  Store("ShowLogo=0\n");
  EXPECT_FALSE(StartupBeforeSplash("", files));
}

TEST_F(Startup, TheModelStartsEmpty) {
  Store("DataPath=/cars\n");
  StartupBeforeSplash("a.WCD b.VCD", files);
  S.VehicleData[2][1] = "100IN";
  S.ChassisEntered = True;
  S.MaxRPMIndex = 80;
  S.TStopOpening[3] = 0.5f;
  StartupAfterSplash();
  EXPECT_EQ(S.VehicleData, VehicleTable{});
  EXPECT_EQ(std::tuple(S.ChassisEntered, S.MaxRPMIndex, S.HistoryNext, S.CalcRequested),
            std::tuple(False, 0, 1, True));
  EXPECT_EQ(S.TStopOpening[3], 1.0f);
  EXPECT_EQ(S.AeroPress, 101400.0f);
  // The command line split before the reset survives it.
  EXPECT_EQ(std::tuple(S.CommandArgCount, S.CommandArgs[1], Cfg.DataPath),
            std::tuple(2, "b.VCD", "/cars/"));
  EXPECT_EQ(Tbl.UnitTable[UnitEndRow].Code, "ZZZ");
}

TEST_F(Startup, StoredUnitsAndTooltipsHold) {
  Store("DUnits=M\nShowToolTips=0\nPUnits=M\n");
  StartupBeforeSplash("", files);
  StartupAfterSplash();
  // Both stored units are in force, as Setup's OK leaves them.
  EXPECT_EQ(std::tuple(S.SpeedUnit, Cfg.ShowToolTips, S.PowerUnit, S.TorqueUnits),
            std::tuple("kph", False, "KW", "N/m"));
  EXPECT_EQ(S.PowerUnitDivisor, 1.340183f);
}

TEST_F(Startup, ImportFolderFromSfdataElseTheDataFolder) {
  env.Set("WCDPATH", "/w");
  StartupBeforeSplash("", files);
  for (const auto& [sfdata, expected] :
       {std::pair<std::optional<std::string>, std::string>{std::nullopt, "/w/"},
        {"D:", "D:"},
        {"/sf", "/sf/"}}) {
    env.Set("SFDATA", sfdata);
    StartupAfterSplash();
    EXPECT_EQ(S.SuperFlowDataPath, expected);
  }
}

TEST(ModelReset, KeepsRunHistoryAndCommandLine) {
  S = SharedState{};
  Cfg = Settings{};
  S.HistoryNext = 7;
  S.RunDone = True;
  S.CommandArgCount = 1;
  S.PowerCurve[0][50] = 300;
  S.VehicleData[1][0] = "comment";
  S.VehicleName = "DRAGSTER";
  S.LengthUnit = "m";
  ResetModel();
  EXPECT_EQ(std::tuple(S.HistoryNext, S.RunDone, S.CommandArgCount), std::tuple(7, True, 1));
  EXPECT_EQ(std::tuple(S.PowerCurve[0][50], S.VehicleData[1][0], S.VehicleName, S.LengthUnit),
            std::tuple(0, "", "", "ft"));
}

}  // namespace
}  // namespace kestrelon
