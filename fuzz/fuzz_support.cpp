#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "files/file_description.h"

namespace kestrelon::fuzz {

namespace {

namespace fs = std::filesystem;

// Where the scratch folders go: the folder scripts/fuzz makes for the target and removes when
// the target ends, however it ends (a finding or a time-out leaves no exit handler to run);
// run by hand, memory where the system offers it, else the temporary folder.
fs::path ScratchBase() {
  if (const char* given = std::getenv("KESTRELON_FUZZ_SCRATCH"); given && *given) return given;
  std::error_code ec;
  return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// One folder per process, so that parallel fuzzers (-jobs) never share a file. A run that ends
// normally removes it as the static below is destroyed, while its path still lives.
struct ScratchFolder {
  fs::path path = ScratchBase() / ("kestrelon-fuzz-" + std::to_string(::getpid()));
  ScratchFolder() { fs::create_directories(path); }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

const fs::path& Scratch() {
  static const ScratchFolder folder;
  return folder.path;
}

}  // namespace

std::string ScratchPath(std::string_view name) { return (Scratch() / name).string(); }

std::string WriteScratch(std::string_view name, std::string_view bytes) {
  const std::string path = ScratchPath(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz property broken: %s\n", what);
  std::abort();
}

void FreshModel() {
  static const bool tablesBuilt = [] {
    InitTables();
    return true;
  }();
  (void)tablesBuilt;
  S = SharedState{};
  Cfg = Settings{};
}

std::string AsWritten(std::string_view text) {
  const std::string line = FileLine(text);
  return line.substr(0, line.size() - std::string_view(LineEnd).size());
}

}  // namespace kestrelon::fuzz
