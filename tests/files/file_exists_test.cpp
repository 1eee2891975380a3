// Looking a file up before it is read, and its description line.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/state.h"
#include "files/file_exists.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class FileLookUp : public ::testing::Test {
 protected:
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(FileLookUp, OnlyExistingNormalFilesExistAndAMissingFolderIsTold) {
  const std::string car = folder.write("CAR.WCD", "x\r\n");
  // A folder, a missing file and no name do not exist, and nothing is said.
  EXPECT_EQ(std::tuple(FileExists(car), FileExists(folder.file("")), FileExists(folder.file("NO.WCD")), FileExists("")),
            std::tuple(true, false, false, false));
  EXPECT_EQ(std::tuple(FileExistsQuietly(car), FileExistsQuietly(folder.file("NO.WCD"))), std::tuple(true, false));
  EXPECT_TRUE(seam.asked.empty());
  // A missing folder is told, except by the quiet look-up.
  EXPECT_FALSE(FileExists(folder.file("gone/CAR.WCD")));
  EXPECT_FALSE(FileExistsQuietly(folder.file("gone/CAR.WCD")));
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{{"Drive or path does not exist", Msg::OKOnly | Msg::Exclamation, "Open File"}}));
}

TEST_F(FileLookUp, HiddenFilesAreMissingButFilesInAHiddenFolderAreFound) {
  std::filesystem::create_directories(folder.file(".cars"));
  const std::string hidden = folder.write(".CAR.WCD", "x\r\n");
  const std::string inHiddenFolder = folder.write(".cars/CAR.WCD", "x\r\n");
  EXPECT_EQ(std::tuple(FileExists(hidden), FileExistsQuietly(hidden), FileExists(inHiddenFolder)),
            std::tuple(false, false, true));
  // A description is only a help to the eye: a missing folder says nothing here.
  EXPECT_EQ(ReadFileDescription(folder.file("gone/CAR.WCD")), "");
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(FileLookUp, AFileIsFoundWithItsExtensionInAnyCaseButNotAFolderOrAHiddenFile) {
  std::filesystem::create_directories(folder.file("car.Wcd"));
  folder.write("car.wcd", "x\r\n");
  folder.write(".car.WCD", "x\r\n");
  folder.write("car", "x\r\n");
  EXPECT_EQ(FileWithExtensionInAnyCase(folder.file("car.WCD")), folder.file("car.wcd"));
  // Nothing of that name: the path as given, also for a hidden file, a name without an
  // extension and a folder that is not there.
  for (const char* name : {".car.wcd", "CAR", "car.W", "gone/car.WCD"})
    EXPECT_EQ(FileWithExtensionInAnyCase(folder.file(name)), folder.file(name)) << name;
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(FileLookUp, DescriptionIsTheTrimmedRestOfADescriptionFirstLine) {
  for (auto [bytes, description] :
       {std::pair("//*  Quick car  \r\n1\r\n", "Quick car"), {"//*Lone line", "Lone line"}, {"//no\r\n", ""}, {"", ""},
        {"\xEF\xBB\xBF//*Marked\n", "Marked"}})
    EXPECT_EQ(ReadFileDescription(folder.write("a.WCD", bytes)), description) << bytes;
  EXPECT_EQ(std::tuple(ReadFileDescription(folder.file("missing.WCD")), ReadFileDescription("")), std::tuple("", ""));
  EXPECT_EQ(UnexpectedErrorText(13, "Permission denied"), "Unexpected Error # 13 : Permission denied");
}

}  // namespace
}  // namespace kestrelon
