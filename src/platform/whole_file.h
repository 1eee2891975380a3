#pragma once
// Writing whole files so that they are never lost: every file the program writes (vehicle and
// power files, the vehicle library, the report file, the settings) goes through PendingFile and
// CommitFiles. The new content is written and flushed beside its target under a name nobody
// uses, and put in the target's place only when everything is ready; any failure leaves every
// old file exactly as it was. A target the user may not write, and anything that is no regular
// file (a folder, a FIFO, a device), is refused; a symbolic link stays a link: the file it points
// to is the one replaced, and it keeps its owner, group and permissions.
//
// The target's own name always holds a whole file, old or new: it is only ever replaced by a
// rename. A program killed in the middle of a save can leave only names the program makes beside
// the target, "<name>.part~" (a new content, or a copy of the old one on its way) and
// "<name>.old~" (a second name or a copy of the old content), numbered on ("<name>.part1~") when
// one is taken. The next save of that target that comes through removes them; an old content
// whose target is missing is put back under the target's name first.

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace kestrelon {

// How a write ended: error 0 when the file was written, else the system's error number and
// its description.
struct FileWriteResult {
  int error = 0;
  std::string description;
  // After a failed CommitFiles: the files of the set (by their place in it) that hold their new
  // content all the same, because their old one could not be put back (it stays beside them as
  // "<name>.old~"). The set is then half old, half new until it is saved again.
  std::vector<std::size_t> leftNew;
  bool ok() const { return error == 0; }
  // The folder or the device does not exist.
  bool pathMissing() const;
};

// The most a file the program reads may hold: 64 MiB, far above any it reads. A vehicle file
// (221 lines), a power file (604 lines), the settings and an engine export of a few hundred
// readings hold kilobytes; the vehicle library at most some 53 kB a vehicle, over 1200 of them.
// A larger file is no file of the program's, and reading it whole could take all the memory.
inline constexpr std::size_t MostFileBytes = std::size_t{64} << 20;

// The file-system calls that change files. Each answers 0 or the system's error number. The
// program uses the system's own; a test puts in its own to make any one of them fail.
class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;
  // Makes a new file for writing, failing with EEXIST when the name is taken; mode < 0 gives a
  // new file's usual permissions.
  virtual int Create(const std::string& path, int mode, int& fd);
  // Gives the open file this owner and group; where they are its own already, nothing changes.
  virtual int SetOwner(int fd, uid_t owner, gid_t group);
  virtual int Write(int fd, std::string_view bytes);
  // Puts what was written on the disk.
  virtual int Flush(int fd);
  virtual int Close(int fd);
  virtual int Link(const std::string& existing, const std::string& name);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Remove(const std::string& path);
  // The whole content of a regular file (links followed). Anything else is EINVAL (EISDIR for a
  // folder) and is never opened: a FIFO would wait for a writer, a device need never end. A file
  // of more than mostBytes is EFBIG, read no further. On an error the bytes are empty.
  virtual int Read(const std::string& path, std::string& bytes, std::size_t mostBytes = MostFileBytes);
};

// A failure with the system's error number and its description.
FileWriteResult FileError(int error);

// A file that could not be read or replaced, told as FileError tells it, except that anything
// that is no regular file (a FIFO, a device, a socket: EINVAL from Read and from the writes'
// refusal) is "Not a regular file", for which the system has no description of its own.
FileWriteResult FileAccessError(int error);

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

  // Writes the bytes beside path (beside the file a symbolic link leads to), after putting back
  // an old content a killed save left while the target is missing. A folder (EISDIR), anything
  // else that is no regular file (EINVAL), a file the user may not write (EACCES) and one whose
  // owner and group the user may not give the new file (EPERM) are refused with nothing written,
  // and so are more bytes than mostBytes (EFBIG): no file is written larger than can be read.
  FileWriteResult Prepare(const std::string& path, const std::string& bytes, std::size_t mostBytes = MostFileBytes);

 private:
  friend FileWriteResult CommitFiles(const std::vector<PendingFile*>& files);
  // Writes the bytes to disk under a fresh "part" name beside the target, owned and permitted
  // like the old file; answers 0 and the name, or the error (nothing left behind).
  int WriteBeside(const std::string& bytes, std::string& name) const;
  int KeepOld();
  int PutBackOld();
  void Discard();

  std::string target_;  // the file replaced, links followed
  std::string temp_;    // the new content, until it is in place
  std::string kept_;    // the old content, until every file of the set is in place
  bool existed_ = false;
  uid_t owner_ = 0;     // the old file's owner, group and permissions, which the new one keeps
  gid_t group_ = 0;
  int mode_ = -1;
};

// Puts every prepared file in its place, in order. When one cannot be, those already in place
// get their old content back (a file that was new is removed again): all are replaced or none,
// unless putting one back fails too, which the result's leftNew tells.
// Once all are in place, the names killed saves left beside each target are removed.
FileWriteResult CommitFiles(const std::vector<PendingFile*>& files);

// Writes the bytes as the whole new content of the file at path; more than mostBytes are
// refused (EFBIG), the file left as it was.
FileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes,
                                   std::size_t mostBytes = MostFileBytes);

// When the file at path (links followed) is missing and a save killed in the middle left its old
// content beside it ("<name>.old~"), puts that back under the file's own name: the most recent
// one, when there are several. Nothing else is touched. Not ok when it could not be put back.
FileWriteResult PutBackLeftOver(const std::string& path);

}  // namespace kestrelon
