// The settings reader on any store and KESTR.INI (the input's bytes before and after its first
// NUL); what it reads, written to the store and read again, gives the same settings, apart from
// what the writer is meant to tidy: folders trimmed, the two delays to three decimals, the two
// delay switches as -1 times their size. A store that cannot be read is never written, nor one
// that lacks a key while KESTR.INI cannot be read. A value the store could not read back the
// same is not written: the key keeps what the store held.
#include <cmath>
#include <cstdlib>

#include "core/expression.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "fuzz_support.h"

using namespace kestrelon;

namespace {

// A folder is written trimmed; trimmed to "Error" or to the store's marker of an absent key
// ("zXcVbNm") it then reads as no folder.
std::string AsWrittenFolder(const std::string& folder) {
  const std::string trimmed = Trim(folder);
  return trimmed == "Error" || trimmed == "zXcVbNm" ? std::string() : trimmed;
}

Single AsWrittenDelay(Single value, const char* pattern) { return ParseLocaleNumber(Format(value, pattern)); }

bool SameDelay(Single a, Single b) { return a == b || std::fabs(a - b) <= 1e-6f * std::fabs(a); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshModel();
  const std::string_view bytes = fuzz::AsText(data, size);
  const std::size_t split = std::min(bytes.find('\0'), bytes.size());
  SettingsFiles files;
  files.Store = fuzz::WriteScratch("Kestrelon.ini", bytes.substr(0, split));
  files.Fallbacks = {fuzz::WriteScratch("KESTR.INI", split < bytes.size() ? bytes.substr(split + 1) : "")};

  LoadSettings(files);
  if (Cfg.StoreReadError != 0) {
    // A store that cannot be read (no 8-bit text), or that lacks a key of a KESTR.INI that
    // cannot be read, is told at exit and kept.
    fuzz::Check(!SaveSettings(files).ok() && fuzz::ReadWhole(files.Store) == bytes.substr(0, split),
                "a store that cannot be read is kept as it was");
    return 0;
  }
  Settings expected = Cfg;
  expected.DataPath = AsWrittenFolder(expected.DataPath);
  expected.EADataPath = AsWrittenFolder(expected.EADataPath);
  expected.DelayTime = AsWrittenDelay(expected.DelayTime, "#.000");
  expected.HandicapTime = AsWrittenDelay(expected.HandicapTime, "##.000");
  // The two delay switches are written as their size and read back negated.
  expected.UseDelay = static_cast<Integer>(-std::abs(expected.UseDelay));
  expected.UseHandicap = static_cast<Integer>(-std::abs(expected.UseHandicap));
  // A line end would cut the value and make its tail a line of its own.
  Cfg.LastChassis += "\n[Data]\nDUnits=Z";
  fuzz::Check(SaveSettings(files).ok(), "the settings can be written");

  Cfg = Settings{};
  LoadSettings(files);
  fuzz::Check(SameDelay(Cfg.DelayTime, expected.DelayTime) && SameDelay(Cfg.HandicapTime, expected.HandicapTime),
              "the delays read back as written");
  Cfg.DelayTime = expected.DelayTime;
  Cfg.HandicapTime = expected.HandicapTime;
  fuzz::Check(Cfg == expected, "written settings read back the same");
  return 0;
}
