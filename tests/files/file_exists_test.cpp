// Looking a file up before it is read, and its description line.
#include <gtest/gtest.h>

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
  EXPECT_TRUE(FileExists(car));
  EXPECT_FALSE(FileExists(folder.file("")));     // a folder
  EXPECT_FALSE(FileExists(folder.file("NO.WCD")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_TRUE(FileExistsQuietly(car));
  EXPECT_FALSE(FileExistsQuietly(folder.file("NO.WCD")));
  // A missing folder is told, except by the quiet look-up.
  EXPECT_FALSE(FileExists(folder.file("gone/CAR.WCD")));
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Drive or path does not exist");
  EXPECT_EQ(seam.asked[0].style, Msg::OKOnly | Msg::Exclamation);
  EXPECT_EQ(seam.asked[0].title, "Open File");
  EXPECT_FALSE(FileExistsQuietly(folder.file("gone/CAR.WCD")));
  EXPECT_EQ(seam.asked.size(), 1u);
}

TEST_F(FileLookUp, DescriptionIsTheTrimmedRestOfADescriptionFirstLine) {
  EXPECT_EQ(ReadFileDescription(folder.write("a.WCD", "//*  Quick car  \r\n1\r\n")), "Quick car");
  EXPECT_EQ(ReadFileDescription(folder.write("b.WCD", "//*Lone line")), "Lone line");
  EXPECT_EQ(ReadFileDescription(folder.write("c.WCD", "//no\r\n")), "");
  EXPECT_EQ(ReadFileDescription(folder.write("d.WCD", "")), "");
  EXPECT_EQ(ReadFileDescription(folder.file("missing.WCD")), "");
  EXPECT_EQ(ReadFileDescription(""), "");
  EXPECT_EQ(UnexpectedErrorText(13, "Permission denied"), "Unexpected Error # 13 : Permission denied");
}

}  // namespace
}  // namespace kestrelon
