#pragma once
// A fingerprint of everything a run leaves for the rest of the program: the recorded channels at
// every point, the gear and wheelie records and the timing ticket. Two runs with the same
// fingerprint left the same bits.

#include <cstdint>
#include <cstring>

#include "core/state.h"
#include "simulation/timing_points.h"

namespace kestrelon::test {

class Fnv1a {
 public:
  template <typename T>
  void Add(const T& value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 1099511628211ull;
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 14695981039346656037ull;
};

inline std::uint64_t RunFingerprint() {
  CalcTimingPoints();
  Fnv1a h;
  h.Add(S.PointCount);
  for (int channel = 0; channel < RunChannelCount; ++channel)
    for (int point = 0; point <= S.PointCount; ++point) h.Add(S.RunResults[channel][CurrentRun][point]);
  for (int g = 0; g < 11; ++g) {
    h.Add(S.GearEngagedTime[CurrentRun][g]);
    h.Add(S.GearEngagedRPM[CurrentRun][g]);
  }
  h.Add(S.WheelieCount[CurrentRun]);
  for (int n = 1; n <= S.WheelieCount[CurrentRun] && n <= 10; ++n) h.Add(S.WheelieTime[CurrentRun][n]);
  for (Single figure : {S.RunRolloutTime, S.Time60ft, S.Speed60ft, S.Time330ft, S.Speed330ft, S.Time660ft,
                        S.Speed660ft, S.Time1320ft, S.Speed1320ft, S.TimeSimDistance, S.SpeedSimDistance})
    h.Add(figure);
  return h.value();
}

}  // namespace kestrelon::test
