// Picking a file to open or a name to save: the dialog's set-up, the "not found" loop and the
// description a save offers.
#include <gtest/gtest.h>

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
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[0].text, "File " + folder.file("NONE.WCD") + " not found");
  EXPECT_EQ(seam.asked[0].style, Msg::OKOnly | Msg::Question);
  // A name with wildcards is refused in the same words, even when files match it.
  EXPECT_EQ(seam.asked[1].text, "File " + folder.file("*.WCD") + " not found");
  EXPECT_EQ(windows.dialogs[0].look.button, "Open");
  EXPECT_EQ(windows.dialogs[0].look.picture, FilePicture::Chassis);
  EXPECT_EQ(windows.dialogs[0].initial, "/start/CAR.WCD");
  EXPECT_FALSE(windows.dialogs[0].editable);

  windows.answers = {{""}};
  EXPECT_EQ(OpenFileDialog("*.VCD", "Select Power data", ""), "");
  EXPECT_EQ(S.LoadFailed, True);
  // An empty start path keeps the one before.
  EXPECT_EQ(windows.dialogs.back().initial, "/start/CAR.WCD");
  EXPECT_EQ(windows.dialogs.back().look.picture, FilePicture::Engine);
  // The picture follows the pattern, then the title.
  windows.answers = {{""}, {""}, {""}};
  OpenFileDialog("*.*", "Select Engine data", "");
  OpenFileDialog("*", "Select an image", "");
  OpenFileDialog("*.wcd", "Power", "");
  EXPECT_EQ(windows.dialogs[4].look.picture, FilePicture::Engine);
  EXPECT_EQ(windows.dialogs[5].look.picture, FilePicture::File);
  EXPECT_EQ(windows.dialogs[6].look.picture, FilePicture::Chassis);
}

TEST_F(FileDialogTest, SaveOffersTheDescriptionOfTheFileBeingWritten) {
  S.VehicleFileDescription = "  ";
  S.PowerFileDescription = "Engine desc";
  windows.answers = {{"/d/car.WCD", "typed"}};
  EXPECT_EQ(SaveFileDialog("*.WCD", "Save Vehicle Data", "/d/old.WCD"), "/d/car.WCD");
  EXPECT_EQ(windows.dialogs[0].descriptionShown, "Engine desc");  // the vehicle has none
  EXPECT_TRUE(windows.dialogs[0].editable);
  EXPECT_EQ(windows.dialogs[0].look.button, "Save");
  EXPECT_EQ(S.DataDescription, "typed");

  S.VehicleFileDescription = "Car desc";
  S.PowerFileDescription = "";
  windows.answers = {{"/d/e.VCD"}};
  SaveFileDialog("*.VCD", "Save Power Data", "");
  EXPECT_EQ(windows.dialogs[1].descriptionShown, "Car desc");
  EXPECT_EQ(windows.dialogs[1].look.picture, FilePicture::Engine);

  S.DataDescription = "kept";
  windows.answers = {{""}};
  EXPECT_EQ(SaveFileDialog("*.*", "Save Performance Data to File", ""), "");
  EXPECT_EQ(windows.dialogs[2].look.button, "Select");
  EXPECT_EQ(windows.dialogs[2].descriptionShown, "kept");
  EXPECT_TRUE(seam.asked.empty());  // no existence or overwrite question

  // A name holding a wildcard is refused in the words for a missing file.
  windows.answers = {{"/d/c?r.WCD"}, {"/d/car.WCD"}};
  EXPECT_EQ(SaveFileDialog("*.WCD", "Save Vehicle Data", ""), "/d/car.WCD");
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "File /d/c?r.WCD not found");
}

}  // namespace
}  // namespace kestrelon
