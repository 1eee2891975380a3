#include "files/file_windows.h"

namespace kestrelon {

FileWindowHooks FileWindows;

}  // namespace kestrelon
