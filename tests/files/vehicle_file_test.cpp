#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <tuple>

#include "support/failing_file_system.h"
#include "core/state.h"
#include "files/vehicle_file.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class VehicleFileTest : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(VehicleFileTest, LinesMapToGroupsAndItemsAndAShortGroupZeroKeepsTheRest) {
  LoadVehicleFile(folder.write("220.wcd", test::NumberedLines(220)));
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(std::tie(S.VehicleData[1][2], S.VehicleData[2][1], S.VehicleData[10][20], S.VehicleData[0][1],
                     S.VehicleData[0][20], S.DataDescription),
            std::tuple("v2", "v21", "v200", "v201", "v220", ""));
  EXPECT_TRUE(seam.asked.empty());

  S.VehicleData[0][1] = "old0-1";
  S.VehicleData[0][11] = "old0-11";
  LoadVehicleFile(folder.write("200.wcd", test::NumberedLines(200)));
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(S.VehicleData[0][1], "old0-1");
  LoadVehicleFile(folder.write("210.wcd", test::NumberedLines(210)));
  EXPECT_EQ(std::tie(S.VehicleData[0][10], S.VehicleData[0][11]), std::tuple("v210", "old0-11"));
  // Lines after group 0 are not read, whatever they hold.
  std::string trailing;
  for (int i = 0; i < 100000; ++i) trailing += i % 2 ? "\r\n" : "more\n";
  LoadVehicleFile(folder.write("long.wcd", "//*Long\r\n" + test::NumberedLines(220) + trailing));
  EXPECT_EQ(std::tie(S.LoadFailed, S.DataDescription, S.VehicleData[1][1], S.VehicleData[0][20]),
            std::tuple(False, "Long", "v1", "v220"));
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(VehicleFileTest, DescriptionLineIsRecognisedByItsFirstThreeCharacters) {
  LoadVehicleFile(folder.write("a.wcd", "//*   Quick car  \r\n" + test::NumberedLines(200)));
  EXPECT_EQ(std::tie(S.DataDescription, S.VehicleFileDescription, S.VehicleData[1][1]),
            std::tuple("Quick car", "Quick car", "v1"));
  for (const std::string first : {"//not a description", "/*nor this"}) {
    LoadVehicleFile(folder.write("b.wcd", first + "\r\n" + test::NumberedLines(199)));
    EXPECT_EQ(std::tie(S.VehicleData[1][1], S.VehicleData[1][2], S.DataDescription), std::tuple(first, "v1", ""));
  }
}

TEST_F(VehicleFileTest, FileEndingBeforeTwoHundredValuesIsRejectedAndChangesNothing) {
  S.DataSaved = False;
  S.DataDescription = "current";
  S.VehicleData[3][7] = "old";
  const auto before = S.VehicleData;
  const auto path = folder.write("199.wcd", "//*short\r\n" + test::NumberedLines(199));
  LoadVehicleFile(path);
  EXPECT_EQ(std::tuple(S.LoadFailed, S.DataSaved, S.DataDescription), std::tuple(True, False, "current"));
  EXPECT_EQ(S.VehicleData, before);
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{{path + " contains invalid data - loading will be aborted",
                                      Msg::Exclamation, "Load chassis data"}}));
  // An empty file, one that cannot be opened and one whose texts hold a NUL byte (saved as
  // UTF-16, or only one text), or that begins with two byte-order marks or a UTF-16 one, are rejected.
  std::string utf16 = "\xFF\xFE";
  for (const char c : test::NumberedLines(220)) utf16 += std::string{c, '\0'};
  const std::string nul = folder.write("nul.wcd", test::NumberedLines(199) + std::string("v\0", 2) + "\r\n");
  for (const auto& other : {folder.write("empty.wcd", ""), folder.file("missing.wcd"), folder.write("utf16.wcd", utf16), nul,
                            folder.write("marks.wcd", "\xEF\xBB\xBF\xEF\xBB\xBF//*Two marks\r\n" + test::NumberedLines(220)),
                            folder.write("le.wcd", "\xFF\xFE//*Le\r\n" + test::NumberedLines(220)),
                            folder.write("be.wcd", "\xFE\xFF" + test::NumberedLines(220))}) {
    S.LoadFailed = False;
    LoadVehicleFile(other);
    EXPECT_EQ(S.LoadFailed, True);
    EXPECT_EQ(S.VehicleData, before);
  }
  ASSERT_EQ(seam.asked.size(), 8u);
  EXPECT_EQ(seam.asked[4].text, nul + " contains invalid data - loading will be aborted");
}

TEST_F(VehicleFileTest, AnyLineEndAndTheBytesOfEachTextAreKept) {
  std::string lf, cr;
  for (int i = 1; i <= 200; ++i) {
    lf += (i == 5 ? std::string("Caf\xe9 ") : i == 6 ? "" : "x" + std::to_string(i)) + "\n";
    cr += "y" + std::to_string(i) + "\r";
  }
  LoadVehicleFile(folder.write("lf.wcd", lf));
  EXPECT_EQ(std::tie(S.VehicleData[1][5], S.VehicleData[1][6], S.VehicleData[10][20]),
            std::tuple("Caf\xe9 ", "", "x200"));
  LoadVehicleFile(folder.write("cr.wcd", cr));
  EXPECT_EQ(std::tuple(S.LoadFailed, S.VehicleData[10][20]), std::tuple(False, "y200"));
}

