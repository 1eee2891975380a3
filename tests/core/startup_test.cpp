#include "core/startup.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(S.BaselineVehicleData, VehicleTable{});
  EXPECT_EQ(S.ChassisEntered, False);
  EXPECT_EQ(S.MaxRPMIndex, 0);
  EXPECT_EQ(S.TStopOpening[3], 1.0f);
  EXPECT_EQ(S.AeroPress, 101400.0f);
  EXPECT_EQ(S.HistoryHead, 1);
  EXPECT_EQ(S.HistoryNext, 1);
  EXPECT_EQ(S.CalcRequested, True);
  EXPECT_EQ(S.OperatorChars, "+-*/^");
  // The command line split before the reset survives it.
  EXPECT_EQ(S.CommandArgCount, 2);
  EXPECT_EQ(S.CommandArgs[1], "b.VCD");
  EXPECT_EQ(Cfg.DataPath, "/cars/");
  EXPECT_EQ(Tbl.UnitTable[UnitEndRow].Code, "ZZZ");
}

TEST_F(Startup, StoredDisplayUnitsAndTooltipsHold) {
  Store("DUnits=M\nShowToolTips=0\nPUnits=M\n");
  StartupBeforeSplash("", files);
  StartupAfterSplash();
  EXPECT_EQ(S.SpeedUnit, "kph");
  EXPECT_EQ(Cfg.ShowToolTips, False);
  EXPECT_EQ(S.PowerUnit, "BHP");  // the power unit starts as BHP
}

TEST_F(Startup, ImportFolderFromSfdataElseTheDataFolder) {
  env.Set("WCDPATH", "/w");
  StartupBeforeSplash("", files);
  StartupAfterSplash();
  EXPECT_EQ(S.SuperFlowDataPath, "/w/");

  env.Set("SFDATA", "D:");
  StartupAfterSplash();
  EXPECT_EQ(S.SuperFlowDataPath, "D:");

  env.Set("SFDATA", "/sf");
  StartupAfterSplash();
  EXPECT_EQ(S.SuperFlowDataPath, "/sf/");
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
  S.UnitsErrorText = "x";
  S.LengthUnit = "m";
  ResetModel();
  EXPECT_EQ(S.HistoryNext, 7);
  EXPECT_EQ(S.RunDone, True);
  EXPECT_EQ(S.CommandArgCount, 1);
  EXPECT_EQ(S.PowerCurve[0][50], 0.0f);
  EXPECT_EQ(S.VehicleData[1][0], "");
  EXPECT_EQ(S.VehicleName, "");
  EXPECT_EQ(S.LengthUnit, "ft");
}

}  // namespace
}  // namespace kestrelon
