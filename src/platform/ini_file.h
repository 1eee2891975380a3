#pragma once
// A text file of "[section]" headers and "key=value" lines, as the settings use. Section and key
// names match without regard to case; values are kept exactly as written after the "=".
// Lines the program does not understand (comments, blank lines) survive a rewrite.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/whole_file.h"

namespace kestrelon {

class IniFile {
 public:
  // A missing or unreadable file reads as an empty one; ReadError tells the two apart.
  static IniFile Read(const std::string& path);
  // The system's error number when the file exists but could not be read (writing this one
  // would lose what it holds), else 0.
  int ReadError() const { return readError_; }

  // The text after the "=" of the first line with this key in this section; nothing if absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Replaces the key's value, or adds the key (and its section) at the end of the section.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Writes the whole file through the whole-file commit, so that a failed write leaves the old
  // file as it was. Missing folders above it are made, readable by the user alone: they hold
  // the user's settings.
  FileWriteResult Write(const std::string& path) const;

 private:
  std::vector<std::string> lines_;
  int readError_ = 0;
};

}  // namespace kestrelon
