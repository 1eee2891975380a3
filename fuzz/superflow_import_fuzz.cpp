// The SuperFlow reader on any bytes: at most 101 readings, each a pair of numbers.
#include <cmath>

#include "fuzz_support.h"
#include "power/superflow_import.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const SuperFlowData read = ReadSuperFlowExport(fuzz::AsText(data, size));
  fuzz::Check(read.readings.size() <= SuperFlowMaxReadings, "at most 101 readings are read");
  for (const SuperFlowReading& r : read.readings)
    fuzz::Check(std::isfinite(r.RPM) && std::isfinite(r.torque), "a reading is a pair of numbers");
  return 0;
}
