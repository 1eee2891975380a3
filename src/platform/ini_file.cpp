#include "platform/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <new>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <utility>

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
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// The hash of names as they match: the polynomial of their bytes, letters in lower case, at a
// point drawn once per process, modulo the prime 2^61 - 1. Two different texts of n bytes share a
// hash for at most n points in 2^61, so a file cannot be made to crowd one part of the index
// without knowing the point.
class NameHash {
 public:
  NameHash& Add(std::string_view name) {
    for (const char c : name) {
      const unsigned __int128 product = static_cast<unsigned __int128>(value_) * Point();
      value_ = Reduced(Reduced(static_cast<std::uint64_t>(product & Prime) + static_cast<std::uint64_t>(product >> 61)) +
                       static_cast<unsigned char>(Lower(c)) + 1);
    }
    return *this;
  }
  // The slot of a table of the given size where the hash's probe begins.
  std::size_t Home(std::size_t slots) const {
    return static_cast<std::size_t>((static_cast<unsigned __int128>(value_ << 3) * slots) >> 64);
  }

 private:
  static constexpr std::uint64_t Prime = (std::uint64_t{1} << 61) - 1;
  // Below 2^62, brought below the prime.
  static std::uint64_t Reduced(std::uint64_t v) {
    v = (v & Prime) + (v >> 61);
    return v >= Prime ? v - Prime : v;
  }
  static std::uint64_t Point() {
    static const std::uint64_t point = [] {
      std::random_device random;
      const std::uint64_t drawn = std::uint64_t{random()} << 32 | random();
      return 2 + drawn % (Prime - 3);
    }();
    return point;
  }
  std::uint64_t value_ = 0;
};

// What a section name is followed by in the hash of a key: no section name holds it.
constexpr std::string_view AfterSection = "]";

// An empty slot of the index: a text is read only up to this size, so no line begins here.
constexpr std::uint32_t NoPlace = UINT32_MAX;

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

bool IsKeyLine(std::string_view line) { return line.find('=') != std::string_view::npos; }

// The name of the key line, or of the section line, that begins at place, read no further than
// the name's end.
std::string_view KeyNameAt(std::string_view text, std::size_t place) {
  return TrimBlanks(text.substr(place, text.find('=', place) - place));
}
std::string_view SectionNameAt(std::string_view text, std::size_t place) {
  const std::size_t open = text.find('[', place) + 1;
  return TrimBlanks(text.substr(open, text.find(']', open) - open));
}

// Whether the text holds a line, a byte-order mark aside.
bool HasLines(std::string_view text) { return text.size() > FirstLineStart(text); }

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
  return TrimBlanks(text.substr(end == std::string_view::npos ? FirstLineStart(text) : end + 1)).empty();
}

// Whether the text is 8-bit text, as the store is written. UTF-16, either way round and with its
// mark or without, puts a NUL byte beside each ASCII character; after a UTF-16 mark, or a second
// UTF-8 one, the first line would hold a mark and no section name.
bool EightBitText(std::string_view text) {
  return text.find('\0') == std::string_view::npos && !MarkedAsOtherText(text);
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
    // Places are kept in 32 bits.
    const int error = FileSystem().Read(path, file.text_, std::min<std::size_t>(mostBytes, UINT32_MAX));
    if (error != ENOENT && error != ENOTDIR) file.readError_ = error;
    // Read as 8-bit text it would give every default, and a rewrite would lose it.
    if (error == 0 && !EightBitText(file.text_)) {
      file.readError_ = EILSEQ;
      file.text_.clear();
    }
    file.Index();
  } catch (const std::bad_alloc&) {
    // Told and kept as any store that cannot be read is.
    file = IniFile();
    file.readError_ = ENOMEM;
  }
  return file;
}

void IniFile::Index() {
  // Key lines before the first section line belong to no section and are never found.
  std::size_t keyLines = 0;
  bool inSection = false;
  for (std::size_t start = FirstLineStart(text_); start < text_.size();) {
    const std::string_view line = LineAt(text_, start, start);
    if (SectionName(line)) inSection = true;
    else if (inSection && IsKeyLine(line)) ++keyLines;
  }
  keys_.assign(keyLines + keyLines / 2 + 1, NoPlace);
  std::optional<std::uint32_t> header;
  std::string_view section;
  NameHash sectionHash;
  for (std::size_t start = FirstLineStart(text_); start < text_.size();) {
    const auto place = static_cast<std::uint32_t>(start);
    const std::string_view line = LineAt(text_, start, start);
    if (const auto name = SectionName(line)) {
      header = place;
      section = *name;
      sectionHash = NameHash().Add(section).Add(AfterSection);
    } else if (header && IsKeyLine(line)) {
      if (headers_.empty() || headers_.back() != *header) headers_.push_back(*header);
      const std::string_view key = TrimBlanks(line.substr(0, line.find('=')));
      std::uint32_t& slot = keys_[KeySlot(section, key, NameHash(sectionHash).Add(key).Home(keys_.size()))];
      if (slot == NoPlace) slot = place;
    }
  }
}

