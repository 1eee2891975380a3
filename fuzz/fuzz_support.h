#pragma once
// What the fuzz targets share: scratch files for readers that take a path, a check that stops
// the fuzzer with the broken property, and a fresh model for every input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrelon::fuzz {

// The path of a scratch file of this process, in a folder of its own under KESTRELON_FUZZ_SCRATCH
// when that names a folder, else in memory where the system offers it.
std::string ScratchPath(std::string_view name);

// Writes the bytes to the scratch file of that name and returns its path.
std::string WriteScratch(std::string_view name, std::string_view bytes);

// The whole content of a file, or "" when it cannot be read.
std::string ReadWhole(const std::string& path);

// Stops the run with the property that did not hold; libFuzzer keeps the input as a crash.
[[noreturn]] void Fail(const char* what);
inline void Check(bool holds, const char* what) {
  if (!holds) Fail(what);
}

// A text as a file's line writer writes it (a NUL as a blank), without the line end.
std::string AsWritten(std::string_view text);

// The model as the program starts with it, with the reference tables built once.
void FreshModel();

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace kestrelon::fuzz
