#pragma once
// The two ways every file of the program is picked: an existing file to open, or a name to
// write. Both show the program's own file dialog modal and wait for it.

#include <string>

namespace kestrelon {

// The path of an existing file, or "" when the user cancelled. A chosen name that is not an
// existing file is reported ("File ... not found") and the dialog comes back.
std::string OpenFileDialog(const std::string& pattern, const std::string& title,
                           const std::string& initial);

// The path to write, or "" when cancelled; no existence test and no overwrite question. Under a
// vehicle or power pattern the description typed in the dialog is left in DataDescription.
std::string SaveFileDialog(const std::string& pattern, const std::string& title,
                           const std::string& initial);

}  // namespace kestrelon
