// The file dialog on screen: the search as the user types, names that take the pattern's
// extension, entries with several dots, the Open button before the first paint, and the
// dialogs a load or a save of a vehicle takes.
#include <QComboBox>
#include <filesystem>
#include <tuple>

#include "core/ui/form1.h"
#include "file_window_fixture.h"
#include "files/file_dialog.h"
#include "files/file_commands.h"
#include "files/vehicle_io.h"
#include "platform/qt/text.h"
#include "support/failing_file_system.h"

namespace kestrelon::test {
namespace {

class FileDialogWindow : public FileWindowTest {
 protected:
  // A dialog for the pattern, set up as OpenFileDialog sets it up, opened on the test folder.
  void Open(FrmFileOpen& dialog, const char* pattern, bool editable = false) {
    S.FileDialogPattern = pattern;
    S.FileDialogInitial = folder.file("");
    S.FileDialogDescEditable = editable ? True : False;
    dialog.Load();
    dialog.SetUp({"Select Vehicle data", editable ? "Save" : "Open", FilePicture::Chassis});
    ShowAndPaint(&dialog);
  }
};

TEST_F(FileDialogWindow, TypingSearchesTheListAndKeepsWhatWasTyped) {
  for (const char* name : {"ACE.WCD", "HAYA.WCD", "hawk.WCD", "other.VCD"}) folder.write(name, "");
  FrmFileOpen dialog;
  Open(dialog, "*.WCD");
  EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"ACE.WCD", "HAYA.WCD", "hawk.WCD"}));
  QTest::keyClicks(dialog.FileName, "HA");
  EXPECT_EQ(std::tuple(dialog.Filist->currentRow(), dialog.FileName->text()), std::tuple(1, QStringLiteral("HA")));
  QTest::keyClick(dialog.FileName, Qt::Key_Down);
  EXPECT_EQ(dialog.FileName->text(), QStringLiteral("HAYA"));
  QTest::keyClick(dialog.FileName, Qt::Key_Backspace);
  QTest::keyClick(dialog.FileName, Qt::Key_Backspace);
  QTest::mouseClick(dialog.OpenButton, Qt::LeftButton);
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(std::tie(S.FileDialogResult, S.FileDialogLastName), std::tuple(folder.file("HA.WCD"), "HA"));
}

TEST_F(FileDialogWindow, ClickedEntriesShowAndOpenAsTheFileTheyAre) {
  folder.write("RACE.WCD", "//*Race car\r\n");
  folder.write("my.car.WCD", "");
  FrmFileOpen dialog;
  Open(dialog, "*.WCD");
  ASSERT_EQ(dialog.Entries(), (std::vector<std::string>{"RACE.WCD", "my.car.WCD"}));
  dialog.Filist->setCurrentRow(0);
  EXPECT_EQ(std::tuple(dialog.FileName->text(), dialog.File_Descript->text(), S.FileDialogResult),
            std::tuple(QStringLiteral("RACE"), QStringLiteral("Race car"), folder.file("RACE.WCD")));
  dialog.Filist->setCurrentRow(1);
  EXPECT_EQ(dialog.FileName->text(), QStringLiteral("my.car"));
  QTest::keyClick(dialog.FileName, Qt::Key_Return);
  EXPECT_EQ(S.FileDialogResult, folder.file("my.car.WCD"));
}

TEST_F(FileDialogWindow, ChosenFolderAndItsParentListTheirFiles) {
  std::filesystem::create_directory(folder.file("cars"));
  folder.write("cars/A.WCD", "");
  folder.write("TOP.WCD", "");
  FrmFileOpen dialog;
  Open(dialog, "*.WCD");
  dialog.Dirlist_Change(QStringLiteral("cars"));
  EXPECT_EQ(dialog.Entries(), std::vector<std::string>{"A.WCD"});
  dialog.Dirlist_Change(QStringLiteral(".."));
  EXPECT_EQ(dialog.Entries(), std::vector<std::string>{"TOP.WCD"});
}

