#include "files/text_file.h"

#include <filesystem>

#include "core/numbers.h"
#include "files/file_error.h"

namespace kestrelon {

std::optional<std::string> ReadWholeFile(const std::string& path, const std::string& title) {
  for (;;) {
    std::string bytes;
    const int error = FileSystem().Read(path, bytes);
    if (error == 0) return bytes;
    if (!TellFileError(FileAccessError(error), title, title)) return std::nullopt;
  }
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, const std::string& title) {
  const std::optional<std::string> read = ReadWholeFile(path, title);
  if (!read) return std::nullopt;
  const std::string& bytes = *read;
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes, start, i - start);
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes, start, std::string::npos);
  return lines;
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
