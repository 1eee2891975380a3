// Picking a file to open or a name to save: the dialog's set-up, the "not found" loop and the
// description a save offers.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/state.h"
#include "files/file_dialog.h"
#include "scripted_file_windows.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(FileDialogTest, OpenComesBackUntilAnExistingFileOrCancel) {
  const std::string car = folder.write("CAR.WCD", "x\r\n");
  windows.answers = {{folder.file("NONE.WCD")}, {folder.file("*.WCD")}, {car}};
  EXPECT_EQ(OpenFileDialog("*.WCD", "Select Vehicle data", "/start/CAR.WCD"), car);
  ASSERT_EQ(windows.dialogs.size(), 3u);
  // A name with wildcards is refused in the same words, even when files match it.
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[0].style, seam.asked[1].text),
            std::tuple("File " + folder.file("NONE.WCD") + " not found", Msg::OKOnly | Msg::Question,
                       "File " + folder.file("*.WCD") + " not found"));
  const auto& first = windows.dialogs[0];
  EXPECT_EQ(std::tie(first.look.button, first.look.picture, first.initial, first.editable),
            std::tuple("Open", FilePicture::Chassis, "/start/CAR.WCD", false));

  windows.answers = {{""}};
  EXPECT_EQ(OpenFileDialog("*.VCD", "Select Power data", ""), "");
  EXPECT_EQ(S.LoadFailed, True);
  // Another command's dialog never starts from this one's path.
  EXPECT_EQ(std::tie(windows.dialogs.back().initial, windows.dialogs.back().look.picture),
            std::tuple("", FilePicture::Engine));
  // The picture follows the pattern, then the title.
  windows.answers = {{""}, {""}, {""}};
  OpenFileDialog("*.*", "Select Engine data", "");
  OpenFileDialog("*", "Select an image", "");
  OpenFileDialog("*.wcd", "Power", "");
  EXPECT_EQ(std::tie(windows.dialogs[4].look.picture, windows.dialogs[5].look.picture, windows.dialogs[6].look.picture),
            std::tuple(FilePicture::Engine, FilePicture::File, FilePicture::Chassis));
}

TEST_F(FileDialogTest, SaveOffersTheDescriptionOfTheFileBeingWritten) {
  S.VehicleFileDescription = "  ";
  S.PowerFileDescription = "Engine desc";
  windows.answers = {{"/d/car.WCD", "typed"}};
  EXPECT_EQ(SaveFileDialog("*.WCD", "Save Vehicle Data", "/d/old.WCD"), "/d/car.WCD");
  // The vehicle has no description: the engine's is offered.
  EXPECT_EQ(std::tie(windows.dialogs[0].descriptionShown, windows.dialogs[0].editable, windows.dialogs[0].look.button,
                     S.DataDescription),
            std::tuple("Engine desc", true, "Save", "typed"));

  S.VehicleFileDescription = "Car desc";
  S.PowerFileDescription = "";
  windows.answers = {{"/d/e.VCD"}};
  SaveFileDialog("*.VCD", "Save Power Data", "");
  EXPECT_EQ(std::tie(windows.dialogs[1].descriptionShown, windows.dialogs[1].look.picture),
            std::tuple("Car desc", FilePicture::Engine));

  S.DataDescription = "kept";
  windows.answers = {{""}};
  EXPECT_EQ(SaveFileDialog("*.*", "Save Performance Data to File", ""), "");
  EXPECT_EQ(std::tie(windows.dialogs[2].look.button, windows.dialogs[2].descriptionShown), std::tuple("Select", "kept"));
  EXPECT_TRUE(seam.asked.empty());  // a cancelled dialog asks nothing

  // A name holding a wildcard is refused in the words for a missing file; one holding a NUL in its own.
  windows.answers = {{"/d/c?r.WCD"}, {std::string("/d/CA\0R.WCD", 11)}, {"/d/car.WCD"}};
  EXPECT_EQ(SaveFileDialog("*.WCD", "Save Vehicle Data", ""), "/d/car.WCD");
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[0].text, "File /d/c?r.WCD not found");
  EXPECT_EQ(seam.asked[1].text, "A file name cannot hold a NUL character - choose another name");
}

// Every file a save would replace is asked about: a hidden one, and one a killed save left
// beside its name (put back first). A folder is no file to replace: the write refuses it.
TEST_F(FileDialogTest, SaveAsksBeforeReplacingAnyFileAndNoShowsTheDialogAgain) {
  folder.write(".profile", "mine");
  folder.write("CAR.WCD.old~", "old vehicle");
  std::filesystem::create_directory(folder.file("CARS"));
  windows.answers = {{folder.file(".profile")}, {folder.file("CAR.WCD")}, {folder.file("CARS")}};
  seam.answers = {Msg::No, Msg::No};
  EXPECT_EQ(SaveFileDialog("*.*", "Save Performance Data to File", ""), folder.file("CARS"));
  EXPECT_EQ(windows.dialogs.size(), 3u);
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[1].text),
            std::tuple(folder.file(".profile") + " already exists. Do you want to replace it?",
                       folder.file("CAR.WCD") + " already exists. Do you want to replace it?"));
  EXPECT_EQ(test::TempFolder::read(folder.file("CAR.WCD")), "old vehicle");
}

TEST_F(FileDialogTest, EachCommandStartsFromItsOwnPathAndName) {
  folder.write("test.bmp", "");
  windows.answers = {{folder.file("test.bmp")}};
  OpenFileDialog("*", "Select an image", folder.file("old.bmp"));
  windows.answers = {{""}, {"/d/CAR.WCD"}, {""}};
  SaveFileDialog("*.WCD", "Save Vehicle Data", "");
  // The picture's folder and name are the setup's own, not the vehicle's.
  EXPECT_EQ(std::tie(windows.dialogs[1].initial, windows.dialogs[1].lastName), std::tuple("", ""));
  SaveFileDialog("*.WCD", "Save Vehicle Data", "/d/OLD.WCD");
  OpenFileDialog("*", "Select an image", "");
  EXPECT_EQ(std::tie(windows.dialogs[3].initial, windows.dialogs[3].lastName),
            std::tuple(folder.file("old.bmp"), "test.bmp"));
  // The same command comes back to the name it last confirmed.
  windows.answers = {{""}};
  SaveFileDialog("*.WCD", "Save Vehicle Data", "");
  EXPECT_EQ(std::tie(windows.dialogs[4].initial, windows.dialogs[4].lastName),
            std::tuple("/d/OLD.WCD", "CAR.WCD"));
}

TEST_F(FileDialogTest, ANotFoundPathKeepsItsCharacters) {
  windows.answers = {{folder.file("Donn\xC3\xA9" "es.WCD")}, {""}};
  OpenFileDialog("*.WCD", "Select Vehicle data", "");
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "File " + folder.file("Donn\xE9" "es.WCD") + " not found");
}

TEST_F(FileDialogTest, AMissingFolderIsToldOnceAndTheDialogComesBack) {
  windows.answers = {{folder.file("gone/CAR.WCD")}, {""}};
  EXPECT_EQ(OpenFileDialog("*.WCD", "Select Vehicle data", ""), "");
  EXPECT_EQ(windows.dialogs.size(), 2u);
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{{"Drive or path does not exist", Msg::OKOnly | Msg::Exclamation, "Open File"}}));
}

}  // namespace
}  // namespace kestrelon