// The drive list is read from the mount table alone: a share whose server has stopped answering
// is listed by its name, and the folder's own volume is the drive shown.
TEST_F(FileDialogWindow, TheDriveListIsTheMountTable) {
  struct GivenMountTable : FailingFileSystem {
    std::string table;
    int Read(const std::string& path, std::string& bytes, std::size_t mostBytes) override {
      if (path != "/proc/self/mounts") return FailingFileSystem::Read(path, bytes, mostBytes);
      bytes = table;
      return 0;
    }
  } mounts;
  const std::string here = folder.file("");
  mounts.table = "/dev/sda1 / ext4 rw 0 0\nserver:/cars /net/dead\\040share nfs rw,hard 0 0\nproc /proc proc rw 0 0\n"
                 "tmpfs " + here.substr(0, here.size() - 1) + " tmpfs rw 0 0\n";
  FrmFileOpen dialog;
  Open(dialog, "*.WCD");
  QStringList drives;
  for (int i = 0; i < dialog.Drvlist->count(); ++i) drives << dialog.Drvlist->itemText(i);
  EXPECT_EQ(drives.join('|').toStdString(), "/|/net/dead share/|" + here);
  EXPECT_EQ(dialog.Drvlist->currentIndex(), 2);
}

TEST_F(FileDialogWindow, OpenBeforeTheFirstPaintDoesNothing) {
  folder.write("CAR.WCD", "");
  S.FileDialogPattern = "*.WCD";
  S.FileDialogLastName = "CAR";
  FrmFileOpen dialog;
  dialog.Load();
  dialog.SetUp({"Select Vehicle data", "Open", FilePicture::Chassis});
  dialog.OpenButton_Click();
  EXPECT_EQ(std::tuple(dialog.IsLoaded(), S.FileDialogResult), std::tuple(true, ""));
  dialog.CancelButton_Click();
  EXPECT_EQ(S.LoadFailed, True);
}

TEST_F(FileDialogWindow, ATypedNameReplacesTheOfferedOneUnderThePatternsExtension) {
  folder.write("OLD.WCD", "");
  DialogDriver driver;
  driver.actions = {[](FrmFileOpen& dialog) {
    EXPECT_EQ(dialog.OpenButton->text(), QStringLiteral("Save"));
    EXPECT_FALSE(dialog.File_Descript->isReadOnly());
    dialog.File_Descript->setText(QString::fromLatin1("Old\0car\n", 8));  // its file line: blanks
    EXPECT_EQ(dialog.FileName->text(), QStringLiteral("OLD"));
    QTest::keyClicks(dialog.FileName, "car.old");
    EXPECT_EQ(dialog.FileName->text(), QStringLiteral("car.old"));
    QTest::keyClick(dialog.FileName, Qt::Key_Return);
  }};
  EXPECT_EQ(SaveFileDialog("*.WCD", "Save Vehicle Data", folder.file("OLD.WCD")), folder.file("car.WCD"));
  EXPECT_EQ(std::tuple(S.DataDescription, driver.shown), std::tuple("Old car", 1));
}

TEST_F(FileDialogWindow, VehicleWithItsPowerFileBesideItAsksOnce) {
  ExamplePair("HAYABUSA", "CAR");
  DialogDriver driver;
  driver.actions = {TypeAndOpen(QStringLiteral("CAR"))};
  EXPECT_TRUE(FileVehicle());
  EXPECT_EQ(std::tuple(driver.shown, S.PowerFileName), std::tuple(1, folder.file("CAR.VCD")));
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Data successfully loaded");
  // The automatic pass went through every form.
  EXPECT_EQ(std::tuple(S.VehicleLoadDone, S.DataLoaded), std::tuple(True, True));
}

TEST_F(FileDialogWindow, SavingUnderTheLastNameAsksNothingForThePowerFile) {
  GoldenPair(folder, "CAR");
  Cfg.LastChassis = folder.file("CAR.WCD");
  Cfg.LastPower = folder.file("CAR.VCD");
  S.VehicleFileDescription = "Golden car";
  DialogDriver driver;
  driver.actions = {[](FrmFileOpen& dialog) {
    EXPECT_EQ(dialog.FileName->text(), QStringLiteral("CAR"));  // from the start path
    EXPECT_EQ(dialog.File_Descript->text(), QStringLiteral("Golden car"));
    QTest::mouseClick(dialog.OpenButton, Qt::LeftButton);
  }};
  ui.answers = {Msg::Yes};
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Saved);
  EXPECT_EQ(std::tuple(driver.shown, S.DataSaved), std::tuple(1, True));
  ASSERT_EQ(ui.asked.size(), 1u);  // one question for the pair
  EXPECT_EQ(ui.asked[0].text, Cfg.LastChassis + " and " + Cfg.LastPower + " already exist. Do you want to replace them?");
  // Both files written under the last names, each with the description.
  for (const char* name : {"CAR.VCD", "CAR.WCD"})
    EXPECT_EQ(TempFolder::read(folder.file(name)).substr(0, 15), "//*Golden car\r\n") << name;
}