std::size_t IniFile::KeySlot(std::string_view section, std::string_view key, std::size_t home) const {
  for (std::size_t probes = 0, slot = home; probes < keys_.size(); ++probes, slot = slot + 1 < keys_.size() ? slot + 1 : 0) {
    const std::uint32_t place = keys_[slot];
    if (place == NoPlace) return slot;
    if (SameName(KeyNameAt(text_, place), key) &&
        SameName(SectionNameAt(text_, *(std::upper_bound(headers_.begin(), headers_.end(), place) - 1)), section))
      return slot;
  }
  return keys_.size();
}

std::optional<std::size_t> IniFile::FindKey(std::string_view section, std::string_view key) const {
  const std::size_t slot =
      KeySlot(section, key, NameHash().Add(section).Add(AfterSection).Add(key).Home(keys_.size()));
  if (slot == keys_.size() || keys_[slot] == NoPlace) return std::nullopt;
  return keys_[slot];
}

std::vector<std::optional<std::size_t>> IniFile::SectionEnds(const std::vector<std::string_view>& sections) const {
  std::vector<std::optional<std::size_t>> ends(sections.size());
  if (sections.empty()) return ends;
  std::optional<std::size_t> in;  // which of the sections the walk is in
  for (std::size_t start = FirstLineStart(text_); start < text_.size();) {
    const std::string_view line = LineAt(text_, start, start);
    if (const auto name = SectionName(line)) {
      const auto found = std::find_if(sections.begin(), sections.end(), [&](std::string_view s) { return SameName(*name, s); });
      in = found == sections.end() ? std::nullopt : std::optional(static_cast<std::size_t>(found - sections.begin()));
    } else if (!IsKeyLine(line)) {
      continue;
    }
    if (in) ends[*in] = start;
  }
  return ends;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  for (const Change& change : changes_)
    if (SameName(change.section, section) && SameName(change.key, key)) return change.value;
  const auto place = FindKey(section, key);
  if (!place) return std::nullopt;
  std::size_t next = 0;
  const std::string_view line = LineAt(text_, *place, next);
  return std::string(line.substr(line.find('=') + 1));
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (value.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) return;
  for (Change& change : changes_)
    if (SameName(change.section, section) && SameName(change.key, key)) {
      change.value = value;
      return;
    }
  changes_.push_back({std::string(section), std::string(key), std::string(value)});
}

std::string IniFile::Changed() const {
  // Each change replaces the text of its key's line, keeping the line end, or is a new line put
  // after its section's last section or key line; keys of sections the file lacks go at its end.
  struct Edit {
    std::size_t at, replaced;
    std::string line;
  };
  std::vector<Edit> edits;
  std::vector<std::pair<const Change*, std::size_t>> added;  // each new key with its section's index
  std::vector<std::string_view> addedSections;                // each once
  for (const Change& change : changes_) {
    std::size_t next = 0;
    if (const auto place = FindKey(change.section, change.key)) {
      edits.push_back({*place, LineAt(text_, *place, next).size(), Entry(change.key, change.value)});
      continue;
    }
    const auto section = std::find_if(addedSections.begin(), addedSections.end(),
                                      [&](std::string_view s) { return SameName(s, change.section); });
    added.emplace_back(&change, static_cast<std::size_t>(section - addedSections.begin()));
    if (section == addedSections.end()) addedSections.push_back(change.section);
  }
  const std::vector<std::optional<std::size_t>> sectionEnds = SectionEnds(addedSections);
  std::vector<const Change*> atEnd;
  for (const auto& [change, section] : added) {
    if (const auto end = sectionEnds[section])
      edits.push_back({*end, 0, Entry(change->key, change->value)});
    else
      atEnd.push_back(change);
  }
  std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at < b.at; });

  // New lines end as the file's own first line does.
  const std::size_t first = FirstLineStart(text_);
  std::size_t next = 0;
  const std::size_t firstEnd = first + LineAt(text_, first, next).size();
  const std::string lineEnd = next > firstEnd ? text_.substr(firstEnd, next - firstEnd) : "\n";
  std::string text;
  std::size_t copied = 0;
  for (const Edit& edit : edits) {
    text.append(text_, copied, edit.at - copied);
    if (edit.replaced == 0 && !EndsLine(text)) text += lineEnd;
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
    if (HasLines(text) && !EndsLine(text)) text += lineEnd;
    if (HasLines(text) && !LastLineBlank(text)) text += lineEnd;
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
