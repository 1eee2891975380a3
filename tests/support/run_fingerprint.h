#pragma once
// A fingerprint of everything a run leaves for the rest of the program: the recorded channels at
// every point, the gear and wheelie records and the timing ticket. Two runs with the same
// fingerprint left the same bits.

#include <cstdint>
#include <cstring>
#include <map>
#include <string>

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

// Each built-in example's fingerprint, by its key, as its run last left it on purpose.
inline const std::map<std::string, std::uint64_t> RecordedRunFingerprints = {
    {"WESTFLD", 0xef9614af47c1178dull},
    {"NFUNNY16", 0x3dc66af1620b1161ull},
    {"TNFUNNY", 0x57b44ab2d414615bull},
    {"PSB1990", 0x4bdfab81b54e32f8ull},
    {"MONZA", 0x35e509265b476849ull},
    {"TWOSTK400", 0x978bce7a92661d5dull},
    {"PS-CAR", 0xf14326ea9615c28bull},
    {"TFBIKE", 0xb065a6f2d76fdaa4ull},
    {"ALKYCAR", 0x83d0c8e478507ae6ull},
    {"FUNNYCAR", 0x3c37365d8626d50cull},
    {"TFDRAG", 0xce807193e6cece32ull},
    {"SUPERGAS", 0x14e312971de0f1c5ull},
    {"TFHARLEY", 0x399e1472b7ac5ac2ull},
    {"F1CAR", 0xb254a584a2986b09ull},
    {"BERZERKO", 0x78cceefc7619b14ull},
    {"PSB1999", 0xb9ef43354e9762b6ull},
    {"STREET57", 0x2b9686a5bae6eb8eull},
    {"PROMODSZ", 0x55de54250848d761ull},
    {"GP500", 0xa28c1b86b2611aa4ull},
    {"NISS300Z", 0x55b83ec7ed48c2c7ull},
    {"TGHARLEY", 0x91069c9f682a0515ull},
    {"TFYAMAHA", 0x88426eb1f6f4819cull},
    {"HAYABUSA", 0x6a72becc0c636c8bull},
    {"CBR929", 0xd8252beb1972f980ull},
    {"ZX12-R", 0x37a8f2f3dca494cbull},
};

}  // namespace kestrelon::test
