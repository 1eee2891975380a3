#include "core/settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <pwd.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include "scoped_env.h"
#include "platform/system_error_text.h"
#include "support/failing_file_system.h"

namespace kestrelon {
namespace {

using test::FileText;
using test::TempFolder;

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
  Fallback(
      "HistFontName=Arial\nListFontName=Times\nListColor=12\nLastChassis=/cars/a.WCD\n"
      "LastPower=\nSplashImage=\"/pics/logo.bmp\"\n");
  const SettingsStore store(files);
  // An empty stored value is a value; the absent marker is not. Nothing after the equals sign in
  // KESTR.INI gives the default. Key names match whatever their case.
  const std::string rows[][3] = {
      {"HistFontName", "unknown", "Courier"}, {"ListFontName", "unknown", "Times"},
      {"ListFontSize", "unknown", "unknown"}, {"ListColor", "unknown", ""},
      {"LastChassis", "", "/cars/a.WCD"},     {"LastPower", "none", "none"},
      {"SplashImage", "", "/pics/logo.bmp"},  {"histfontname", "", "Courier"}};
  for (const auto& [key, fallback, expected] : rows)
    EXPECT_EQ(store.ReadSetting(key, fallback), expected) << key;
}

TEST_F(SettingsTest, KestrIniTextIsCutAt254Characters) {
  Fallback("SplashImage=" + std::string(300, 'x') + "\n");
  EXPECT_EQ(SettingsStore(files).ReadSetting("SplashImage", "").size(), 254u);
}

TEST_F(SettingsTest, KestrIniBesideTheProgramComesFirst) {
  dir.Write("config/Kestrelon/KESTR.INI", "\xEF\xBB\xBF[Kestrelon]\nPUnits=M\nDUnits=M\n");
  EXPECT_EQ(SettingsStore(files).ReadSetting("PUnits", "I"), "M");
  Fallback("PUnits=X\n");
  const SettingsStore store(files);
  EXPECT_EQ(store.ReadSetting("PUnits", "I"), "X");
  EXPECT_EQ(store.ReadSetting("DUnits", "I"), "I");  // only the first file found is read
}

TEST_F(SettingsTest, BooleansAreNormalisedAndTwoMeansAbsent) {
  Store(
      "ShowLogo=0\nHistoryLog=1\nXAxisTime=-1\nShowPerfBox=5\nShowGridLines=2\n"
      "ShowGearShift=yes\nAlignRollout=2\n");
  Fallback("ShowGridLines=0\nShowGearShift=0\nHistFontBold=0\n");
  const SettingsStore store(files);
  // "2" and text that is not a number leave it to KESTR.INI; found nowhere reads True.
  const std::pair<const char*, Integer> rows[] = {
      {"ShowLogo", False},    {"HistoryLog", True},     {"XAxisTime", True},
      {"ShowPerfBox", True},  {"ShowGridLines", False}, {"ShowGearShift", False},
      {"AlignRollout", True}, {"HistFontBold", False}};
  for (const auto& [key, expected] : rows) EXPECT_EQ(store.ReadSettingBool(key), expected) << key;
}

TEST_F(SettingsTest, LoadTurnsTextsIntoValues) {
  Store(
      "HistTop=1.5\nHistLeft=2.5\nHistWidth=abc\nHistHeight=\nListTop=7,5\n"
      "GraphPowerState=99999\n"
      "ProfOpts=12abc\nProfCols=x1\nDataPath=Error\nEADataPath=/ea/\nDelayTime=0,250\n"
      "HandicapTime=.5\nUseDelay=1\nUseHandicap=0\nTreeType=2\nDUnits=M\n"
      "ShowToolTips=0\nDebug=True\n");
  LoadSettings(files);
  // Halves go to even; text that does not convert, or a value beyond 16 bits, gives the default.
  EXPECT_EQ(std::tuple(Cfg.HistTop, Cfg.HistLeft, Cfg.HistWidth, Cfg.HistHeight, Cfg.ListTop),
            std::tuple(2, 2, -1, -1, 8));
  EXPECT_EQ(std::tuple(Cfg.GraphPowerState, Cfg.ProfOpts, Cfg.ProfCols, Cfg.TreeType),
            std::tuple(0, 12, 0, 2));
  EXPECT_EQ(Cfg.DataPath, "");
  EXPECT_EQ(Cfg.EADataPath, "/ea/");
  EXPECT_FLOAT_EQ(Cfg.DelayTime, 0.25f);
  EXPECT_FLOAT_EQ(Cfg.HandicapTime, 0.5f);
  EXPECT_EQ(std::tuple(Cfg.UseDelay, Cfg.UseHandicap, Cfg.ShowToolTips, Cfg.DebugMode),
            std::tuple(True, False, False, True));
  EXPECT_EQ(Cfg.DUnits, "M");
  EXPECT_EQ(std::tuple(Cfg.BorderWidth, Cfg.MenuHeight, Cfg.CaptionHeight), std::tuple(3, 24, 24));
}

TEST_F(SettingsTest, TheDelaySwitchesStayOnThroughASaveWhateverNumberTurnedThemOn) {
  for (const char* text : {"1", "-1", "7", "-32768"}) {
    SCOPED_TRACE(text);
    Store(std::string("UseDelay=") + text + "\nUseHandicap=0\n");
    LoadSettings(files);
    EXPECT_NE(Cfg.UseDelay, False);
    ASSERT_TRUE(SaveSettings(files).ok());
    LoadSettings(files);
    EXPECT_EQ(std::tuple(Cfg.UseDelay < 0, Cfg.UseHandicap), std::tuple(true, False));
  }
}

TEST_F(SettingsTest, NothingStoredGivesEveryDefault) {
  Cfg.HistTop = 5;
  Cfg.PUnits = "M";
  Cfg.ShowLogo = False;
  Cfg.DebugMode = True;
  LoadSettings(files);
  EXPECT_EQ(std::tuple(Cfg.HistFontName, Cfg.HistFontBold, Cfg.HistTop),
            std::tuple("unknown", True, -1));
  EXPECT_EQ(std::tuple(Cfg.PUnits, Cfg.ShowLogo, Cfg.DebugMode), std::tuple("I", True, False));
}

TEST_F(SettingsTest, DebugModeNeedsExactlyTrue) {
  for (const auto& [text, expected] : {std::pair{"true", False}, std::pair{"True", True}}) {
    Fallback(std::string("Debug=") + text + "\n");
    LoadSettings(files);
    EXPECT_EQ(Cfg.DebugMode, expected) << text;
  }
}

TEST_F(SettingsTest, SaveWritesEveryKeyButDebugAndReadsBack) {
  Cfg.HistFontName = "Courier";
  Cfg.HistFontBold = False;
  Cfg.HistTop = 120;
  Cfg.PUnits = "M";
  Cfg.ProfOpts = 4660;
  Cfg.DataPath = "  /cars/ ";
  Cfg.DelayTime = 0;
  Cfg.HandicapTime = 12.25f;
  Cfg.UseDelay = True;
  Cfg.LastChassis = "/cars/a b.WCD";
  Cfg.DebugMode = True;
  ASSERT_TRUE(SaveSettings(files).ok());

  const std::string text = FileText(files.Store);
  EXPECT_EQ(text.rfind("[Data]\nHistFontName=Courier\nHistFontBold=0\n", 0), 0u) << text;
  // The trace keys follow the listing window's place.
  for (const char* line : {"\nListHeight=-1\nProfOpts=4660\nProfCols=0\nPUnits=M\n",
                           "\nHistFontUnderline=1\n", "\nDataPath=/cars/\n", "\nDelayTime=.000\n",
                           "\nHandicapTime=12.250\n", "\nUseDelay=1\n", "\nSplashImage=\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  EXPECT_EQ(text.find("Debug"), std::string::npos);

  const Settings saved = Cfg;
  Cfg = Settings{};
  LoadSettings(files);
  EXPECT_EQ(std::tuple(Cfg.HistFontName, Cfg.HistFontBold, Cfg.HistTop, Cfg.ProfOpts),
            std::tuple(saved.HistFontName, False, 120, 4660));
  EXPECT_FLOAT_EQ(Cfg.HandicapTime, 12.25f);
  EXPECT_EQ(std::tuple(Cfg.DataPath, Cfg.LastChassis, Cfg.DebugMode),
            std::tuple("/cars/", "/cars/a b.WCD", False));
}

TEST_F(SettingsTest, SaveKeepsWhatItDoesNotOwn) {
  dir.Write("config/Kestrelon/Kestrelon.ini",
            "; kept\n[Other]\nA=1\n\n[Data]\nDebug=True\nPUnits=I\n");
  Cfg.PUnits = "M";
  ASSERT_TRUE(SaveSettings(files).ok());
  const std::string text = FileText(files.Store);
  EXPECT_EQ(text.rfind("; kept\n[Other]\nA=1\n\n[Data]\nDebug=True\nPUnits=M\n", 0), 0u) << text;
  LoadSettings(files);
  EXPECT_EQ(Cfg.DebugMode, True);
}

TEST_F(SettingsTest, AFailedSaveAndAStoreThatCouldNotBeReadLeaveTheOldStore) {
  using Fs = test::FailingFileSystem;
  Store("PUnits=M\n");
  Cfg.PUnits = "I";
  // EINVAL: what reading a store that is no regular file answers, told as the writes tell it.
  for (const auto& [call, error, told] : {std::tuple(Fs::RenameCall, EIO, SystemErrorText(EIO)),
                                          std::tuple(Fs::ReadCall, EACCES, SystemErrorText(EACCES)),
                                          std::tuple(Fs::ReadCall, EINVAL, std::string("Not a regular file"))}) {
    Fs fs({{call, 1}}, error);
    const FileWriteResult saved = SaveSettings(files);
    EXPECT_EQ(std::tie(saved.error, saved.description), std::tuple(error, told + "\r\nSettings file " + files.Store));
    EXPECT_EQ(FileText(files.Store), "[Data]\nPUnits=M\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "config/Kestrelon"), {}), 1);
  }
  // No home folder: nowhere to keep the store.
  EXPECT_EQ(SaveSettings(SettingsFiles{}).error, ENOENT);
}

// A store that could not be read at start (past the bound, or out of memory) gives the defaults
// and is not written at exit, even when it could be read then; nor is a save that would take
// it past the bound.
TEST_F(SettingsTest, AStoreTooLargeToReadOrToWriteIsLeftAsItWas) {
  const std::string text = "[Data]\nPUnits=M\n";
  Store("PUnits=M\n");
  for (const auto& [bound, outOfMemory, error, told] :
       {std::tuple(text.size() - 1, false, EFBIG, "File too large"), std::tuple(text.size(), true, ENOMEM, "Cannot allocate memory"),
        std::tuple(text.size() + 100, false, EFBIG, "File too large")}) {
    files.MostBytes = bound;
    {
      test::FailingFileSystem fs;
      if (outOfMemory) fs.outOfMemory = {files.Store};
      LoadSettings(files);
    }
    EXPECT_EQ(Cfg.PUnits, bound < text.size() || outOfMemory ? "I" : "M") << bound;
    const FileWriteResult saved = SaveSettings(files);
    EXPECT_EQ(std::tie(saved.error, saved.description), std::tuple(error, told + ("\r\nSettings file " + files.Store)));
    EXPECT_EQ(FileText(files.Store), text);
  }
  // Nor can a store or KESTR.INI that is no 8-bit text: UTF-16 either way round, with its mark
  // or without (or its mark alone), or two UTF-8 marks in front. The store is not written, not even a new one.
  files.MostBytes = MostFileBytes;
  const auto utf16 = [](const char* mark, std::string_view text, bool little) {
    std::string wide = mark;
    for (const char c : text) wide += little ? std::string{c, '\0'} : std::string{'\0', c};
    return wide;
  };
  for (const bool fallback : {false, true}) {
    SCOPED_TRACE(fallback);
    const std::string lines = fallback ? "[Kestrelon]\r\nPUnits=M\r\n" : text;
    for (const std::string& bytes : {utf16("\xFF\xFE", lines, true), utf16("", lines, true), utf16("\xFE\xFF", lines, false),
                                     utf16("", lines, false), "\xEF\xBB\xBF\xEF\xBB\xBF" + lines, "\xFF\xFE" + lines,
                                     "\xFE\xFF" + lines}) {
      std::filesystem::remove(files.Store);
      const std::string path = dir.Write(fallback ? "program/KESTR.INI" : "config/Kestrelon/Kestrelon.ini", bytes);
      LoadSettings(files);
      const FileWriteResult saved = SaveSettings(files);
      EXPECT_EQ(std::tuple(Cfg.PUnits, saved.error, saved.description, FileText(path), std::filesystem::exists(files.Store)),
                std::tuple("I", EILSEQ, SystemErrorText(EILSEQ) + "\r\nSettings file " + path, bytes, !fallback));
    }
  }
  // An unreadable KESTR.INI keeps the store only while it leaves KESTR.INI a key (the marker, 2, no number).
  Cfg = Settings{};
  ASSERT_TRUE(SaveSettings(files).ok());
  const std::string complete = FileText(files.Store);
  for (const std::string line : {"", "PUnits=zXcVbNm\n", "ShowLogo=2\n", "ShowLogo=x\n"}) {
    dir.Write("config/Kestrelon/Kestrelon.ini", "[Data]\n" + line + complete.substr(7));  // the first line of a key counts
    LoadSettings(files);
    EXPECT_EQ(SaveSettings(files).ok(), line.empty()) << line;
  }
}

// Lines that end in CR alone are lines, and a byte-order mark is no part of the first line: the
// keys are read, and written back in their section, every line ending as the store's do, the
// mark kept in front.
TEST_F(SettingsTest, AStoreWithCrLineEndsOrAByteOrderMarkIsReadAndRewrittenInPlace) {
  for (const auto& [mark, end] : {std::pair("", "\r"), std::pair("\xEF\xBB\xBF", "\n"), std::pair("\xEF\xBB\xBF", "\r\n")}) {
    SCOPED_TRACE(std::string(mark) + end);
    const auto lines = [&](std::initializer_list<const char*> texts) {
      std::string s = mark;
      for (const char* text : texts) s = s + text + end;
      return s;
    };
    Cfg = Settings{};
    dir.Write("config/Kestrelon/Kestrelon.ini", lines({"[Data]", "PUnits=M", "DUnits=M"}));
    LoadSettings(files);
    EXPECT_EQ(std::tuple(Cfg.PUnits, Cfg.DUnits), std::tuple("M", "M"));
    Cfg.DUnits = "I";
    ASSERT_TRUE(SaveSettings(files).ok());
    std::string text = FileText(files.Store);
    EXPECT_EQ(text.rfind(lines({"[Data]", "PUnits=M", "DUnits=I", "HistFontName=unknown"}), 0), 0u) << text;
    EXPECT_EQ(text.find("[Data]", 4), std::string::npos) << text;
    for (std::size_t at; (at = text.find(end)) != std::string::npos;) text.erase(at, std::string_view(end).size());
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
  }
}

// The folders made for the store are the user's alone, whatever the umask; folders that were
// there keep their permissions. A file where a folder should be is told.
TEST_F(SettingsTest, FoldersMadeForTheStoreAreTheUsersAlone) {
  namespace fs = std::filesystem;
  const mode_t umask = ::umask(0);
  const auto modeOf = [](const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
  };
  fs::permissions(dir.path(), fs::perms(0755));
  const FileWriteResult saved = SaveSettings(files);
  ::umask(umask);
  ASSERT_TRUE(saved.ok()) << saved.description;
  EXPECT_EQ(std::tuple(modeOf(dir / "config"), modeOf(dir / "config/Kestrelon"), modeOf(dir.path())),
            std::tuple(0700u, 0700u, 0755u));
  fs::remove_all(dir / "config");
  dir.Write("config", "a file");
  EXPECT_EQ(SaveSettings(files).error, ENOTDIR);
}

// A FIFO in the store's place, or a link to one, is a store that cannot be read: the program
// starts without waiting for a writer, with its first values, and never writes over it at exit.
// A link to a regular store is read and written through, and stays a link.
TEST_F(SettingsTest, AStoreThatIsNoRegularFileIsNeitherWaitedOnNorWrittenOver) {
  namespace fs = std::filesystem;
  fs::create_directories(dir / "config/Kestrelon");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0666), 0);
  Fallback("PUnits=M\n");
  for (const bool throughLink : {false, true}) {
    SCOPED_TRACE(throughLink ? "a link to a FIFO" : "a FIFO");
    fs::remove(files.Store);
    if (throughLink)
      fs::create_symlink(dir / "fifo", files.Store);
    else
      ASSERT_EQ(::mkfifo(files.Store.c_str(), 0666), 0);
    Cfg = Settings{};
    auto loading = std::async(std::launch::async, [this] { LoadSettings(files); });
    if (loading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      // A writer lets the waiting read go, so that the test ends.
      ::close(::open(files.Store.c_str(), O_WRONLY | O_NONBLOCK));
      FAIL() << "the start-up waited on the settings store";
    }
    EXPECT_EQ(Cfg.PUnits, "M");
    const FileWriteResult saved = SaveSettings(files);
    EXPECT_EQ(std::tie(saved.error, saved.description), std::tuple(EINVAL, "Not a regular file\r\nSettings file " + files.Store));
    EXPECT_TRUE(fs::is_fifo(fs::status(files.Store)));
    EXPECT_EQ(fs::is_symlink(files.Store), throughLink);
  }
  fs::remove(files.Store);
  dir.Write("real.ini", "[Data]\nDUnits=M\n");
  fs::create_symlink(dir / "real.ini", files.Store);
  LoadSettings(files);
  EXPECT_EQ(Cfg.DUnits, "M");
  Cfg.DUnits = "I";
  EXPECT_TRUE(SaveSettings(files).ok());
  EXPECT_TRUE(fs::is_symlink(files.Store));
  EXPECT_NE(FileText(dir / "real.ini").find("DUnits=I\n"), std::string::npos);
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
  // A relative XDG_CONFIG_HOME would follow the folder the program was started from.
  env.Set("XDG_CONFIG_HOME", "settings");
  EXPECT_EQ(DefaultSettingsFiles().Store, "/home/racer/.config/Kestrelon/Kestrelon.ini");
  // Without HOME, the user database knows the home folder.
  env.Set("HOME", std::nullopt);
  const passwd* user = getpwuid(getuid());
  ASSERT_TRUE(user && user->pw_dir);
  EXPECT_EQ(DefaultSettingsFiles().Store, std::string(user->pw_dir) + "/.config/Kestrelon/Kestrelon.ini");
}

}  // namespace
}  // namespace kestrelon
