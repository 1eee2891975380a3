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

namespace kestrelon::fuzz {

namespace {

namespace fs = std::filesystem;

// One folder per process, so that parallel fuzzers (-jobs) never share a file.
const fs::path& ScratchFolder() {
  static const fs::path folder = [] {
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path f = base / ("kestrelon-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(f);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(ScratchFolder(), ignored);
    });
    return f;
  }();
  return folder;
}

}  // namespace

std::string ScratchPath(std::string_view name) { return (ScratchFolder() / name).string(); }

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

}  // namespace kestrelon::fuzz
