#include "files/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "core/numbers.h"

namespace kestrelon {

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
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

PendingFile::~PendingFile() { Discard(); }

void PendingFile::Discard() {
  if (!temp_.empty()) std::remove(temp_.c_str());
  temp_.clear();
}

FileWriteResult PendingFile::Prepare(const std::string& path, const std::string& bytes) {
  Discard();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Failure(EISDIR);
  const std::string temp = path + ".part~";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return Failure(errno);
  int error = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() ? 0 : errno;
  // On disk before it can replace anything: a crash or a pulled stick after the rename must not
  // leave an empty file where the old one was.
  if (error == 0 && (std::fflush(f) != 0 || ::fsync(::fileno(f)) != 0)) error = errno;
  if (std::fclose(f) != 0 && error == 0) error = errno;
  if (error != 0) {
    std::remove(temp.c_str());
    return Failure(error);
  }
  target_ = path;
  temp_ = temp;
  return {};
}

FileWriteResult PendingFile::Commit() {
  if (temp_.empty()) return Failure(ENOENT);
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    Discard();
    return Failure(error);
  }
  temp_.clear();
  return {};
}

FileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes) {
  PendingFile file;
  if (auto result = file.Prepare(path, bytes); !result.ok()) return result;
  return file.Commit();
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
