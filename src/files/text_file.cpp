#include "files/text_file.h"

#include <cstdio>
#include <filesystem>

#include "files/file_exists.h"

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

std::string PowerFileBeside(const std::string& vehiclePath) {
  std::filesystem::path power(vehiclePath);
  if (!power.has_extension()) return {};
  power.replace_extension(".VCD");
  return FileWithExtensionInAnyCase(power.string());
}

}  // namespace kestrelon
