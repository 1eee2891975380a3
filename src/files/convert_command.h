#pragma once
// File > Convert: reads a vehicle file and its power file and adds them to the vehicle library
// under the vehicle's name. The working vehicle is the same afterwards as before.

#include <string>

namespace kestrelon {

void FileConvert();

}  // namespace kestrelon
