#include "files/ui/file_command_windows.h"

#include <QAction>
#include <QCheckBox>
#include <QInputDialog>

#include "core/commands.h"
#include "core/ui/form1.h"
#include "files/baseline.h"
#include "files/example_command.h"
#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "files/file_windows.h"
#include "files/ui/FrmFileOpen.h"
#include "files/ui/frmExample.h"
#include "files/vehicle_io.h"
#include "files/convert_command.h"
#include "files/power_import_commands.h"
#include "files/xml_library.h"
#include "platform/qt/qt_xml_document.h"
#include "platform/qt/text.h"

namespace kestrelon {

namespace {

void ShowFileDialog(const FileDialogLook& look) {
  FrmFileOpen dialog;
  dialog.Load();
  dialog.SetUp(look);
  dialog.ShowModal();
}

std::string ChooseExample() {
  frmExample chooser;
  chooser.ShowModal();
  return chooser.ChosenKey();
}

void UnloadForm(const std::string& formName) {
  if (Form* form = Form::FindLoaded(QString::fromStdString(formName))) form->Unload();
}

void EnableVehicleMenus() {
  Form1* bar = Form1::Instance();
  if (!bar) return;
  for (QAction* menu : {bar->mnuFile, bar->mnuFilePower, bar->mnuFileChassis, bar->mnuSetup,
                        bar->mnuFileSave, bar->mnuData, bar->mnuCalc, bar->mnuDisplay,
                        bar->mnuHelpAbout})
    menu->setEnabled(true);
}

void EnableBaselineMenu(bool enabled) {
  if (Form1* bar = Form1::Instance()) bar->mnuFileBaseline->setEnabled(enabled);
}

void SetIconTip(int icon, const std::string& tip) {
  if (Form1* bar = Form1::Instance()) bar->IconTips[static_cast<std::size_t>(icon)] = tip;
}

// The run graph options' "Show Baseline data" box, when its window is loaded: cleared and
// hidden, as there is no baseline left to show.
void ClearBaselineCheck() {
  if (Form* options = Form::FindLoaded(QStringLiteral("frmSimDisplay")))
    if (auto* box = options->findChild<QCheckBox*>(QStringLiteral("CheckBaseline"))) {
      box->setChecked(false);
      box->setVisible(false);
    }
}

void FileExit() {
  if (Form1* bar = Form1::Instance()) bar->mnuFileExit_Click();
}

}  // namespace

void RegisterFileWindows() {
  FileWindows.ShowFileDialog = ShowFileDialog;
  FileWindows.ChooseExample = ChooseExample;
  FileWindows.UnloadForm = UnloadForm;
  FileWindows.EnableVehicleMenus = EnableVehicleMenus;
  FileWindows.EnableBaselineMenu = EnableBaselineMenu;
  FileWindows.SetIconTip = SetIconTip;
  FileWindows.ClearBaselineCheck = ClearBaselineCheck;
  FileWindows.FileExit = FileExit;

  Hooks.FileExample = FileExample;
  Hooks.FileNew = FileNew;
  Hooks.FileVehicle = [] { FileVehicle(); };
  Hooks.FileChassis = FileChassis;
  Hooks.FilePowerVCAL = FilePowerVCAL;
  Hooks.FileSave = FileSave;
  Hooks.FileBaseline = FileBaseline;
  Hooks.OpenFileDialog = OpenFileDialog;
  Hooks.SaveVehicleAndPower = SaveVehicleAndPower;
  Hooks.FilePowerSuper = FilePowerSuper;
  Hooks.FilePowerEA = FilePowerEA;
  Hooks.FileConvert = FileConvert;
  UseQtXmlDocument();
  LibraryAsk.InputBox = [](const std::string& prompt, const std::string& title) {
    return StdText(QInputDialog::getText(nullptr, QText(title), QText(prompt)));
  };
}

}  // namespace kestrelon
