#pragma once
// The two ways every file of the program is picked: an existing file to open, or a name to
// write. Both show the program's own file dialog modal and wait for it.

#include <functional>
#include <string>

namespace kestrelon {

// The question a save asks before it replaces a file, and how the racer answered it.
struct ReplaceQuestion {
  // The file a save under the chosen name writes too, with no dialog of its own (the power file
  // that goes with a vehicle file), "" for none: the question names it as well when it exists.
  std::function<std::string(const std::string& chosen)> alsoWritten;
  // The racer answered No: a save that then ends unwritten has kept the old files, and the data
  // in memory are in no file.
  bool declined = false;
};

// The path of an existing file, or "" when the user cancelled. A chosen name that is not an
// existing file is reported ("File ... not found") and the dialog comes back.
std::string OpenFileDialog(const std::string& pattern, const std::string& title,
                           const std::string& initial);

// The path to write, or "" when cancelled. A chosen file that exists (or the file written with
// it) is replaced only when the racer says Yes; No shows the dialog again, as does a name that
// holds a wildcard or a NUL character, after a message. Under a vehicle or power pattern the
// description typed in the dialog is left in DataDescription.
std::string SaveFileDialog(const std::string& pattern, const std::string& title,
                           const std::string& initial, ReplaceQuestion* question = nullptr);

}  // namespace kestrelon
