#pragma once
// Makes the file commands reachable at start-up: the main bar's File menu commands, the file
// dialog and the example chooser as the commands show them, the bar's menus and icon tips as
// the commands change them, and the command-line run.

namespace kestrelon {

void RegisterFileWindows();

}  // namespace kestrelon
