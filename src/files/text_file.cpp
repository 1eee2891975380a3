#include "files/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/numbers.h"

namespace kestrelon {

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
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

bool FileWriteResult::pathMissing() const {
  return error == ENOENT || error == ENOTDIR || error == ENODEV || error == ENXIO;
}

namespace {

FileWriteResult Failure(int error) { return {error, std::strerror(error)}; }

}  // namespace

FileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".part~";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return Failure(errno);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int error = written ? 0 : errno;
  if (std::fclose(f) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    std::remove(temp.c_str());
    return Failure(error);
  }
  return {};
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
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (EqualsNoCase(name, wanted))
      return vehicle.has_parent_path() ? (vehicle.parent_path() / name).string() : name;
  }
  return power.string();
}

}  // namespace kestrelon
