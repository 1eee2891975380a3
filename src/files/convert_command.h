#pragma once
// File > Convert: reads a vehicle file and its power file and adds them to the vehicle library
// under the vehicle's name. The working vehicle is the same afterwards as before.

#include <cstddef>

#include "platform/whole_file.h"

namespace kestrelon {

void FileConvert();

// The command with the library held to mostBytes: a library file of more, or of more elements
// than real vehicles fill it with, is refused unread as too large, and so is one that would grow
// past mostBytes.
void FileConvertWithin(std::size_t mostBytes);

}  // namespace kestrelon
