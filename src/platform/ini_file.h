#pragma once
// A text file of "[section]" headers and "key=value" lines, as the settings use. Section and key
// names match without regard to case; values are kept exactly as written after the "=". Lines
// end in CR LF, CR or LF. Lines the program does not understand (comments, blank lines) survive
// a rewrite byte for byte, a byte-order mark in front of the first line included.
//
// The file's text is held once, with an index of 32-bit places: a key is found without a walk
// over the file, and even a file of millions of lines costs a few bytes a line beyond its size.

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
  // is (ENOMEM), nor one that is no 8-bit text (EILSEQ: UTF-16, a UTF-16 mark in front, or two
  // UTF-8 marks).
  static IniFile Read(const std::string& path, std::size_t mostBytes = MostFileBytes);
  // The system's error number when the file exists but could not be read (writing this one
  // would lose what it holds), else 0.
  int ReadError() const { return readError_; }

  // The text after the "=" of the first line with this key in this section; nothing if absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Replaces the key's value, or adds the key (and its section) after the section's last key.
  // A value that would not be read back the same is not set, and the key keeps what the file
  // holds: a NUL byte makes the file unreadable, a line end cuts the value and makes its tail a
  // line of its own.
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
  // Builds the index of the text's key lines.
  void Index();
  // The slot of keys_ that holds the first line of the key in the section, or the empty slot
  // where it goes, probing from home on; keys_.size() when there is neither.
  std::size_t KeySlot(std::string_view section, std::string_view key, std::size_t home) const;
  // Where the first line of the key in the section begins; nothing if there is none.
  std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;
  // For each of the sections, where the line after the last section or key line of the last
  // section of that name begins; nothing for a section the file lacks.
  std::vector<std::optional<std::size_t>> SectionEnds(const std::vector<std::string_view>& sections) const;
  // The file with the changes made.
  std::string Changed() const;

  std::string text_;
  // Where each section line that has key lines after it begins, in order.
  std::vector<std::uint32_t> headers_;
  // Open addressing by the hash of section and key name: where the first line of each key of
  // each section name begins, or NoPlace. Half as many slots again as key lines in sections, so
  // that a probe soon meets an empty one.
  std::vector<std::uint32_t> keys_;
  std::vector<Change> changes_;  // in the order they were set, one per key
  int readError_ = 0;
};

}  // namespace kestrelon
