#pragma once
// The windows and main-bar items the file commands reach without knowing them: the windows
// fill these at start-up; a hook still empty does nothing (the file dialog then hands back
// nothing, the example chooser chooses nothing).

#include <functional>
#include <string>

namespace kestrelon {

// The picture beside the dialog's lists: what kind of file is being picked.
enum class FilePicture { Chassis, Engine, File };

// How the caller wants the file dialog to look.
struct FileDialogLook {
  std::string title;
  std::string button;  // "Open", "Save" or "Select"
  FilePicture picture = FilePicture::File;
};

struct FileWindowHooks {
  // Shows the file dialog modal, set up from the FileDialog fields and DataDescription; it
  // leaves the chosen path in FileDialogResult ("" and LoadFailed when cancelled).
  std::function<void(const FileDialogLook&)> ShowFileDialog;
  // Shows the example chooser modal; the chosen example's key, "" when cancelled.
  std::function<std::string()> ChooseExample;
  // Unloads a window by its form name when it is loaded.
  std::function<void(const std::string&)> UnloadForm;
  // Enables the main bar's menus that need a vehicle.
  std::function<void()> EnableVehicleMenus;
  // Enables or disables File > Reload Baseline Data.
  std::function<void(bool)> EnableBaselineMenu;
  // Sets the tooltip of one icon of the main bar's strip.
  std::function<void(int, const std::string&)> SetIconTip;
  // Clears the run graph options' "Show Baseline data" box.
  std::function<void()> ClearBaselineCheck;
  // File > Exit: asks the exit question.
  std::function<void()> FileExit;
};

extern FileWindowHooks FileWindows;

}  // namespace kestrelon