TEST_F(VehicleFileTest, WrittenFileMatchesTheGoldenFileByteForByte) {
  for (auto [g, i, text] : {std::tuple(1, 4, "(none)"), {2, 1, "98in"}, {2, 2, "660kg"}, {9, 13, ":::"},
                            {10, 20, "N"}, {0, 1, "1600cc"}, {1, 0, "//*never stored"}})
    S.VehicleData[g][i] = text;
  S.DataDescription = "Golden car";
  const auto path = folder.file("golden.wcd");
  ASSERT_TRUE(WriteVehicleFile(path).ok());
  EXPECT_EQ(test::TempFolder::read(path),
            test::TempFolder::read(test::ReferenceFile("golden.wcd")));
  EXPECT_EQ(S.VehicleFileDescription, "Golden car");
  // Without a description the first line is item (1,1).
  S.DataDescription = "";
  S.VehicleData[1][1] = "1/1";
  ASSERT_TRUE(WriteVehicleFile(path).ok());
  EXPECT_EQ(test::TempFolder::read(path).substr(0, 5), "1/1\r\n");
}

TEST_F(VehicleFileTest, EveryTextReadsBackAsWrittenWhateverItBeginsWith) {
  for (const char* description : {"", "Quick car"})
    for (const char* first : {"//* looks like a description", "\xEF\xBB\xBF" "1/1", "\xFF\xFE" "1/1", "\xFE\xFF"}) {
      SCOPED_TRACE(std::string(description) + " / " + first);
      S = SharedState{};
      S.VehicleData[1][1] = first;
      S.VehicleData[1][2] = "//*";
      S.VehicleData[10][20] = "N";
      S.VehicleData[0][20] = "1600cc";
      S.DataDescription = description;
      const VehicleTable written = S.VehicleData;
      ASSERT_TRUE(WriteVehicleFile(folder.file("car.wcd")).ok());
      S = SharedState{};
      LoadVehicleFile(folder.file("car.wcd"));
      EXPECT_EQ(S.LoadFailed, False);
      EXPECT_EQ(S.VehicleData, written);
      EXPECT_EQ(S.DataDescription, description);
    }
}

TEST_F(VehicleFileTest, ALineBreakInsideATextNeverMovesTheTextsAfterIt) {
  S.VehicleData[2][1] = "98\r\nin";
  S.VehicleData[2][2] = "660kg";
  S.DataDescription = std::string("two\nlines\0B", 11);  // nor does a NUL make the file unreadable
  ASSERT_TRUE(WriteVehicleFile(folder.file("car.wcd")).ok());
  S = SharedState{};
  LoadVehicleFile(folder.file("car.wcd"));
  EXPECT_EQ(std::tie(S.VehicleData[2][1], S.VehicleData[2][2], S.DataDescription),
            std::tuple("98  in", "660kg", "two lines B"));
}

// A file the racer may not read, a folder, a FIFO, a file far larger than any vehicle file and
// one whose read runs out of memory are file errors, not invalid data: each is told with its
// reason, and the texts in memory stay as they were.
TEST_F(VehicleFileTest, AFileTheRacerMayNotReadAFolderOrAFifoIsToldAsTheFileErrorItIs) {
  std::filesystem::create_directory(folder.file("cars.wcd"));
  ASSERT_EQ(::mkfifo(folder.file("pipe.wcd").c_str(), 0600), 0);
  std::filesystem::resize_file(folder.write("huge.wcd", test::NumberedLines(220)), MostFileBytes + 1);
  test::FailingFileSystem fs;
  fs.unreadable = {folder.write("theirs.wcd", test::NumberedLines(220))};
  fs.outOfMemory = {folder.write("short.wcd", test::NumberedLines(220))};
  S.VehicleData[1][1] = "mine";
  for (const auto& [name, told] : {std::pair("theirs.wcd", "Unexpected Error # 13 : Permission denied"),
                                   std::pair("cars.wcd", "Unexpected Error # 21 : Is a directory"),
                                   std::pair("pipe.wcd", "Unexpected Error # 22 : Not a regular file"),
                                   std::pair("huge.wcd", "Unexpected Error # 27 : File too large"),
                                   std::pair("short.wcd", "Unexpected Error # 12 : Cannot allocate memory")}) {
    seam.asked.clear();
    EXPECT_NO_THROW(LoadVehicleFile(folder.file(name)));
    EXPECT_EQ(std::tuple(S.LoadFailed, S.VehicleData[1][1]), std::tuple(True, "mine"));
    EXPECT_EQ(test::AllSaid(seam.asked), (std::vector<test::Said>{{told, Msg::OKOnly | Msg::Critical, "Load chassis data"}}));
  }
}

TEST_F(VehicleFileTest, FailedWriteLeavesTheOldFile) {
  const auto path = folder.write("keep.wcd", "old content");
  {
    test::FailingFileSystem fs({{test::FailingFileSystem::WriteCall, 1}}, ENOSPC);
    EXPECT_EQ(WriteVehicleFile(path).error, ENOSPC);
  }
  EXPECT_EQ(test::TempFolder::read(path), "old content");
  EXPECT_TRUE(WriteVehicleFile(folder.file("no/such/folder.wcd")).pathMissing());
}

}  // namespace
}  // namespace kestrelon
