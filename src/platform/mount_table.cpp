#include "platform/mount_table.h"

#include <algorithm>

#include "platform/whole_file.h"

namespace kestrelon {

namespace {

// A field of the table with its octal escapes ("\040" a blank) turned back into bytes.
std::string Unescaped(std::string_view field) {
  const auto octal = [](char c) { return c >= '0' && c <= '7'; };
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const std::string_view code = field.substr(i + 1, 3);
    if (field[i] == '\\' && code.size() == 3 && std::all_of(code.begin(), code.end(), octal)) {
      out += static_cast<char>((code[0] - '0') * 64 + (code[1] - '0') * 8 + (code[2] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

// The fields of one line, split at blanks and tabs.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while ((start = line.find_first_not_of(" \t", start)) != std::string_view::npos) {
    const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    fields.push_back(line.substr(start, end - start));
    start = end;
  }
  return fields;
}

// The path is the folder or lies under it.
bool Holds(std::string_view folder, std::string_view path) {
  if (path.substr(0, folder.size()) != folder) return false;
  return folder.size() == path.size() || folder.back() == '/' || path[folder.size()] == '/';
}

bool SystemsOwn(std::string_view point, std::string_view type) {
  if (type == "rootfs") return true;
  for (const std::string_view folder : {"/dev", "/proc", "/sys", "/var/run", "/var/lock"})
    if (Holds(folder, point)) return true;
  return false;
}

}  // namespace

std::vector<std::string> MountPoints(std::string_view table) {
  std::vector<std::string> points;
  for (std::size_t start = 0; start < table.size();) {
    const std::size_t end = std::min(table.find('\n', start), table.size());
    const std::vector<std::string_view> fields = Fields(table.substr(start, end - start));
    start = end + 1;
    if (fields.size() < 3) continue;
    std::string point = Unescaped(fields[1]);
    if (point.empty() || point.front() != '/' || SystemsOwn(point, fields[2])) continue;
    if (std::find(points.begin(), points.end(), point) == points.end()) points.push_back(std::move(point));
  }
  return points;
}

std::vector<std::string> MountedVolumes(const std::string& table) {
  std::string bytes;
  std::vector<std::string> points;
  if (FileSystem().Read(table, bytes) == 0) points = MountPoints(bytes);
  if (points.empty()) points.push_back("/");
  return points;
}

std::optional<std::size_t> MountHolding(const std::vector<std::string>& points, std::string_view path) {
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (Holds(points[i], path) && (!best || points[i].size() > points[*best].size())) best = i;
  return best;
}

}  // namespace kestrelon
