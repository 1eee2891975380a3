#include "files/file_dialog_paths.h"

#include "core/numbers.h"

namespace kestrelon {

namespace {

bool NamesExtension(std::string_view extension) { return !extension.empty() && extension != "*"; }

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

}  // namespace

std::string PatternExtension(std::string_view pattern) {
  const auto dot = pattern.find('.');
  if (dot == std::string_view::npos) return std::string(pattern);
  return Trim(pattern.substr(dot + 1));
}

bool MatchesPattern(std::string_view fileName, std::string_view pattern) {
  const std::string extension = PatternExtension(pattern);
  if (!NamesExtension(extension)) return true;
  return EndsWithNoCase(fileName, "." + extension);
}

InitialPath SplitInitialPath(std::string_view initial, std::string_view extension) {
  InitialPath split;
  const auto slash = initial.rfind('/');
  std::string_view file = initial;
  if (slash != std::string_view::npos) {
    split.folder = std::string(initial.substr(0, slash + 1));
    file = initial.substr(slash + 1);
  }
  const std::string tail = "." + std::string(extension);
  if (NamesExtension(extension) && file.size() > tail.size() && EndsWithNoCase(file, tail))
    split.name = std::string(file.substr(0, file.size() - tail.size()));
  return split;
}

std::string ListedName(std::string_view entry, std::string_view extension) {
  const auto dot = entry.rfind('.');
  if (!NamesExtension(extension) || dot == std::string_view::npos || dot == 0)
    return std::string(entry);
  return std::string(entry.substr(0, dot));
}

std::string DownArrowName(std::string_view entry) {
  const auto dot = entry.rfind('.');
  if (dot == std::string_view::npos) return std::string(entry);
  const std::string_view extension = entry.substr(dot + 1);
  if (EqualsNoCase(extension, "WCD") || EqualsNoCase(extension, "VCD"))
    return std::string(entry.substr(0, dot));
  return std::string(entry);
}

std::string TypedFileName(std::string_view typed, std::string_view extension) {
  std::string name(typed);
  if (!NamesExtension(extension)) return name;
  const auto dot = name.find('.');
  if (dot != std::string::npos) name.resize(dot);
  return name + "." + std::string(extension);
}

std::optional<std::string> DialogResultPath(std::string_view folder, std::string_view nameBox,
                                            std::string_view selectedEntry,
                                            std::string_view extension) {
  const std::string name = Trim(nameBox);
  const std::string base = FolderWithSlash(folder);
  if (!name.empty()) {
    // A name taken from the list stands for that very file, however many dots it holds.
    if (!selectedEntry.empty() && name == ListedName(selectedEntry, extension))
      return base + std::string(selectedEntry);
    // A typed path keeps its folders: from the root when it starts there, else under the
    // listed folder; the pattern's extension applies to its file name alone.
    const std::size_t slash = name.rfind('/');
    const std::string folders = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    const std::string file = name.substr(folders.size());
    return (name.front() == '/' ? "" : base) + folders + TypedFileName(file, extension);
  }
  if (!selectedEntry.empty()) return base + std::string(selectedEntry);
  return std::nullopt;
}

std::optional<std::size_t> IncrementalSearch(const std::vector<std::string>& entries,
                                             std::string_view text) {
  const std::string key = Trim(text);
  if (key.empty()) return std::nullopt;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (EqualsNoCase(std::string_view(entries[i]).substr(0, key.size()), key)) return i;
  return std::nullopt;
}

bool HoldsWildcard(std::string_view path) {
  return path.find_first_of("*?") != std::string_view::npos;
}

std::string FolderWithSlash(std::string_view folder) {
  std::string text(folder);
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

}  // namespace kestrelon