// File > Exit, saving first over the last pair's names: No to replacing them, then Cancel in
// the dialog that comes back, keeps the program and the old pair.
TEST_F(FileDialogWindow, AtExitNoToReplacingThenCancelKeepsTheProgramAndTheOldPair) {
  Cfg.LastChassis = GoldenPair(folder, "CAR");
  Cfg.LastPower = folder.file("CAR.VCD");
  const std::string vehicle = TempFolder::read(Cfg.LastChassis), power = TempFolder::read(Cfg.LastPower);
  auto bar = std::make_unique<Form1>();
  bar->Load();
  S.DataSaved = False;
  ui.answers = {Msg::Yes, Msg::No};  // save first; do not replace
  DialogDriver driver;
  driver.actions = {[](FrmFileOpen& dialog) { QTest::mouseClick(dialog.OpenButton, Qt::LeftButton); }};
  bar->mnuFileExit_Click();  // the dialog comes back and is cancelled
  EXPECT_EQ(std::tuple(bar->IsLoaded(), S.CancelFlag, driver.shown, S.DataSaved), std::tuple(true, 0, 2, False));
  EXPECT_EQ(std::tuple(TempFolder::read(Cfg.LastChassis), TempFolder::read(Cfg.LastPower)), std::tuple(vehicle, power));
  ASSERT_EQ(ui.asked.size(), 3u);
  EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[2].text),
            std::tuple("Would you like to save data first?", "Save of Vehicle Data cancelled"));
}

// Leaves the dialog the way named, with the focus in the name box as a racer leaves it.
std::function<void(FrmFileOpen&)> LeaveFromTheNameBox(const std::string& how) {
  return [how](FrmFileOpen& dialog) {
    dialog.FileName->setFocus();
    ASSERT_TRUE(dialog.FileName->hasFocus());
    if (how == "Esc") {
      QTest::keyClick(dialog.FileName, Qt::Key_Escape);
    } else if (how == "close box") {
      dialog.close();
    } else {
      QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    }
  };
}

TEST_F(FileDialogWindow, EscCloseBoxAndCancelWriteAndLoadNothing) {
  for (const std::string how : {"Esc", "close box", "Cancel"}) {
    SCOPED_TRACE(how);
    // Save: the old files are the start names, and nothing is written over them.
    const std::string old = GoldenPair(folder, "CAR");
    const std::string before = TempFolder::read(old);
    Cfg.LastChassis = old;
    S.DataDescription.clear();
    ui.asked.clear();
    {
      DialogDriver driver;
      driver.actions = {LeaveFromTheNameBox(how)};
      EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Cancelled);
      EXPECT_EQ(driver.shown, 1);
    }
    EXPECT_EQ(TempFolder::read(old), before);
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].text, "Save of Vehicle Data cancelled");

    // Open: the vehicle offered by the start path is not loaded.
    S.VehicleData = VehicleTable{};
    DialogDriver driver;
    driver.actions = {LeaveFromTheNameBox(how)};
    EXPECT_EQ(OpenFileDialog("*.WCD", "Select Vehicle data", old), "");
    EXPECT_EQ(std::tuple(S.LoadFailed, driver.shown), std::tuple(True, 1));
  }
}

TEST_F(FileDialogWindow, AMistypedFolderGivesOneMessageAndTheDialogBack) {
  DialogDriver driver;
  driver.actions = {[](FrmFileOpen& dialog) {
                      dialog.FileName->setFocus();
                      QTest::keyClicks(dialog.FileName, "nofolder/CAR");
                      QTest::mouseClick(dialog.OpenButton, Qt::LeftButton);
                    },
                    LeaveFromTheNameBox("Esc")};
  EXPECT_EQ(OpenFileDialog("*.WCD", "Select Vehicle data", folder.file("")), "");
  EXPECT_EQ(driver.shown, 2);
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Drive or path does not exist");
}

}  // namespace
}  // namespace kestrelon::test
