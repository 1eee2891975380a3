#include "files/text_file.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <utility>

#include "core/numbers.h"
#include "files/file_error.h"
#include "platform/text_lines.h"

namespace kestrelon {

namespace {

// What keep makes of the file's bytes, or nothing once the racer has been told why the file
// could not be read (and has not asked to try again).
template <class Keep>
auto ReadAndKeep(const std::string& path, const std::string& title, Keep keep, std::size_t mostBytes = MostFileBytes)
    -> std::optional<decltype(keep(std::string()))> {
  for (;;) {
    int error = 0;
    try {
      std::string bytes;
      error = FileSystem().Read(path, bytes, mostBytes);
      if (error == 0) return keep(std::move(bytes));
    } catch (const std::bad_alloc&) {
      // What was read so far is freed by now: the racer is told, and the program goes on.
      error = ENOMEM;
    }
    if (!TellFileError(FileAccessError(error), title, title)) return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, const std::string& title, std::size_t mostBytes) {
  return ReadAndKeep(path, title, [](std::string bytes) { return bytes; }, mostBytes);
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, const std::string& title,
                                                      std::size_t mostLines) {
  return ReadAndKeep(path, title, [mostLines](const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = FirstLineStart(bytes); start < bytes.size() && lines.size() < mostLines;)
      lines.emplace_back(LineAt(bytes, start, start));
    return lines;
  });
}

std::string PowerFileBeside(const std::string& vehiclePath) {
  namespace fs = std::filesystem;
  const fs::path vehicle(vehiclePath);
  if (!vehicle.has_extension()) return {};
  fs::path power = vehicle;
  power.replace_extension(".VCD");
  std::error_code ec;
  if (fs::exists(power, ec)) return power.string();
  const fs::path folder = vehicle.has_parent_path() ? vehicle.parent_path() : fs::path(".");
  const std::string wanted = power.filename().string();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (EqualsNoCase(name, wanted))
      return vehicle.has_parent_path() ? (vehicle.parent_path() / name).string() : name;
  }
  return power.string();
}

}  // namespace kestrelon
