#pragma once
// A vehicle, power or library file that a save killed in the middle left only beside its own
// name, as "<name>.old~", is put back under its name before the program opens it: the racer finds
// the file where it was.

#include <string>

namespace kestrelon {

// Puts the old content back when the file at path is missing and one was left beside it; when
// it cannot be, the racer is told why.
void PutBackLeftOverFile(const std::string& path);

}  // namespace kestrelon
