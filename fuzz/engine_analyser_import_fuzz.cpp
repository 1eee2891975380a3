// The File menu's Engine Analyser import on any bytes, into a vehicle with a curve: a refused
// file changes nothing, and what the command accepts (readings joined by straight lines) a saved
// power file gives back.
#include "curve_import_check.h"
#include "files/power_import_commands.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::CheckImportCommand(fuzz::AsText(data, size), FilePowerEA);
  return 0;
}
