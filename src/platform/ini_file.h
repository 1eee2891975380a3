#pragma once
// A text file of "[section]" headers and "key=value" lines, as the settings use. Section and key
// names match without regard to case; values are kept exactly as written after the "=". Lines
// end in CR LF, CR or LF. Lines the program does not understand (comments, blank lines) survive
// a rewrite byte for byte.
//
// The file's text is held once, with only the places where its section and key lines begin, so
// that even a file of millions of blank lines costs little more memory than its size.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/whole_file.h"

namespace kestrelon {

class IniFile {
 public:
  // A missing or unreadable file reads as an empty one; ReadError tells the two apart. A file of
  // more than mostBytes cannot be read (EFBIG), nor one that would take more memory than there
  // is (ENOMEM).
  static IniFile Read(const std::string& path, std::size_t mostBytes = MostFileBytes);
  // The system's error number when the file exists but could not be read (writing this one
  // would lose what it holds), else 0.
  int ReadError() const { return readError_; }

  // The text after the "=" of the first line with this key in this section; nothing if absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Replaces the key's value, or adds the key (and its section) after the section's last key.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Writes the whole file through the whole-file commit, so that a failed write leaves the old
  // file as it was; a file that would grow past mostBytes is refused (EFBIG), as it could not be
  // read again. Missing folders above it are made, readable by the user alone: they hold the
  // user's settings.
  FileWriteResult Write(const std::string& path, std::size_t mostBytes = MostFileBytes) const;

 private:
  struct Change {
    std::string section, key, value;
  };
  // Where the first line of the key in the section begins, and where the line after the last
  // section or key line of the last such section begins; nothing for what is not there.
  struct Found {
    std::optional<std::size_t> key, afterSection;
  };
  Found Find(std::string_view section, std::string_view key) const;
  // The file with the changes made.
  std::string Changed() const;

  std::string text_;
  std::vector<std::uint32_t> places_;  // where each section and key line begins, in order
  std::vector<Change> changes_;        // in the order they were set, one per key
  int readError_ = 0;
};

}  // namespace kestrelon
