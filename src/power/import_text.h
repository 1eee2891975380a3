#pragma once
// What the curve imports share in reading another program's export: the file's bytes as they
// are, and numbers held inside the range of a Single.

#include <string>

#include "core/numbers.h"

namespace kestrelon {

// The whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// A number read from a file, held inside the range of a Single.
Single ToSingle(double x);

}  // namespace kestrelon
