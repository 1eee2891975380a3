#include <gtest/gtest.h>

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
  EXPECT_EQ(S.VehicleData[1][2], "v2");
  EXPECT_EQ(S.VehicleData[2][1], "v21");
  EXPECT_EQ(S.VehicleData[10][20], "v200");
  EXPECT_EQ(S.VehicleData[0][1], "v201");
  EXPECT_EQ(S.VehicleData[0][20], "v220");
  EXPECT_EQ(S.DataDescription, "");
  EXPECT_TRUE(seam.asked.empty());

  S.VehicleData[0][1] = "old0-1";
  S.VehicleData[0][11] = "old0-11";
  LoadVehicleFile(folder.write("200.wcd", test::NumberedLines(200)));
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(S.VehicleData[0][1], "old0-1");
  LoadVehicleFile(folder.write("210.wcd", test::NumberedLines(210)));
  EXPECT_EQ(S.VehicleData[0][10], "v210");
  EXPECT_EQ(S.VehicleData[0][11], "old0-11");
}

TEST_F(VehicleFileTest, DescriptionLineIsRecognisedByItsFirstThreeCharacters) {
  LoadVehicleFile(folder.write("a.wcd", "//*   Quick car  \r\n" + test::NumberedLines(200)));
  EXPECT_EQ(S.DataDescription, "Quick car");
  EXPECT_EQ(S.VehicleFileDescription, "Quick car");
  EXPECT_EQ(S.VehicleData[1][1], "v1");
  for (const std::string first : {"//not a description", "/*nor this"}) {
    LoadVehicleFile(folder.write("b.wcd", first + "\r\n" + test::NumberedLines(199)));
    EXPECT_EQ(S.VehicleData[1][1], first);
    EXPECT_EQ(S.VehicleData[1][2], "v1");
    EXPECT_EQ(S.DataDescription, "");
  }
}

TEST_F(VehicleFileTest, FileEndingBeforeTwoHundredValuesIsRejectedAndChangesNothing) {
  S.DataSaved = False;
  S.DataDescription = "current";
  S.VehicleData[3][7] = "old";
  const auto before = S.VehicleData;
  const auto path = folder.write("199.wcd", "//*short\r\n" + test::NumberedLines(199));
  LoadVehicleFile(path);
  EXPECT_EQ(S.LoadFailed, True);
  EXPECT_EQ(S.DataSaved, False);
  EXPECT_EQ(S.VehicleData, before);
  EXPECT_EQ(S.DataDescription, "current");
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, path + " contains invalid data - loading will be aborted");
  EXPECT_EQ(seam.asked[0].style, Msg::Exclamation);
  EXPECT_EQ(seam.asked[0].title, "Load chassis data");

  LoadVehicleFile(folder.write("empty.wcd", ""));
  EXPECT_EQ(S.LoadFailed, True);
  LoadVehicleFile(folder.file("missing.wcd"));  // cannot be opened: rejected the same way
  EXPECT_EQ(S.LoadFailed, True);
  EXPECT_EQ(seam.asked.size(), 3u);
}

TEST_F(VehicleFileTest, AnyLineEndAndTheBytesOfEachTextAreKept) {
  std::string lf, cr;
  for (int i = 1; i <= 200; ++i) {
    lf += (i == 5 ? std::string("Caf\xe9 ") : i == 6 ? "" : "x" + std::to_string(i)) + "\n";
    cr += "y" + std::to_string(i) + "\r";
  }
  LoadVehicleFile(folder.write("lf.wcd", lf));
  EXPECT_EQ(S.VehicleData[1][5], "Caf\xe9 ");
  EXPECT_EQ(S.VehicleData[1][6], "");
  EXPECT_EQ(S.VehicleData[10][20], "x200");
  LoadVehicleFile(folder.write("cr.wcd", cr));
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(S.VehicleData[10][20], "y200");
}

TEST_F(VehicleFileTest, WrittenFileMatchesTheGoldenFileByteForByte) {
  S.VehicleData[1][4] = "(none)";
  S.VehicleData[2][1] = "98in";
  S.VehicleData[2][2] = "660kg";
  S.VehicleData[9][13] = ":::";
  S.VehicleData[10][20] = "N";
  S.VehicleData[0][1] = "1600cc";
  S.VehicleData[1][0] = "//*never stored";
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

TEST_F(VehicleFileTest, FailedWriteLeavesTheOldFile) {
  const auto path = folder.write("keep.wcd", "old content");
  std::filesystem::create_directory(path + ".part~");  // the temporary file cannot be made
  const auto result = WriteVehicleFile(path);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(test::TempFolder::read(path), "old content");
  EXPECT_TRUE(WriteVehicleFile(folder.file("no/such/folder.wcd")).pathMissing());
}

}  // namespace
}  // namespace kestrelon
