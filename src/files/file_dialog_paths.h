#pragma once
// The file dialog's handling of names and paths, apart from its window: the extension a pattern
// asks for, the start path split into folder and name, the name a list entry or a typed text
// stands for, the path the dialog hands back, and the search as the user types.
// Folders end in "/"; extensions compare without regard to case.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// The text after the pattern's first ".", trimmed, or the whole pattern without one:
// "*.WCD" gives "WCD", "*.*" and "*" give "*".
std::string PatternExtension(std::string_view pattern);

// True when a file of this name belongs in the list under the pattern.
bool MatchesPattern(std::string_view fileName, std::string_view pattern);

// The start path of the dialog: the folder to open (when the path names one) and the name for
// the name box, which is the file name less its extension when that extension is the pattern's,
// else empty.
struct InitialPath {
  std::optional<std::string> folder;  // ends in "/"
  std::string name;
};
InitialPath SplitInitialPath(std::string_view initial, std::string_view extension);

// The name a list entry shows in the name box: without its extension when the pattern names
// one, so "my.car.WCD" shows "my.car".
std::string ListedName(std::string_view entry, std::string_view extension);

// The name box after the Down arrow copied an entry into it: without a WCD or VCD extension.
std::string DownArrowName(std::string_view entry);

// A typed name under the pattern's extension: everything from its first "." replaced by "."
// and the extension, or the extension appended ("car.old" gives "car.WCD").
std::string TypedFileName(std::string_view typed, std::string_view extension);

// The path the dialog hands back: the selected entry when the name box shows that entry's
// name, else the typed name (a typed path from the root stands alone, one with folders lies
// under the listed folder); the selected entry when the name box is blank; nothing when both
// are missing.
std::optional<std::string> DialogResultPath(std::string_view folder, std::string_view nameBox,
                                            std::string_view selectedEntry,
                                            std::string_view extension);

// The first entry, in list order, that begins with the trimmed text (case ignored); nothing
// for a blank text or when none does.
std::optional<std::size_t> IncrementalSearch(const std::vector<std::string>& entries,
                                             std::string_view text);

// True when the path holds "*" or "?", which the dialog never hands back as a file.
bool HoldsWildcard(std::string_view path);

// The folder with "/" at its end.
std::string FolderWithSlash(std::string_view folder);

}  // namespace kestrelon
