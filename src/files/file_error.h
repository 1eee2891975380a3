#pragma once
// How the file commands tell the racer that a file could not be read or written: a drive without
// its medium asks for it, a missing folder or device says so, and every other error is an
// unexpected one, told with the system's number and reason.

#include <string>

#include "platform/whole_file.h"

namespace kestrelon {

// Tells why, under the title ("Insert a disk in the drive", "Drive or path does not exist") or
// the unexpected error's own title, followed by more when there is more to know. True when the
// racer asks to try again (a drive that was not ready).
bool TellFileError(const FileWriteResult& result, const std::string& title, const std::string& unexpectedTitle,
                   const std::string& more = {});

}  // namespace kestrelon
