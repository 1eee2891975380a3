#pragma once
// File > Convert: reads a vehicle file and its power file and adds them to the vehicle library
// under the vehicle's name. The working vehicle is the same afterwards as before.

#include <string>

namespace kestrelon {

void FileConvert();

// The vehicle's name in the library: the file name without its folder, cut before its first
// "." when that is not its first character.
std::string LibraryVehicleName(const std::string& path);

}  // namespace kestrelon
