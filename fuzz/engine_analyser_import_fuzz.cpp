// The Engine Analyser reader on any bytes: every reading it keeps lies on a row of the curve, no
// higher than the top row asked for, with a finite torque, and a refused file keeps no reading.
#include <cmath>

#include "fuzz_support.h"
#include "power/engine_analyser_import.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr Integer maxRow = 150;
  const EngineAnalyserData read = ReadEngineAnalyserExport(fuzz::AsText(data, size), maxRow);
  fuzz::Check(!read.refused || read.readings.empty(), "a refused file keeps no reading");
  for (const EngineAnalyserReading& r : read.readings) {
    fuzz::Check(r.row >= 1 && r.row <= maxRow, "a reading lies on a row of the curve");
    fuzz::Check(std::isfinite(r.torque), "a reading's torque is a number");
  }
  return 0;
}
