// The vehicle file reader on any bytes; a file it accepts, written back and read again, gives the
// same texts and description.
#include "core/state.h"
#include "files/vehicle_file.h"
#include "fuzz_support.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshModel();
  LoadVehicleFile(fuzz::WriteScratch("in.WCD", fuzz::AsText(data, size)));
  if (S.LoadFailed != False) return 0;

  const VehicleTable read = S.VehicleData;
  const std::string description = S.DataDescription;
  const std::string copy = fuzz::ScratchPath("copy.WCD");
  fuzz::Check(WriteVehicleFile(copy).ok(), "an accepted vehicle can be written");

  fuzz::FreshModel();
  LoadVehicleFile(copy);
  fuzz::Check(S.LoadFailed == False, "a written vehicle file is accepted");
  fuzz::Check(S.VehicleData == read, "a written vehicle file reads back the same texts");
  fuzz::Check(S.DataDescription == description, "a written vehicle file keeps its description");
  return 0;
}
