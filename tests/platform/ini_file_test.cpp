#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <tuple>

#include "core/scoped_env.h"
#include "support/failing_file_system.h"
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
  // A missing file is an empty one; a folder, a file past the bound and one that takes more
  // memory than there is are files that cannot be read.
  EXPECT_EQ(std::tuple(file.ReadError(), IniFile::Read(dir / "missing.ini").ReadError(), IniFile::Read(dir.path()).ReadError()),
            std::tuple(0, 0, EISDIR));
  const std::size_t size = test::FileText(path).size();
  EXPECT_EQ(std::tuple(IniFile::Read(path, size).ReadError(), IniFile::Read(path, size - 1).ReadError()), std::tuple(0, EFBIG));
  // Sections that share their key names: each key is found in its own section.
  std::string sections;
  for (int n = 0; n < 40; ++n)
    for (const char* key : {"A", "B", "C"}) sections += (*key == 'A' ? "[S" + std::to_string(n) + "]\n" : "") + key + "=" + std::to_string(n) + "\n";
  const IniFile many = IniFile::Read(dir.Write("many.ini", sections));
  for (int n = 0; n < 40; ++n)
    for (const char* key : {"A", "B", "C"}) EXPECT_EQ(many.Get("S" + std::to_string(n), key), std::to_string(n)) << n << key;
  test::FailingFileSystem fs;
  fs.outOfMemory = {path};
  const IniFile unread = IniFile::Read(path);
  EXPECT_EQ(std::tuple(unread.ReadError(), unread.Get("Two", "Key")), std::tuple(ENOMEM, std::nullopt));
}

TEST(IniFile, AValueReadsTheSameAfterItIsWrittenBackWhateverItsLineEnd) {
  test::TempFolder dir;
  // Comment and blank lines inside the section are no key lines; nor is a key line before the
  // first section one of the section's.
  for (const char* text : {"[One]\r\nA=1\r\r\nB=2\r\r\r\n", "[One]\rA=1\rB=2", "[One]\nA=1\r\nB=2\r",
                           "C=0\n[One]\n; my settings\n\n\nA=1\nB=2\n"}) {
    IniFile file = IniFile::Read(dir.Write("a.ini", text));
    EXPECT_EQ(std::tuple(file.Get("One", "A"), file.Get("One", "B")), std::tuple("1", "2")) << text;
    file.Set("One", "C", "3");
    file.Set("One", "C", "9\n[One]\nA=9");  // not read back the same: not set
    file.Set("One", "A", "9\r");
    file.Set("One", "B", std::string("9\0", 2));
    ASSERT_TRUE(file.Write(dir / "b.ini").ok());
    file = IniFile::Read(dir / "b.ini");
    EXPECT_EQ(std::tuple(file.Get("One", "A"), file.Get("One", "B"), file.Get("One", "C")), std::tuple("1", "2", "3")) << text;
  }
}

// Lines not understood are written back byte for byte, a byte-order mark too; new ones end as the
// file's first line. The first line of a key in any section of its name is the one replaced.
TEST(IniFile, SetAddsKeysInsideTheirSectionAndNewSectionsAtTheEnd) {
  test::TempFolder dir;
  for (const auto& [text, written] :
       {std::pair("[One]\nA=1\n\n[Two]\nB=2\n", "[One]\nA=1\nC=3\n\n[Two]\nB=\n\n[Three]\nD=4\nE=5\n"),
        std::pair("; x\r\n[One]\r\nA=1\r\n[Two]\r\nB=2", "; x\r\n[One]\r\nA=1\r\nC=3\r\n[Two]\r\nB=\r\n\r\n[Three]\r\nD=4\r\nE=5\r\n"),
        std::pair("\r\r[one]\r\r[Two]\rB=2\r#\r", "\r\r[one]\rC=3\r\r[Two]\rB=\r#\r\r[Three]\rD=4\rE=5\r"),
        std::pair("\xEF\xBB\xBF[One]\nA=1\n", "\xEF\xBB\xBF[One]\nA=1\nC=3\n\n[Two]\nB=\n\n[Three]\nD=4\nE=5\n"),
        std::pair("\xEF\xBB\xBF[One]\r\n[Two]\r\nB=2\r\n", "\xEF\xBB\xBF[One]\r\nC=3\r\n[Two]\r\nB=\r\n\r\n[Three]\r\nD=4\r\nE=5\r\n"),
        std::pair("\xEF\xBB\xBF", "\xEF\xBB\xBF[One]\nC=3\n\n[Two]\nB=\n\n[Three]\nD=4\nE=5\n"),
        std::pair("\r\n\r\n", "\r\n\r\n[One]\r\nC=3\r\n\r\n[Two]\r\nB=\r\n\r\n[Three]\r\nD=4\r\nE=5\r\n"),
        std::pair("C=0\n[Two]\nC=9\nb=1\nB=2\n[One]\nA=1\nC\n[two]\nB=3\n",
                  "C=0\n[Two]\nC=9\nB=\nB=2\n[One]\nA=1\nC=3\nC\n[two]\nB=3\n\n[Three]\nD=4\nE=5\n")}) {
    IniFile file = IniFile::Read(dir.Write("a.ini", text));
    file.Set("One", "C", "3");
    file.Set("Two", "B", "");
    file.Set("Three", "D", "4");
    file.Set("three", "E", "5");
    ASSERT_TRUE(file.Write(dir / "sub/b.ini").ok());
    EXPECT_EQ(test::FileText(dir / "sub/b.ini"), written);
  }
}

// A write that would pass the bound is refused, and the file stays as it was.
TEST(IniFile, AWritePastTheBoundIsRefused) {
  test::TempFolder dir;
  const std::string path = dir.Write("a.ini", "[One]\nA=1\n");
  IniFile file = IniFile::Read(path);
  file.Set("One", "A", "22");
  EXPECT_EQ(file.Write(path, 10).error, EFBIG);
  EXPECT_EQ(test::FileText(path), "[One]\nA=1\n");
  EXPECT_TRUE(file.Write(path, 11).ok());
  EXPECT_EQ(test::FileText(path), "[One]\nA=22\n");
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
