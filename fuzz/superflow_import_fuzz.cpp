// The File menu's SuperFlow import on any bytes, into a vehicle with a curve: the first byte
// picks the curve the racer chooses (no nitrous, first or second stage), the rest is the *.SD9
// file. A refused file changes nothing, and what the command accepts a saved power file gives
// back.
#include "curve_import_check.h"
#include "files/power_import_commands.h"
#include "power/superflow_import.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Integer column = static_cast<Integer>(data[0] % CurveColumns);
  SuperFlowChoice.ChooseCurve = [column] { S.CurrentStage = column; };
  fuzz::CheckImportCommand(fuzz::AsText(data + 1, size - 1), FilePowerSuper);
  return 0;
}
