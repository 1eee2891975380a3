#pragma once
// Writing whole files so that they are never lost: every file the program writes (vehicle and
// power files, the vehicle library, the report file, the settings) goes through PendingFile and
// CommitFiles. The new content is written and flushed beside its target under a name nobody
// uses, and put in the target's place only when everything is ready; any failure leaves every
// old file exactly as it was. A target the user may not write is refused as a direct write
// would be, and a symbolic link stays a link: the file it points to is the one replaced.

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// How a write ended: error 0 when the file was written, else the system's error number and
// its description.
struct FileWriteResult {
  int error = 0;
  std::string description;
  bool ok() const { return error == 0; }
  // The folder or the device does not exist.
  bool pathMissing() const;
};

// The file-system calls that change files. Each answers 0 or the system's error number. The
// program uses the system's own; a test puts in its own to make any one of them fail.
class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;
  // Makes a new file for writing, failing with EEXIST when the name is taken; mode < 0 gives a
  // new file's usual permissions.
  virtual int Create(const std::string& path, int mode, int& fd);
  virtual int Write(int fd, std::string_view bytes);
  // Puts what was written on the disk.
  virtual int Flush(int fd);
  virtual int Close(int fd);
  virtual int Link(const std::string& existing, const std::string& name);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Remove(const std::string& path);
  // The whole content of a file.
  virtual int Read(const std::string& path, std::string& bytes);
};

FileSystemCalls& FileSystem();
// nullptr puts the system's own calls back.
void SetFileSystem(FileSystemCalls* calls);

// A new content written and flushed to disk beside its target, put in the target's place only
// by CommitFiles. Until then the target is untouched; a file never committed is removed.
class PendingFile {
 public:
  PendingFile() = default;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile();

  // Writes the bytes beside path (beside the file a symbolic link leads to). A folder (EISDIR)
  // or a file the user may not write (EACCES) is refused with nothing written.
  FileWriteResult Prepare(const std::string& path, const std::string& bytes);

 private:
  friend FileWriteResult CommitFiles(const std::vector<PendingFile*>& files);
  int KeepOld();
  int PutBackOld();
  void Discard();

  std::string target_;  // the file replaced, links followed
  std::string temp_;    // the new content, until it is in place
  std::string kept_;    // the old content, until every file of the set is in place
  bool existed_ = false;
  bool keptByLink_ = false;
};

// Puts every prepared file in its place, in order. When one cannot be, those already in place
// get their old content back (a file that was new is removed again): all are replaced or none.
FileWriteResult CommitFiles(const std::vector<PendingFile*>& files);

// Writes the bytes as the whole new content of the file at path.
FileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes);

}  // namespace kestrelon
