// The file dialog's names and paths: pattern extensions, the start path, list entries, typed
// names and the search as the user types.
#include <gtest/gtest.h>

#include <tuple>

#include "files/file_dialog_paths.h"
#include "support/scoped_locale.h"

namespace kestrelon {
namespace {

TEST(FileDialogPaths, PatternExtensionIsTheTextAfterTheFirstDot) {
  for (auto [pattern, ext] : {std::pair("*.WCD", "WCD"), {"*. VCD ", "VCD"}, {"*.*", "*"}, {"*", "*"}})
    EXPECT_EQ(PatternExtension(pattern), ext) << pattern;
  for (auto [name, pattern, match] : {std::tuple("car.wcd", "*.WCD", true), {"my.car.WCD", "*.WCD", true},
                                      {"car.VCD", "*.WCD", false}, {"WCD", "*.WCD", false}, {"anything", "*.*", true}})
    EXPECT_EQ(MatchesPattern(name, pattern), match) << name << " " << pattern;
}

TEST(FileDialogPaths, StartPathGivesFolderAndNameWithoutTheExtension) {
  // Extensions match without regard to case; another extension, the extension alone, or a
  // pattern for any file leave the name empty; then a folder alone and the root.
  for (auto [path, ext, folder, name] :
       {std::tuple("/data/CAR.WCD", "WCD", "/data/", "CAR"), {"/data/CAR.wcd", "WCD", "/data/", "CAR"},
        {"/data/CAR.VCD", "WCD", "/data/", ""}, {"/data/.WCD", "WCD", "/data/", ""},
        {"/data/CARWCD", "WCD", "/data/", ""}, {"/img/logo.png", "*", "/img/", ""},
        {"/data/", "WCD", "/data/", ""}, {"/CAR.WCD", "WCD", "/", "CAR"}}) {
    const InitialPath split = SplitInitialPath(path, ext);
    EXPECT_EQ(std::tuple(split.folder.value_or("-"), split.name), std::tuple(folder, name)) << path;
  }
  // A name without a folder.
  const InitialPath split = SplitInitialPath("CAR.WCD", "WCD");
  EXPECT_FALSE(split.folder);
  EXPECT_EQ(split.name, "CAR");
}

TEST(FileDialogPaths, ListedTypedAndChosenNames) {
  EXPECT_EQ(std::tuple(ListedName("RACE.WCD", "WCD"), ListedName("RACE.WCD", "*"), ListedName(".WCD", "WCD")),
            std::tuple("RACE", "RACE.WCD", ".WCD"));
  EXPECT_EQ(std::tuple(DownArrowName("eng.vcd"), DownArrowName("notes.txt")), std::tuple("eng", "notes.txt"));
  EXPECT_EQ(std::tuple(TypedFileName("car", "VCD"), TypedFileName("car.a.b", "WCD"), TypedFileName("report.txt", "*")),
            std::tuple("car.VCD", "car.WCD", "report.txt"));
  // A blank name box takes the selected entry; nothing selected leaves no path.
  EXPECT_EQ(DialogResultPath("/d/", " ", "RACE.WCD", "WCD"), "/d/RACE.WCD");
  EXPECT_FALSE(DialogResultPath("/d/", "", "", "WCD"));
  // Typed paths: from the root, or under the listed folder; dotted folders keep their names.
  EXPECT_EQ(DialogResultPath("/d/", "/home/racer/my.cars/CAR.old", "", "WCD"), "/home/racer/my.cars/CAR.WCD");
  EXPECT_EQ(DialogResultPath("/d", "old.runs/CAR", "", "WCD"), "/d/old.runs/CAR.WCD");
  EXPECT_EQ(DialogResultPath("/d/", "v1./CAR", "", "WCD"), "/d/v1./CAR.WCD");
}

TEST(FileDialogPaths, SearchFindsTheFirstEntryBeginningWithTheText) {
  const std::vector<std::string> entries{"ACE.WCD", "HAYA.WCD", "hawk.WCD"};
  EXPECT_EQ(std::tuple(IncrementalSearch(entries, " ha "), IncrementalSearch(entries, "haw"),
                       IncrementalSearch(entries, "A")),
            std::tuple(1u, 2u, 0u));
  for (const char* text : {"Z", "   ", "ACE.WCD.OLD"}) EXPECT_FALSE(IncrementalSearch(entries, text)) << text;
}

TEST(FileDialogPaths, SearchFindsAnIOnATurkishDesktop) {
  test::ScopedLocale locale;
  ASSERT_TRUE(locale.Use("tr_TR.UTF-8"));
  const std::vector<std::string> entries{"Alpha", "Impala", "Mini"};
  EXPECT_EQ(std::tuple(IncrementalSearch(entries, "imp"), IncrementalSearch(entries, "MINI")), std::tuple(1u, 2u));
}

}  // namespace
}  // namespace kestrelon
