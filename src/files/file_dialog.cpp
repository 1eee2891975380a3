#include "files/file_dialog.h"

#include <filesystem>
#include <vector>

#include "core/numbers.h"
#include "core/program_title.h"
#include "core/state.h"
#include "files/file_dialog_paths.h"
#include "files/file_exists.h"
#include "files/left_over_file.h"
#include "files/file_windows.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"

namespace kestrelon {

namespace {

bool Contains(const std::string& text, const char* part) {
  return UCase(text).find(part) != std::string::npos;
}

// Each command's dialog (known by its title) starts from its own start path and the name last
// confirmed in it: a picture chosen in the setup is never offered as the vehicle's name.
void TakeStart(const std::string& title, const std::string& initial) {
  FileDialogStart& start = S.FileDialogStarts[title];
  if (!initial.empty()) start.initial = initial;
  S.FileDialogInitial = start.initial;
  S.FileDialogLastName = start.lastName;
}

void ShowDialog(const FileDialogLook& look) {
  if (FileWindows.ShowFileDialog) FileWindows.ShowFileDialog(look);
  S.FileDialogStarts[look.title].lastName = S.FileDialogLastName;
}

void TellNotFound(const std::string& path) {
  ui().MsgBox("File " + PathText(path) + " not found", Msg::OKOnly | Msg::Question, ProgramTitle);
}

// A file a write to the path would replace: any regular file, hidden ones too. Says nothing: a
// missing folder is told by the write.
bool FileToReplace(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// True when saving under the chosen name replaces no file, or the racer agrees to replace the
// ones it would.
bool MayReplace(const std::string& chosen, const std::string& title, ReplaceQuestion& question) {
  std::vector<std::string> there;
  for (const std::string& path :
       {chosen, question.alsoWritten ? question.alsoWritten(chosen) : std::string()}) {
    // A file a killed save left beside its name is the racer's file as much as the name's own.
    PutBackLeftOverFile(path);
    if (FileToReplace(path)) there.push_back(PathText(path));
  }
  if (there.empty()) return true;
  const std::string text =
      there.size() == 1 ? there[0] + " already exists. Do you want to replace it?"
                        : there[0] + " and " + there[1] + " already exist. Do you want to replace them?";
  if (ui().MsgBox(text, Msg::YesNo | Msg::Exclamation | Msg::DefaultButton2, title) == Msg::Yes)
    return true;
  question.declined = true;
  return false;
}

}  // namespace

std::string OpenFileDialog(const std::string& pattern, const std::string& title,
                           const std::string& initial) {
  S.FileDialogResult.clear();
  S.FileDialogPattern = pattern;
  FileDialogLook look{title, "Open", FilePicture::File};
  if (Contains(pattern, "WCD")) {
    look.picture = FilePicture::Chassis;
  } else if (Contains(title, "POWER") || Contains(title, "ENGINE")) {
    look.picture = FilePicture::Engine;
  }
  TakeStart(title, initial);
  for (;;) {
    S.FileDialogDescEditable = False;
    ShowDialog(look);
    const std::string& chosen = S.FileDialogResult;
    if (chosen.empty()) return chosen;
    // A name with wildcards would stand for any file it matches: it is no file at all. A
    // missing folder has been told by the look-up: one message for one mistake.
    if (!HoldsWildcard(chosen)) PutBackLeftOverFile(chosen);
    const LookUpOutcome found = HoldsWildcard(chosen) ? LookUpOutcome::Missing : LookUpFile(chosen);
    if (found == LookUpOutcome::Found) return chosen;
    if (found == LookUpOutcome::Missing) TellNotFound(chosen);
  }
}

std::string SaveFileDialog(const std::string& pattern, const std::string& title,
                           const std::string& initial, ReplaceQuestion* question) {
  ReplaceQuestion plain;
  ReplaceQuestion& asked = question ? *question : plain;
  S.FileDialogResult.clear();
  S.FileDialogDescEditable = True;
  S.FileDialogPattern = pattern;
  FileDialogLook look{title, pattern == "*.*" ? "Select" : "Save", FilePicture::File};
  // The description offered is the one of the file being written, else the other one's.
  if (Contains(pattern, "WCD")) {
    look.picture = FilePicture::Chassis;
    S.DataDescription = Trim(S.VehicleFileDescription).empty() ? S.PowerFileDescription
                                                               : S.VehicleFileDescription;
  } else if (Contains(pattern, "VCD")) {
    look.picture = FilePicture::Engine;
    S.DataDescription =
        S.PowerFileDescription.empty() ? S.VehicleFileDescription : S.PowerFileDescription;
  }
  TakeStart(title, initial);
  for (;;) {
    ShowDialog(look);
    const std::string& chosen = S.FileDialogResult;
    if (HoldsWildcard(chosen)) {
      TellNotFound(chosen);
    } else if (chosen.find('\0') != std::string::npos) {
      // The system ends a name at a NUL: the save would write another file, under the name's start.
      ui().MsgBox("A file name cannot hold a NUL character - choose another name", Msg::OKOnly | Msg::Exclamation,
                  title);
    } else if (chosen.empty() || MayReplace(chosen, title, asked)) {
      return chosen;
    }
  }
}

}  // namespace kestrelon
