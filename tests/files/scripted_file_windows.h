#pragma once
// Stand-ins for the windows the file commands reach (and none of the entry's windows): a file dialog that answers from a queue
// and records how it was asked, an example chooser, and a record of windows closed, menus
// enabled, icon tips and exits.

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/commands.h"
#include "core/state.h"
#include "entry/form_openers.h"
#include "files/file_windows.h"

namespace kestrelon::test {

struct DialogAnswer {
  DialogAnswer(std::string p = {}, std::string d = {})
      : path(std::move(p)), description(std::move(d)) {}
  std::string path;         // "" = the user cancelled
  std::string description;  // typed into the description box (saving)
};

struct DialogCall {
  FileDialogLook look;
  std::string pattern, initial, descriptionShown, lastName;
  bool editable = false;
};

class ScriptedFileWindows {
 public:
  std::deque<DialogAnswer> answers;
  std::vector<DialogCall> dialogs;
  std::string exampleKey;  // what the chooser chooses
  int chooserShown = 0;
  std::vector<std::string> unloaded;
  int menusEnabled = 0;
  std::vector<bool> baselineMenu;
  std::map<int, std::string> tips;
  int baselineChecksCleared = 0;
  int exits = 0;

  ScriptedFileWindows() {
    // The data entry runs as far as it can without windows: no curve entry, no data forms.
    Hooks = CommandHooks{};
    for (EntryForm form : {EntryForm::Chassis, EntryForm::Tyre, EntryForm::Aero, EntryForm::Gears,
                           EntryForm::Nitrous, EntryForm::Clutch, EntryForm::Inertia,
                           EntryForm::Throttle, EntryForm::RunSetup})
      SetFormOpener(form, {});
    FileWindows.ShowFileDialog = [this](const FileDialogLook& look) {
      dialogs.push_back({look, S.FileDialogPattern, S.FileDialogInitial, S.DataDescription,
                         S.FileDialogLastName, S.FileDialogDescEditable != False});
      const DialogAnswer answer = answers.empty() ? DialogAnswer{} : answers.front();
      if (!answers.empty()) answers.pop_front();
      S.FileDialogResult = answer.path;
      S.FileDialogLastName = answer.path.substr(answer.path.rfind('/') + 1);
      if (answer.path.empty()) {
        S.LoadFailed = True;
      } else if (S.FileDialogDescEditable) {
        S.DataDescription = answer.description;
      }
    };
    FileWindows.ChooseExample = [this] {
      ++chooserShown;
      return exampleKey;
    };
    FileWindows.UnloadForm = [this](const std::string& name) { unloaded.push_back(name); };
    FileWindows.EnableVehicleMenus = [this] { ++menusEnabled; };
    FileWindows.EnableBaselineMenu = [this](bool on) { baselineMenu.push_back(on); };
    FileWindows.SetIconTip = [this](int icon, const std::string& tip) { tips[icon] = tip; };
    FileWindows.ClearBaselineCheck = [this] { ++baselineChecksCleared; };
    FileWindows.FileExit = [this] { ++exits; };
  }
  ~ScriptedFileWindows() {
    FileWindows = FileWindowHooks{};
    Hooks = CommandHooks{};
  }
  ScriptedFileWindows(const ScriptedFileWindows&) = delete;
  ScriptedFileWindows& operator=(const ScriptedFileWindows&) = delete;
};

}  // namespace kestrelon::test
