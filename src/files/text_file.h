#pragma once
// Reading and writing the program's own text files. Lines may end in CR LF, CR or LF; the bytes
// of each line are kept as they are (Windows-1252 text stays undecoded). A write goes to a
// temporary file beside the target that is then renamed over it, so a failed write never
// leaves a half-written file in place of the old one.

#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

// The lines of a text file without their line ends; nothing when it cannot be read or is no
// normal file (a folder, a device). A last line without a line end counts; a file that ends with
// a line end has no empty line after it.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// How a write ended: error 0 when the file was written, else the system's error number and
// its description.
struct FileWriteResult {
  int error = 0;
  std::string description;
  bool ok() const { return error == 0; }
  // The folder or the device does not exist.
  bool pathMissing() const;
};

// A new content written and flushed to disk beside its target, put in the target's place only
// by Commit. Until then the target is untouched; a file never committed is removed.
class PendingFile {
 public:
  PendingFile() = default;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile();

  // Writes the bytes beside path. A target that is a folder is refused (EISDIR) with nothing
  // written.
  FileWriteResult Prepare(const std::string& path, const std::string& bytes);
  // Renames the written file over the target.
  FileWriteResult Commit();

 private:
  void Discard();
  std::string target_;
  std::string temp_;
};

// Writes the bytes as the whole new content of the file at path.
FileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes);

// Where the power file of a vehicle file is found: the vehicle path with its extension
// replaced by "VCD", or by an existing file of that name whose extension differs only in
// case. Empty when the vehicle path has no extension.
std::string PowerFileBeside(const std::string& vehiclePath);

}  // namespace kestrelon
