#pragma once
// The vehicle file (*.WCD): an optional "//*" description line, the 200 texts of groups 1..10
// (items 1..20 each), then the 20 texts of group 0. Texts are stored exactly as typed.

#include <string>

#include "files/text_file.h"

namespace kestrelon {

// Reads the vehicle file at path into VehicleData. A file that ends before the 200 texts of
// groups 1..10, whose texts hold a NUL byte, or that begins with a UTF-16 byte-order mark or two
// UTF-8 ones, is rejected with a message; the texts in memory then stay as they were and
// LoadFailed is set.
void LoadVehicleFile(const std::string& path);

// The content of a vehicle file holding VehicleData, with DataDescription as its description
// (which becomes VehicleFileDescription). A first text that begins like a description line or
// a byte-order mark gets an empty description line before it, so that it reads back as a text.
std::string VehicleFileContent();

// Writes VehicleFileContent to a vehicle file at path.
FileWriteResult WriteVehicleFile(const std::string& path);

// The vehicle's name taken from its file's path, as program text: the file's own name without
// its folder, cut before its first "." when that is not its first character.
std::string VehicleNameOfFile(const std::string& path);

// The message shown for a rejected vehicle or power file.
std::string InvalidFileText(const std::string& path);

}  // namespace kestrelon
