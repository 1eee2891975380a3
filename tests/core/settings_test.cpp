#include "core/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scoped_env.h"

namespace kestrelon {
namespace {

using test::TempFolder;

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Cfg = Settings{};
    files.Store = dir / "config/Kestrelon/Kestrelon.ini";
    files.Fallbacks = {dir / "program/KESTR.INI", dir / "config/Kestrelon/KESTR.INI"};
  }
  void Store(const std::string& lines) {
    dir.Write("config/Kestrelon/Kestrelon.ini", "[Data]\n" + lines);
  }
  void Fallback(const std::string& lines) {
    dir.Write("program/KESTR.INI", "[Kestrelon]\n" + lines);
  }

  TempFolder dir;
  SettingsFiles files;
};

TEST_F(SettingsTest, TextIsReadFromTheStoreThenKestrIniThenTheDefault) {
  Store("HistFontName=Courier\nListColor=\nLastChassis=zXcVbNm\n");
  Fallback("HistFontName=Arial\nListFontName=Times\nListColor=12\nLastChassis=/cars/a.WCD\n"
           "LastPower=\nSplashImage=\"/pics/logo.bmp\"\n");
  const SettingsStore store(files);
  EXPECT_EQ(store.ReadSetting("HistFontName", "unknown"), "Courier");
  EXPECT_EQ(store.ReadSetting("ListFontName", "unknown"), "Times");
  EXPECT_EQ(store.ReadSetting("ListFontSize", "unknown"), "unknown");
  // An empty stored value is a value; the absent marker is not.
  EXPECT_EQ(store.ReadSetting("ListColor", "unknown"), "");
  EXPECT_EQ(store.ReadSetting("LastChassis", ""), "/cars/a.WCD");
  // Nothing after the equals sign in KESTR.INI gives the default.
  EXPECT_EQ(store.ReadSetting("LastPower", "none"), "none");
  EXPECT_EQ(store.ReadSetting("SplashImage", ""), "/pics/logo.bmp");
  // Section and key names match whatever their case.
  EXPECT_EQ(store.ReadSetting("histfontname", ""), "Courier");
}

TEST_F(SettingsTest, KestrIniTextIsCutAt254Characters) {
  Fallback("SplashImage=" + std::string(300, 'x') + "\n");
  EXPECT_EQ(SettingsStore(files).ReadSetting("SplashImage", "").size(), 254u);
}

TEST_F(SettingsTest, KestrIniBesideTheProgramComesFirst) {
  dir.Write("config/Kestrelon/KESTR.INI", "[Kestrelon]\nPUnits=M\nDUnits=M\n");
  EXPECT_EQ(SettingsStore(files).ReadSetting("PUnits", "I"), "M");
  Fallback("PUnits=X\n");
  const SettingsStore store(files);
  EXPECT_EQ(store.ReadSetting("PUnits", "I"), "X");
  EXPECT_EQ(store.ReadSetting("DUnits", "I"), "I");  // only the first file found is read
}

TEST_F(SettingsTest, BooleansAreNormalisedAndTwoMeansAbsent) {
  Store("ShowLogo=0\nHistoryLog=1\nXAxisTime=-1\nShowPerfBox=5\nShowGridLines=2\n"
        "ShowGearShift=yes\nAlignRollout=2\n");
  Fallback("ShowGridLines=0\nShowGearShift=0\nHistFontBold=0\n");
  const SettingsStore store(files);
  EXPECT_EQ(store.ReadSettingBool("ShowLogo"), False);
  EXPECT_EQ(store.ReadSettingBool("HistoryLog"), True);
  EXPECT_EQ(store.ReadSettingBool("XAxisTime"), True);
  EXPECT_EQ(store.ReadSettingBool("ShowPerfBox"), True);
  EXPECT_EQ(store.ReadSettingBool("ShowGridLines"), False);  // "2": KESTR.INI decides
  EXPECT_EQ(store.ReadSettingBool("ShowGearShift"), False);  // not a number: KESTR.INI
  EXPECT_EQ(store.ReadSettingBool("AlignRollout"), True);    // found nowhere
  EXPECT_EQ(store.ReadSettingBool("HistFontBold"), False);
}

