// The report as a text file: the whole layout against a file worked out on paper, the title's
// vehicle name, and a file that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "files/temp_folder.h"
#include "platform/ui_seam.h"
#include "report/performance_report.h"
#include "report/report_file.h"
#include "report_fixture.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

class ReportFileTest : public ::testing::Test {
 protected:
  void SetUp() override { test::GoldenVehicle(); }
  void TearDown() override {
    S = SharedState{};
    Cfg = Settings{};
  }
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(ReportFileTest, GoldenReportByteForByte) {
  const std::string path = folder.file("golden.txt");
  ASSERT_TRUE(FilePerformanceData(path));
  const std::string expected =
      test::TempFolder::read((std::filesystem::path(KESTRELON_TEST_DATA) / "golden_report.txt").string());
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(test::TempFolder::read(path), expected);
  EXPECT_TRUE(seam.asked.empty());
  // A vehicle file with a description gives the plain title and leaves no vehicle name.
  EXPECT_EQ(S.VehicleName, "");
}

// Without a description the file names the vehicle after its vehicle file, in the title and
// in VehicleName from then on; the screen and the printer take VehicleName as it is.
TEST_F(ReportFileTest, TitleAndVehicleNameFollowTheVehicleFile) {
  S.VehicleFileDescription.clear();
  struct Case {
    std::string file;
    bool create;
    std::string title, name;
  };
  for (const Case& c : {Case{"DRAG.V2.WCD", true, "PERFORMANCE DATA FOR DRAG", "DRAG"},
                        Case{".HIDDEN.WCD", true, "PERFORMANCE DATA FOR .HIDDEN.WCD", ".HIDDEN.WCD"},
                        // The file system's UTF-8 name as the file's Windows-1252 text.
                        Case{"dr\xC3\xA4gster.WCD", true, "PERFORMANCE DATA FOR DR\xC4GSTER", "dr\xE4gster"},
                        Case{"GONE.WCD", false, "PERFORMANCE DATA", ""}}) {
    S.VehicleName = "Kept";
    S.VehicleFileName = c.create ? folder.write(c.file, "x\r\n") : folder.file(c.file);
    const std::string path = folder.file("out.txt");
    ASSERT_TRUE(FilePerformanceData(path));
    const std::string text = test::TempFolder::read(path);
    EXPECT_EQ(text.substr(0, text.find("\r\n", 3) + 2), " \r\n" + c.title + "\r\n") << c.file;
    EXPECT_EQ(S.VehicleName, c.name) << c.file;
  }
  S.VehicleName = "Kept";
  EXPECT_EQ(ReportVehicleName(ReportSink::Listing), "Kept");
  EXPECT_EQ(ReportVehicleName(ReportSink::Printer), "Kept");
  // A description, or no vehicle file at all, leaves no vehicle name.
  S.VehicleFileDescription = "Described";
  ASSERT_TRUE(FilePerformanceData(folder.file("out.txt")));
  EXPECT_EQ(S.VehicleName, "");
  S.VehicleFileDescription.clear();
  S.VehicleFileName.clear();
  S.VehicleName = "Kept";
  ASSERT_TRUE(FilePerformanceData(folder.file("out.txt")));
  EXPECT_EQ(S.VehicleName, "");
}

TEST_F(ReportFileTest, AFileThatCannotBeWrittenIsReportedAndNothingIsWritten) {
  const std::string missing = folder.file("no/such/folder/report.txt");
  EXPECT_FALSE(FilePerformanceData(missing));
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[0].style, seam.asked[0].title),
            std::tuple("Drive or path does not exist", Msg::OKOnly | Msg::Exclamation,
                       "Save Performance Data to File"));
  EXPECT_FALSE(std::filesystem::exists(missing));

  // A folder in the file's place: any other failure, with its number and description.
  const std::string taken = folder.file("taken");
  std::filesystem::create_directory(taken);
  EXPECT_FALSE(FilePerformanceData(taken));
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[1].text.rfind("Unexpected Error # ", 0), 0u) << seam.asked[1].text;
  EXPECT_NE(seam.asked[1].text.find(" : "), std::string::npos);
  EXPECT_EQ(std::tie(seam.asked[1].style, seam.asked[1].title),
            std::tuple(Msg::OKOnly | Msg::Critical, "Save Performance Data to File"));
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(taken), {}), 0);

  // A file the racer made read-only: refused as a direct write would be, and left alone.
  const std::string kept = folder.write("kept.txt", "kept");
  std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
  EXPECT_FALSE(FilePerformanceData(kept));
  ASSERT_EQ(seam.asked.size(), 3u);
  EXPECT_EQ(seam.asked[2].text, "Unexpected Error # 13 : Permission denied");
  EXPECT_EQ(test::TempFolder::read(kept), "kept");
}

TEST_F(ReportFileTest, TheFileIgnoresSizesAndFonts) {
  const ReportOps ops = {{ReportOp::Size, 15, {}}, {ReportOp::Bold, 1, {}},
                         {ReportOp::Text, 0, "Label"},  {ReportOp::Underline, 1, {}},
                         {ReportOp::Tab, 8, {}},       {ReportOp::Number, 3, {}},
                         {ReportOp::Number, -2, {}},   {ReportOp::LineEnd, 0, {}}};
  EXPECT_EQ(ReportText(ops), "Label   3 -2 \r\n");
  EXPECT_EQ(ReportText({{ReportOp::Text, 0, std::string("A\0B", 3)}}), "A B");  // a NUL as a blank
}

}  // namespace
}  // namespace kestrelon
