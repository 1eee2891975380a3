#include "platform/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace kestrelon {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

// Names match by ASCII letters only: the C library's case rules follow the desktop's locale,
// where a Turkish "i" has no ASCII capital.
bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

bool IsKeyLine(std::string_view line, std::string_view key) {
  const auto eq = line.find('=');
  return eq != std::string_view::npos && SameName(TrimBlanks(line.substr(0, eq)), key);
}

// Makes the folder and the missing ones above it, each for its owner alone (0700); 0 when it
// is there, else the system's error number.
int MakeFolders(const std::filesystem::path& folder) {
  std::error_code ec;
  if (folder.empty() || std::filesystem::is_directory(folder, ec)) return 0;
  if (const int error = MakeFolders(folder.parent_path())) return error;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

}  // namespace

IniFile IniFile::Read(const std::string& path) {
  IniFile file;
  std::string bytes;
  const int error = FileSystem().Read(path, bytes);
  if (error != ENOENT && error != ENOTDIR) file.readError_ = error;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    // Line ends written as CR LF, or worse, leave no CR in a value.
    while (!line.empty() && line.back() == '\r') line.pop_back();
    file.lines_.push_back(std::move(line));
    start = end + 1;
  }
  return file;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const auto& line : lines_) {
    if (const auto name = SectionName(line)) {
      inSection = SameName(*name, section);
    } else if (inSection && IsKeyLine(line, key)) {
      return line.substr(line.find('=') + 1);
    }
  }
  return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string entry(TrimBlanks(key));
  entry += '=';
  entry += value;
  bool inSection = false;
  std::optional<std::size_t> insertAt;  // just after the section's last non-blank line
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionName(lines_[i])) {
      inSection = SameName(*name, section);
      if (inSection) insertAt = i + 1;
    } else if (inSection) {
      if (IsKeyLine(lines_[i], key)) {
        lines_[i] = entry;
        return;
      }
      if (!TrimBlanks(lines_[i]).empty()) insertAt = i + 1;
    }
  }
  if (insertAt) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
    return;
  }
  if (!lines_.empty() && !TrimBlanks(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back("[" + std::string(section) + "]");
  lines_.push_back(entry);
}

FileWriteResult IniFile::Write(const std::string& path) const {
  if (const int error = MakeFolders(std::filesystem::path(path).parent_path())) return FileError(error);
  std::string text;
  for (const auto& line : lines_) text += line + '\n';
  return WriteFileReplacing(path, text);
}

}  // namespace kestrelon
