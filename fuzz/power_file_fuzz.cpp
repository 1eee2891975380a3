// The power file reader on any bytes; a file it accepts, written back and read again, gives the
// same curves (to the seven digits the file keeps), span, peaks, trimmed titles and description
// (a NUL in them written as a blank).
#include <cmath>

#include "core/numbers.h"
#include "core/state.h"
#include "files/power_file.h"
#include "fuzz_support.h"

using namespace kestrelon;

namespace {

bool Close(Single a, Single b) { return std::fabs(a - b) <= 1e-6f * std::fmax(std::fabs(a), std::fabs(b)); }

struct PowerModel {
  CurveTable curve;
  PeakSummary summary;
  std::array<std::string, CurveColumns> titles;
  Integer minIndex, maxIndex, maxPower;
  std::string description;

  static PowerModel Now() {
    PowerModel m{S.PowerCurve,   S.EngineSummary, {}, S.MinRPMIndex, S.MaxRPMIndex, S.PowerMaxPower,
                 Trim(fuzz::AsWritten(S.DataDescription))};
    for (int c = 0; c < CurveColumns; ++c) m.titles[c] = Trim(fuzz::AsWritten(S.PowerDescript[c]));
    return m;
  }
  bool SameAs(const PowerModel& o) const {
    for (int c = 0; c < CurveColumns; ++c) {
      for (int r = 0; r < CurveRows; ++r)
        if (!Close(curve[c][r], o.curve[c][r])) return false;
      for (int k = 0; k < 4; ++k)
        if (!Close(summary[c][k], o.summary[c][k])) return false;
    }
    // The whole peak power may step by one where the seventh digit rounds across a half.
    return titles == o.titles && minIndex == o.minIndex && maxIndex == o.maxIndex &&
           std::abs(maxPower - o.maxPower) <= 1 && description == o.description;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshModel();
  LoadPowerFile(fuzz::WriteScratch("in.VCD", fuzz::AsText(data, size)));
  if (S.LoadFailed != False) return 0;
  for (const auto& column : S.PowerCurve)
    for (const Single v : column) fuzz::Check(std::isfinite(v) && std::fabs(v) <= 1e7f, "a read torque is finite and bounded");
  fuzz::Check(std::isfinite(S.EngineSummary[0][2]), "the peak power is finite");

  const PowerModel read = PowerModel::Now();
  const std::string copy = fuzz::ScratchPath("copy.VCD");
  fuzz::Check(WritePowerFile(copy).ok(), "an accepted power file can be written");

  fuzz::FreshModel();
  LoadPowerFile(copy);
  fuzz::Check(S.LoadFailed == False, "a written power file is accepted");
  fuzz::Check(PowerModel::Now().SameAs(read), "a written power file reads back the same model");
  return 0;
}
