#include "platform/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <new>
#include <sys/stat.h>
#include <system_error>

#include "platform/text_lines.h"

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

bool IsKeyLine(std::string_view line) { return line.find('=') != std::string_view::npos; }

bool IsKeyLine(std::string_view line, std::string_view key) {
  const auto eq = line.find('=');
  return eq != std::string_view::npos && SameName(TrimBlanks(line.substr(0, eq)), key);
}

std::string Entry(std::string_view key, std::string_view value) {
  std::string entry(TrimBlanks(key));
  entry += '=';
  entry += value;
  return entry;
}

bool EndsLine(std::string_view text) { return !text.empty() && (text.back() == '\r' || text.back() == '\n'); }

// Whether the last line of a text that ends with a line end holds nothing but blanks.
bool LastLineBlank(std::string_view text) {
  if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") text.remove_suffix(2);
  else if (EndsLine(text)) text.remove_suffix(1);
  const auto end = text.find_last_of("\r\n");
  return TrimBlanks(end == std::string_view::npos ? text : text.substr(end + 1)).empty();
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

IniFile IniFile::Read(const std::string& path, std::size_t mostBytes) {
  IniFile file;
  try {
    // Places are kept in 32 bits. A section or key line takes two bytes at least ("=" and its line
    // end), so they cost at most twice the file.
    const int error = FileSystem().Read(path, file.text_, std::min<std::size_t>(mostBytes, UINT32_MAX));
    if (error != ENOENT && error != ENOTDIR) file.readError_ = error;
    for (std::size_t start = 0; start < file.text_.size();) {
      const std::size_t place = start;
      const std::string_view line = LineAt(file.text_, start, start);
      if (SectionName(line) || IsKeyLine(line)) file.places_.push_back(static_cast<std::uint32_t>(place));
    }
  } catch (const std::bad_alloc&) {
    // Told and kept as any store that cannot be read is.
    file = IniFile();
    file.readError_ = ENOMEM;
  }
  return file;
}

IniFile::Found IniFile::Find(std::string_view section, std::string_view key) const {
  Found found;
  bool inSection = false;
  for (const std::uint32_t place : places_) {
    std::size_t next = 0;
    const std::string_view line = LineAt(text_, place, next);
    if (const auto name = SectionName(line)) {
      inSection = SameName(*name, section);
    } else if (inSection && !found.key && IsKeyLine(line, key)) {
      found.key = place;
    }
    if (inSection) found.afterSection = next;
  }
  return found;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  for (const Change& change : changes_)
    if (SameName(change.section, section) && SameName(change.key, key)) return change.value;
  const auto place = Find(section, key).key;
  if (!place) return std::nullopt;
  std::size_t next = 0;
  const std::string_view line = LineAt(text_, *place, next);
  return std::string(line.substr(line.find('=') + 1));
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  for (Change& change : changes_)
    if (SameName(change.section, section) && SameName(change.key, key)) {
      change.value = value;
      return;
    }
  changes_.push_back({std::string(section), std::string(key), std::string(value)});
}

std::string IniFile::Changed() const {
  // Each change replaces the text of its key's line, keeping the line end, or is a new line put
  // where a line begins; keys of sections the file lacks go at its end.
  struct Edit {
    std::size_t at, replaced;
    std::string line;
  };
  std::vector<Edit> edits;
  std::vector<const Change*> atEnd;
  for (const Change& change : changes_) {
    const Found found = Find(change.section, change.key);
    std::size_t next = 0;
    if (found.key)
      edits.push_back({*found.key, LineAt(text_, *found.key, next).size(), Entry(change.key, change.value)});
    else if (found.afterSection)
      edits.push_back({*found.afterSection, 0, Entry(change.key, change.value)});
    else
      atEnd.push_back(&change);
  }
  std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at < b.at; });

  // New lines end as the file's own first line does.
  std::size_t next = 0;
  const std::size_t firstLine = LineAt(text_, 0, next).size();
  const std::string lineEnd = next > firstLine ? text_.substr(firstLine, next - firstLine) : "\n";
  std::string text;
  std::size_t copied = 0;
  for (const Edit& edit : edits) {
    text.append(text_, copied, edit.at - copied);
    if (edit.replaced == 0 && !text.empty() && !EndsLine(text)) text += lineEnd;
    text += edit.line;
    if (edit.replaced == 0) text += lineEnd;
    copied = edit.at + edit.replaced;
  }
  text.append(text_, copied);
  for (std::size_t i = 0; i < atEnd.size(); ++i) {
    const std::string& section = atEnd[i]->section;
    if (std::any_of(atEnd.begin(), atEnd.begin() + static_cast<std::ptrdiff_t>(i),
                    [&](const Change* c) { return SameName(c->section, section); }))
      continue;
    if (!text.empty() && !EndsLine(text)) text += lineEnd;
    if (!text.empty() && !LastLineBlank(text)) text += lineEnd;
    text += "[" + section + "]" + lineEnd;
    for (const Change* change : atEnd)
      if (SameName(change->section, section)) text += Entry(change->key, change->value) + lineEnd;
  }
  return text;
}

FileWriteResult IniFile::Write(const std::string& path, std::size_t mostBytes) const {
  if (const int error = MakeFolders(std::filesystem::path(path).parent_path())) return FileError(error);
  try {
    return WriteFileReplacing(path, Changed(), mostBytes);
  } catch (const std::bad_alloc&) {
    return FileError(ENOMEM);
  }
}

}  // namespace kestrelon