TEST_F(SettingsTest, LoadTurnsTextsIntoValues) {
  Store("HistTop=1.5\nHistLeft=2.5\nHistWidth=abc\nHistHeight=\nListTop=7,5\n"
        "GraphPowerState=99999\n"
        "ProfOpts=12abc\nProfCols=x1\nDataPath=Error\nEADataPath=/ea/\nDelayTime=0,250\n"
        "HandicapTime=.5\nUseDelay=1\nUseHandicap=0\nTreeType=2\nDUnits=M\n"
        "ShowToolTips=0\nDebug=True\n");
  LoadSettings(files);
  EXPECT_EQ(Cfg.HistTop, 2);
  EXPECT_EQ(Cfg.HistLeft, 2);   // halves to even
  EXPECT_EQ(Cfg.HistWidth, -1);  // does not convert: the default
  EXPECT_EQ(Cfg.HistHeight, -1);
  EXPECT_EQ(Cfg.ListTop, 8);
  EXPECT_EQ(Cfg.GraphPowerState, 0);  // beyond a 16-bit value: the default
  EXPECT_EQ(Cfg.ProfOpts, 12);
  EXPECT_EQ(Cfg.ProfCols, 0);
  EXPECT_EQ(Cfg.DataPath, "");
  EXPECT_EQ(Cfg.EADataPath, "/ea/");
  EXPECT_FLOAT_EQ(Cfg.DelayTime, 0.25f);
  EXPECT_FLOAT_EQ(Cfg.HandicapTime, 0.5f);
  EXPECT_EQ(Cfg.UseDelay, True);
  EXPECT_EQ(Cfg.UseHandicap, False);
  EXPECT_EQ(Cfg.TreeType, 2);
  EXPECT_EQ(Cfg.DUnits, "M");
  EXPECT_EQ(Cfg.ShowToolTips, False);
  EXPECT_EQ(Cfg.DebugMode, True);
  EXPECT_EQ(Cfg.BorderWidth, 3);
  EXPECT_EQ(Cfg.MenuHeight, 24);
  EXPECT_EQ(Cfg.CaptionHeight, 24);
}

TEST_F(SettingsTest, NothingStoredGivesEveryDefault) {
  Cfg.HistTop = 5;
  Cfg.PUnits = "M";
  Cfg.ShowLogo = False;
  Cfg.DebugMode = True;
  LoadSettings(files);
  EXPECT_EQ(Cfg.HistFontName, "unknown");
  EXPECT_EQ(Cfg.HistFontBold, True);
  EXPECT_EQ(Cfg.HistTop, -1);
  EXPECT_EQ(Cfg.GraphDynState, 0);
  EXPECT_EQ(Cfg.PUnits, "I");
  EXPECT_EQ(Cfg.DataPath, "");
  EXPECT_EQ(Cfg.UseDelay, False);
  EXPECT_EQ(Cfg.ShowLogo, True);
  EXPECT_EQ(Cfg.DebugMode, False);
}

TEST_F(SettingsTest, DebugModeNeedsExactlyTrue) {
  Fallback("Debug=true\n");
  LoadSettings(files);
  EXPECT_EQ(Cfg.DebugMode, False);
  Fallback("Debug=True\n");
  LoadSettings(files);
  EXPECT_EQ(Cfg.DebugMode, True);
}

