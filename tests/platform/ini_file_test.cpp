#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <tuple>

#include "core/scoped_env.h"
#include "support/scoped_locale.h"

namespace kestrelon {
namespace {

TEST(IniFile, ReadsWindowsLinesAndKeepsValuesAsWritten) {
  test::TempFolder dir;
  const auto path = dir.Write("a.ini", "[One]\r\nKey = spaced value \r\n[Two]\r\nKey=2\r\n");
  const IniFile file = IniFile::Read(path);
  EXPECT_EQ(file.Get("one", "KEY"), " spaced value ");
  EXPECT_EQ(file.Get("Two", "Key"), "2");
  EXPECT_EQ(file.Get("Three", "Key"), std::nullopt);
  EXPECT_EQ(IniFile::Read(dir / "missing.ini").Get("One", "Key"), std::nullopt);
  // A missing file is an empty one; a folder is a file that cannot be read.
  EXPECT_EQ(std::tuple(file.ReadError(), IniFile::Read(dir / "missing.ini").ReadError(), IniFile::Read(dir.path()).ReadError()),
            std::tuple(0, 0, EISDIR));
}

TEST(IniFile, AValueReadsTheSameAfterItIsWrittenBackWhateverItsLineEnd) {
  test::TempFolder dir;
  IniFile file = IniFile::Read(dir.Write("a.ini", "[One]\r\nA=1\r\r\nB=2\r\r\r\n"));
  EXPECT_EQ(std::tuple(file.Get("One", "A"), file.Get("One", "B")), std::tuple("1", "2"));
  ASSERT_TRUE(file.Write(dir / "b.ini").ok());
  file = IniFile::Read(dir / "b.ini");
  EXPECT_EQ(std::tuple(file.Get("One", "A"), file.Get("One", "B")), std::tuple("1", "2"));
}

TEST(IniFile, SetAddsKeysInsideTheirSectionAndNewSectionsAtTheEnd) {
  test::TempFolder dir;
  IniFile file = IniFile::Read(dir.Write("a.ini", "[One]\nA=1\n\n[Two]\nB=2\n"));
  file.Set("One", "C", "3");
  file.Set("Two", "B", "");
  file.Set("Three", "D", "4");
  ASSERT_TRUE(file.Write(dir / "sub/b.ini").ok());
  EXPECT_EQ(test::FileText(dir / "sub/b.ini"), "[One]\nA=1\nC=3\n\n[Two]\nB=\n\n[Three]\nD=4\n");
}

TEST(IniFile, KeysWithAnIMatchOnATurkishDesktop) {
  test::ScopedLocale locale;
  ASSERT_TRUE(locale.Use("tr_TR.UTF-8"));
  test::TempFolder dir;
  IniFile file = IniFile::Read(dir.Write("KESTR.INI", "[KESTRELON]\nHISTFONTNAME=Arial\nHISTFONTSIZE=12\n"));
  EXPECT_EQ(std::tuple(file.Get("Kestrelon", "HistFontName"), file.Get("kestrelon", "histfontsize")),
            std::tuple("Arial", "12"));
  file.Set("kestrelon", "histfontname", "Times");
  ASSERT_TRUE(file.Write(dir / "KESTR.INI").ok());
  EXPECT_EQ(test::FileText(dir / "KESTR.INI"), "[KESTRELON]\nhistfontname=Times\nHISTFONTSIZE=12\n");
}

}  // namespace
}  // namespace kestrelon
