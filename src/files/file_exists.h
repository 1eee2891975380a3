#pragma once
// Looking at a file on disk before it is read: whether it is there, and its description line.

#include <string>

#include "core/file_error_text.h"

namespace kestrelon {

// What looking a file up found: the file, no such file (in a folder that exists), or a failure
// the look-up has already told the racer about.
enum class LookUpOutcome { Found, Missing, Told };

// The look-up of FileExists, telling which way it went.
LookUpOutcome LookUpFile(const std::string& path);

// True when the path names an existing normal file; hidden (dot) files count as missing. A path whose folder or device is missing
// says so ("Drive or path does not exist"), a device without its medium asks for it; any other
// failure of the look-up is shown as an unexpected error. Each of these gives False.
bool FileExists(const std::string& path);

// The same look-up without any message.
bool FileExistsQuietly(const std::string& path);

// The file a path names on this system, where the file dialog lists a file whatever the case of
// its extension: the path itself when that file exists, else the first file, in name order, of
// the same name with its extension in another case ("car.wcd" for "car.WCD"), else the path
// itself. Says nothing, even when the folder is missing.
std::string FileWithExtensionInAnyCase(const std::string& path);

// The trimmed text after "//*" on the file's first line; "" for an empty path, a missing or
// unreadable file, or a first line that is no description.
std::string ReadFileDescription(const std::string& path);

}  // namespace kestrelon
