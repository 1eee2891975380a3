#include "files/file_dialog.h"

#include "core/numbers.h"
#include "core/program_title.h"
#include "core/state.h"
#include "files/file_dialog_paths.h"
#include "files/file_exists.h"
#include "files/file_windows.h"
#include "platform/ui_seam.h"

namespace kestrelon {

namespace {


bool Contains(const std::string& text, const char* part) {
  return UCase(text).find(part) != std::string::npos;
}

void ShowDialog(const FileDialogLook& look) {
  if (FileWindows.ShowFileDialog) FileWindows.ShowFileDialog(look);
}

void TellNotFound(const std::string& path) {
  ui().MsgBox("File " + path + " not found", Msg::OKOnly | Msg::Question, ProgramTitle);
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
  if (!initial.empty()) S.FileDialogInitial = initial;
  for (;;) {
    S.FileDialogDescEditable = False;
    ShowDialog(look);
    const std::string& chosen = S.FileDialogResult;
    // A name with wildcards would stand for any file it matches: it is no file at all.
    if (!chosen.empty() && (HoldsWildcard(chosen) || !FileExists(chosen))) {
      TellNotFound(chosen);
      continue;
    }
    return chosen;
  }
}

std::string SaveFileDialog(const std::string& pattern, const std::string& title,
                           const std::string& initial) {
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
  if (!initial.empty()) S.FileDialogInitial = initial;
  for (;;) {
    ShowDialog(look);
    if (!HoldsWildcard(S.FileDialogResult)) return S.FileDialogResult;
    TellNotFound(S.FileDialogResult);
  }
}

}  // namespace kestrelon
