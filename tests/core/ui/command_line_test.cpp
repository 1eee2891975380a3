// The command line: how it is split, and which vehicle and power file each form of it runs.
#include "core/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "../scoped_env.h"
#include "core/commands.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/state.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    Cfg.DataPath = "/data/";
    Hooks.Process_Data = [this](const std::string& chassis, const std::string& engine) {
      runs.emplace_back(chassis, engine);
    };
  }
  void TearDown() override { Hooks = CommandHooks{}; }

  // Splits the line and runs it; returns the messages shown.
  std::vector<test::Asked> Run(std::string_view line) {
    test::ScriptedUi scripted;
    test::ScopedUi guard(scripted);
    ParseCommandLine(line);
    Process_Command();
    return scripted.asked;
  }

  std::vector<std::pair<std::string, std::string>> runs;
};

TEST_F(CommandLine, SplitsOnBlanksCommasAndQuotes) {
  // A comma separates only where no blank follows; at most ten arguments are kept.
  const std::pair<const char*, std::vector<std::string>> rows[] = {
      {"  \"/my cars/a b.vcd\"   c.wcd  ", {"/my cars/a b.vcd", "c.wcd"}},
      {"a.wcd,b.vcd", {"a.wcd", "b.vcd"}},
      {"a.wcd, b.vcd", {"a.wcd,", "b.vcd"}},
      {"\"my car.wcd\",b.vcd", {"my car.wcd", "b.vcd"}},
      {"   ", {}},
      {"1 2 3 4 5 6 7 8 9 10 11 12", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}}};
  for (const auto& [line, args] : rows) {
    ParseCommandLine(line);
    EXPECT_EQ(
        std::vector<std::string>(S.CommandArgs.begin(), S.CommandArgs.begin() + S.CommandArgCount),
        args)
        << line;
  }
  ParseCommandLine("  \"/my cars/a b.vcd\"   c.wcd  ");
  EXPECT_EQ(S.CommandLineText, " /my cars/a b.vcd c.wcd");
  ParseCommandLine("   ");
  EXPECT_EQ(S.CommandLineText, "");
}

// The words a shell passes become the arguments the line is split into: blanks and quotes stay
// inside a word; a comma stays inside only when the whole word names a file.
TEST_F(CommandLine, ShellWordsKeepBlanksQuotesAndCommasOfFileNames) {
  test::TempFolder data;
  data.Write("my,car.WCD", "");
  data.Write("x/a,b.vcd", "");
  Cfg.DataPath = data.path();
  using Words = std::vector<std::string>;
  const std::pair<Words, Words> rows[] = {
      {{"/my cars/a.wcd", "/my \"best\" car.vcd", "\"e.vcd", "f.wcd"},
       {"/my cars/a.wcd", "/my \"best\" car.vcd", "\"e.vcd", "f.wcd"}},
      {{"my,car.WCD", "b.vcd"}, {"my,car.WCD", "b.vcd"}},  // in the data folder
      {{"my,car"}, {"my", "car"}},                         // only its vehicle file exists
      {{data / "x/a,b.vcd"}, {data / "x/a,b.vcd"}},        // a path is taken as given
      {{"x/a,b.vcd"}, {"x/a", "b.vcd"}},                   // ... not in the data folder
      {{"my car,1.wcd"}, {"my car,1.wcd"}},
  };
  for (const auto& [words, args] : rows) {
    std::vector<const char*> argv{"kestrelon"};
    for (const std::string& word : words) argv.push_back(word.c_str());
    ParseCommandLine(CommandLineFromArguments(static_cast<int>(argv.size()), argv.data()));
    EXPECT_EQ(Words(S.CommandArgs.begin(), S.CommandArgs.begin() + S.CommandArgCount), args) << words[0];
  }
}

// The program's words are joined once start-up knows the data folder: the stored one, else the
// one WCDPATH names.
TEST_F(CommandLine, StartUpLooksForACommaNameInTheDataFolderOfTheSettingsOrTheEnvironment) {
  test::TempFolder data;
  data.Write("my,car.WCD", "");
  const std::string stored = data.Write("stored.ini", "[Data]\nDataPath=" + data.path() + "\n");
  const std::string empty = data.Write("empty.ini", "[Data]\n");
  for (const auto& [store, wcdPath] : {std::pair(stored, std::string("/elsewhere")), std::pair(empty, data.path())}) {
    test::ScopedEnv env;
    env.Set("WCDPATH", wcdPath);
    SettingsFiles files;
    files.Store = store;
    Cfg = Settings{};
    const char* argv[] = {"kestrelon", "my,car.WCD", "my,car.VCD"};
    StartupBeforeSplash(CommandLineSource(3, argv), files);
    EXPECT_EQ(std::tuple(S.CommandArgCount, S.CommandArgs[0], S.CommandArgs[1]),
              std::tuple(3, "my,car.WCD", "my"))
        << store;
  }
}

TEST_F(CommandLine, BaseNameRunsBothFilesFromTheDataFolder) {
  EXPECT_TRUE(Run("dragster").empty());
  EXPECT_TRUE(Run("dragster.wcd").empty());
  ASSERT_EQ(runs.size(), 2u);
  for (const auto& run : runs) {
    EXPECT_EQ(run.first, "/data/dragster.WCD");
    EXPECT_EQ(run.second, "/data/dragster.VCD");
  }
}

TEST_F(CommandLine, EmptyDataFolderLeavesANameRelativeToTheWorkingFolder) {
  Cfg.DataPath.clear();
  Run("dragster");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].first, "dragster.WCD");
}

TEST_F(CommandLine, DataFolderAtTheRootOrWithoutItsSlashGivesOneSlash) {
  for (const char* folder : {"/", "/data"}) {
    Cfg.DataPath = folder;
    Run("CAR");
  }
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(std::tie(runs[0].first, runs[1].second), std::tuple("/CAR.WCD", "/data/CAR.VCD"));
}

TEST_F(CommandLine, TwoFilesInEitherOrder) {
  Run("\"/my cars/b.VCD\" \"/my cars/a.wcd\"");
  Run("\"/x y/a.wcd\" b.vcd");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], std::make_pair(std::string("/my cars/a.wcd"), std::string("/my cars/b.VCD")));
  EXPECT_EQ(runs[1], std::make_pair(std::string("/x y/a.wcd"), std::string("/data/b.vcd")));
}

TEST_F(CommandLine, RefusalsNameTheProblem) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a.wcd b.wcd", "Cannot specify two chassis files"},
      {"a.vcd b.vcd", "Cannot specify two engine files"},
      {"a.wcd, b.vcd", "You must provide file names for both chassis and engine"},
      {"a.wcd b.txt", "You must provide file names for both chassis and engine"},
      {"a b c", "Unrecognised command  a b c"},
      {"1 2 3 4 5 6 7 8 9 10 11", "Unrecognised command  1 2 3 4 5 6 7 8 9 10"},
  };
  for (const auto& [line, message] : cases) {
    const auto asked = Run(line);
    ASSERT_EQ(asked.size(), 1u) << line;
    EXPECT_EQ(asked[0].text, message);
    EXPECT_EQ(asked[0].style, 0);
    EXPECT_EQ(asked[0].title, "Kestrelon");
  }
  EXPECT_TRUE(runs.empty());
}

}  // namespace
}  // namespace kestrelon
