#pragma once
// Reading the program's own text files. Lines may end in CR LF, CR or LF; the bytes of each line
// are kept as they are (Windows-1252 text stays undecoded). Writes go through the whole-file
// commit of platform/whole_file.h.

#include <optional>
#include <string>
#include <vector>

#include "platform/whole_file.h"

namespace kestrelon {

// The whole content of a file; nothing when it cannot be read, is no normal file (a folder, a
// device) or is larger than mostBytes, after the racer has been told why under the title
// (TellFileError): a file error is never taken for a file with bad content. Running out of
// memory on the way is told as the file error it is, and loses nothing.
std::optional<std::string> ReadWholeFile(const std::string& path, const std::string& title,
                                         std::size_t mostBytes = MostFileBytes);

// The first lines of a text file, at most mostLines of them, without their line ends, read as
// ReadWholeFile reads; what follows them is not kept. A byte-order mark in front of the first line
// is not part of it. A last line without a line end counts; a file that ends with a line end has no
// empty line after it.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, const std::string& title,
                                                      std::size_t mostLines);

// Where the power file of a vehicle file is found: the vehicle path with its extension
// replaced by "VCD", or by an existing file of that name whose extension differs only in
// case. Empty when the vehicle path has no extension.
std::string PowerFileBeside(const std::string& vehiclePath);

}  // namespace kestrelon
