// The file dialog's names and paths: pattern extensions, the start path, list entries, typed
// names and the search as the user types.
#include <gtest/gtest.h>

#include "files/file_dialog_paths.h"

namespace kestrelon {
namespace {

TEST(FileDialogPaths, PatternExtensionIsTheTextAfterTheFirstDot) {
  EXPECT_EQ(PatternExtension("*.WCD"), "WCD");
  EXPECT_EQ(PatternExtension("*. VCD "), "VCD");
  EXPECT_EQ(PatternExtension("*.*"), "*");
  EXPECT_EQ(PatternExtension("*"), "*");
  EXPECT_TRUE(MatchesPattern("car.wcd", "*.WCD"));
  EXPECT_TRUE(MatchesPattern("my.car.WCD", "*.WCD"));
  EXPECT_FALSE(MatchesPattern("car.VCD", "*.WCD"));
  EXPECT_FALSE(MatchesPattern("WCD", "*.WCD"));
  EXPECT_TRUE(MatchesPattern("anything", "*.*"));
}

TEST(FileDialogPaths, StartPathGivesFolderAndNameWithoutTheExtension) {
  InitialPath split = SplitInitialPath("/data/CAR.WCD", "WCD");
  EXPECT_EQ(split.folder, "/data/");
  EXPECT_EQ(split.name, "CAR");
  // Extensions match without regard to case.
  EXPECT_EQ(SplitInitialPath("/data/CAR.wcd", "WCD").name, "CAR");
  // Another extension, the extension alone, or a pattern for any file leave the name empty.
  EXPECT_EQ(SplitInitialPath("/data/CAR.VCD", "WCD").name, "");
  EXPECT_EQ(SplitInitialPath("/data/.WCD", "WCD").name, "");
  EXPECT_EQ(SplitInitialPath("/data/CARWCD", "WCD").name, "");
  EXPECT_EQ(SplitInitialPath("/img/logo.png", "*").name, "");
  // A folder alone, the root, and a name without a folder.
  split = SplitInitialPath("/data/", "WCD");
  EXPECT_EQ(split.folder, "/data/");
  EXPECT_EQ(split.name, "");
  EXPECT_EQ(SplitInitialPath("/CAR.WCD", "WCD").folder, "/");
  split = SplitInitialPath("CAR.WCD", "WCD");
  EXPECT_FALSE(split.folder);
  EXPECT_EQ(split.name, "CAR");
}

TEST(FileDialogPaths, ListEntriesShowWithoutTheirExtensionUnderAnExtensionPattern) {
  EXPECT_EQ(ListedName("RACE.WCD", "WCD"), "RACE");
  EXPECT_EQ(ListedName("RACE.WCD", "*"), "RACE.WCD");
  EXPECT_EQ(ListedName(".WCD", "WCD"), ".WCD");
  EXPECT_EQ(DownArrowName("eng.vcd"), "eng");
  EXPECT_EQ(DownArrowName("notes.txt"), "notes.txt");
}

TEST(FileDialogPaths, TypedNamesTakeThePatternsExtensionAndABlankNameTheSelectedEntry) {
  EXPECT_EQ(TypedFileName("car", "VCD"), "car.VCD");
  EXPECT_EQ(TypedFileName("car.a.b", "WCD"), "car.WCD");
  EXPECT_EQ(TypedFileName("report.txt", "*"), "report.txt");
  // A blank name box takes the selected entry; nothing selected leaves no path.
  EXPECT_EQ(DialogResultPath("/d/", " ", "RACE.WCD", "WCD"), "/d/RACE.WCD");
  EXPECT_FALSE(DialogResultPath("/d/", "", "", "WCD"));
}

TEST(FileDialogPaths, SearchFindsTheFirstEntryBeginningWithTheText) {
  const std::vector<std::string> entries{"ACE.WCD", "HAYA.WCD", "hawk.WCD"};
  EXPECT_EQ(IncrementalSearch(entries, " ha "), 1u);
  EXPECT_EQ(IncrementalSearch(entries, "haw"), 2u);
  EXPECT_EQ(IncrementalSearch(entries, "A"), 0u);
  EXPECT_FALSE(IncrementalSearch(entries, "Z"));
  EXPECT_FALSE(IncrementalSearch(entries, "   "));
  EXPECT_FALSE(IncrementalSearch(entries, "ACE.WCD.OLD"));
}

}  // namespace
}  // namespace kestrelon