TEST_F(SettingsTest, SaveWritesEveryKeyButDebugAndReadsBack) {
  Cfg.HistFontName = "Courier";
  Cfg.HistFontBold = False;
  Cfg.HistTop = 120;
  Cfg.GraphPowerState = 2;
  Cfg.PUnits = "M";
  Cfg.ProfOpts = 4660;
  Cfg.DataPath = "  /cars/ ";
  Cfg.DelayTime = 0;
  Cfg.HandicapTime = 12.25f;
  Cfg.UseDelay = True;
  Cfg.LastChassis = "/cars/a b.WCD";
  Cfg.DebugMode = True;
  ASSERT_TRUE(SaveSettings(files));

  const std::string text = FileText(files.Store);
  EXPECT_EQ(text.rfind("[Data]\nHistFontName=Courier\nHistFontBold=0\n", 0), 0u) << text;
  EXPECT_NE(text.find("\nListHeight=-1\nProfOpts=4660\nProfCols=0\nPUnits=M\n"), std::string::npos)
      << text;  // the trace keys follow the listing window's place
  EXPECT_NE(text.find("\nHistFontUnderline=1\n"), std::string::npos);
  EXPECT_NE(text.find("\nDataPath=/cars/\n"), std::string::npos);
  EXPECT_NE(text.find("\nDelayTime=.000\n"), std::string::npos);
  EXPECT_NE(text.find("\nHandicapTime=12.250\n"), std::string::npos);
  EXPECT_NE(text.find("\nUseDelay=1\n"), std::string::npos);
  EXPECT_NE(text.find("\nSplashImage=\n"), std::string::npos);
  EXPECT_EQ(text.find("Debug"), std::string::npos);

  const Settings saved = Cfg;
  Cfg = Settings{};
  LoadSettings(files);
  EXPECT_EQ(Cfg.HistFontName, saved.HistFontName);
  EXPECT_EQ(Cfg.HistFontBold, False);
  EXPECT_EQ(Cfg.HistTop, 120);
  EXPECT_EQ(Cfg.GraphPowerState, 2);
  EXPECT_EQ(Cfg.PUnits, "M");
  EXPECT_EQ(Cfg.ProfOpts, 4660);
  EXPECT_EQ(Cfg.DataPath, "/cars/");
  EXPECT_FLOAT_EQ(Cfg.HandicapTime, 12.25f);
  EXPECT_EQ(Cfg.UseDelay, True);
  EXPECT_EQ(Cfg.LastChassis, "/cars/a b.WCD");
  EXPECT_EQ(Cfg.DebugMode, False);
}

TEST_F(SettingsTest, SaveKeepsWhatItDoesNotOwn) {
  dir.Write("config/Kestrelon/Kestrelon.ini",
            "; kept\n[Other]\nA=1\n\n[Data]\nDebug=True\nPUnits=I\n");
  Cfg.PUnits = "M";
  ASSERT_TRUE(SaveSettings(files));
  const std::string text = FileText(files.Store);
  EXPECT_EQ(text.rfind("; kept\n[Other]\nA=1\n\n[Data]\nDebug=True\nPUnits=M\n", 0), 0u) << text;
  LoadSettings(files);
  EXPECT_EQ(Cfg.DebugMode, True);
}

TEST_F(SettingsTest, AFailedSaveLeavesTheOldStore) {
  Store("PUnits=M\n");
  std::filesystem::create_directories(files.Store + ".new");  // the temporary cannot be written
  Cfg.PUnits = "I";
  EXPECT_FALSE(SaveSettings(files));
  EXPECT_EQ(FileText(files.Store), "[Data]\nPUnits=M\n");
  EXPECT_FALSE(SaveSettings(SettingsFiles{}));
}

TEST_F(SettingsTest, StoreLivesInTheUserConfigFolder) {
  test::ScopedEnv env;
  env.Set("XDG_CONFIG_HOME", dir.path());
  const SettingsFiles defaults = DefaultSettingsFiles();
  EXPECT_EQ(defaults.Store, dir / "Kestrelon/Kestrelon.ini");
  ASSERT_EQ(defaults.Fallbacks.size(), 2u);
  EXPECT_NE(defaults.Fallbacks[0].find("/KESTR.INI"), std::string::npos);
  EXPECT_EQ(defaults.Fallbacks[1], dir / "Kestrelon/KESTR.INI");
  env.Set("XDG_CONFIG_HOME", std::nullopt).Set("HOME", "/home/racer");
  EXPECT_EQ(DefaultSettingsFiles().Store, "/home/racer/.config/Kestrelon/Kestrelon.ini");
}

}  // namespace
}  // namespace kestrelon
