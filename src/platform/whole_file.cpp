#include "platform/whole_file.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/system_error_text.h"

namespace kestrelon {

bool FileWriteResult::pathMissing() const {
  return error == ENOENT || error == ENOTDIR || error == ENODEV || error == ENXIO;
}

int FileSystemCalls::Create(const std::string& path, int mode, int& fd) {
  fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  if (mode >= 0 && ::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(path.c_str());
    return error;
  }
  return 0;
}

int FileSystemCalls::Write(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int FileSystemCalls::Flush(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

int FileSystemCalls::Close(int fd) { return ::close(fd) == 0 ? 0 : errno; }

int FileSystemCalls::Link(const std::string& existing, const std::string& name) {
  return ::link(existing.c_str(), name.c_str()) == 0 ? 0 : errno;
}

int FileSystemCalls::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int FileSystemCalls::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int FileSystemCalls::Read(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat st {};
  int error = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
  char buffer[65536];
  while (error == 0) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return error;
}

namespace {

FileSystemCalls systemCalls;
FileSystemCalls* current = &systemCalls;

// How many names beside a target are tried before giving up.
constexpr int NameTries = 100;
// Hops along symbolic links before a loop of them is given up on.
constexpr int LinkHops = 40;

FileWriteResult Failure(int error) { return {error, SystemErrorText(error)}; }

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// The n-th name beside target with the mark ("part", "old"): the target's own name, cut short
// where needed so that the whole name stays within what the file system accepts.
std::string NameBeside(const std::string& target, std::string_view mark, int n) {
  const std::size_t slash = target.rfind('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::string suffix = "." + std::string(mark) + (n > 0 ? std::to_string(n) : "") + "~";
  std::string name = target.substr(start);
  if (name.size() + suffix.size() > NAME_MAX) name.resize(NAME_MAX - suffix.size());
  return target.substr(0, start) + name + suffix;
}

// The file a path leads to through any symbolic links; the path itself when it is no link.
std::string FollowLinks(std::string path) {
  namespace fs = std::filesystem;
  for (int hop = 0; hop < LinkHops; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path to = fs::read_symlink(path, ec);
    if (ec) return path;
    path = to.is_absolute() ? to.string() : (fs::path(path).parent_path() / to).string();
  }
  return path;
}

// Why the target may not be replaced, or 0. A folder is no file; a file the user may not
// write, or one marked read-only for everyone, stays as it is even where the folder would let
// it be replaced. Fills in whether it exists and its permissions, which the new file keeps.
int Refusal(const std::string& target, bool& existed, int& mode) {
  struct stat st {};
  existed = ::stat(target.c_str(), &st) == 0;
  if (!existed) return 0;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  if (::access(target.c_str(), W_OK) != 0) return errno;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
  mode = static_cast<int>(st.st_mode & 07777);
  return 0;
}

}  // namespace

FileSystemCalls& FileSystem() { return *current; }

void SetFileSystem(FileSystemCalls* calls) { current = calls ? calls : &systemCalls; }

PendingFile::~PendingFile() { Discard(); }

void PendingFile::Discard() {
  if (!temp_.empty()) FileSystem().Remove(temp_);
  temp_.clear();
}

FileWriteResult PendingFile::Prepare(const std::string& path, const std::string& bytes) {
  Discard();
  const std::string target = FollowLinks(path);
  bool existed = false;
  int mode = -1;
  if (const int error = Refusal(target, existed, mode)) return Failure(error);
  FileSystemCalls& fs = FileSystem();
  // A fresh name: a file of the user's that happens to carry the name is never touched.
  std::string temp;
  int fd = -1;
  int error = EEXIST;
  for (int n = 0; n < NameTries && error == EEXIST; ++n) {
    temp = NameBeside(target, "part", n);
    error = fs.Create(temp, mode, fd);
  }
  if (error != 0) return Failure(error);
  error = fs.Write(fd, bytes);
  // On disk before it can replace anything: a crash or a pulled stick after the rename must not
  // leave an empty file where the old one was.
  if (error == 0) error = fs.Flush(fd);
  if (const int closed = fs.Close(fd); error == 0) error = closed;
  if (error != 0) {
    fs.Remove(temp);
    return Failure(error);
  }
  target_ = target;
  temp_ = temp;
  existed_ = existed;
  kept_.clear();
  return {};
}

int PendingFile::KeepOld() {
  FileSystemCalls& fs = FileSystem();
  // A second name for the old file costs nothing and leaves the target in place throughout.
  int error = EEXIST;
  for (int n = 0; n < NameTries && error == EEXIST; ++n) {
    kept_ = NameBeside(target_, "old", n);
    error = fs.Link(target_, kept_);
  }
  keptByLink_ = error == 0;
  if (keptByLink_) return 0;
  // Where no second name can be made (no hard links on the file system, links to other users'
  // files forbidden), the old file is moved aside instead.
  error = EEXIST;
  for (int n = 0; n < NameTries && error == EEXIST; ++n) {
    kept_ = NameBeside(target_, "old", n);
    if (!Exists(kept_)) error = fs.Rename(target_, kept_);
  }
  if (error != 0) kept_.clear();
  return error;
}

int PendingFile::PutBackOld() {
  if (!existed_) return FileSystem().Remove(target_);
  const int error = FileSystem().Rename(kept_, target_);
  if (error == 0) kept_.clear();
  return error;
}

FileWriteResult CommitFiles(const std::vector<PendingFile*>& files) {
  FileSystemCalls& fs = FileSystem();
  std::size_t placed = 0;
  int error = 0;
  for (; placed < files.size(); ++placed) {
    PendingFile& file = *files[placed];
    if (file.temp_.empty()) {
      error = ENOENT;
      break;
    }
    // The last file needs no copy of its old content: nothing after it can fail.
    const bool last = placed + 1 == files.size();
    if (!last && file.existed_ && (error = file.KeepOld()) != 0) break;
    if ((error = fs.Rename(file.temp_, file.target_)) != 0) {
      if (!file.kept_.empty()) {
        if (file.keptByLink_) fs.Remove(file.kept_);
        if (file.keptByLink_ || fs.Rename(file.kept_, file.target_) == 0) file.kept_.clear();
      }
      break;
    }
    file.temp_.clear();
  }
  if (error != 0)
    while (placed > 0) files[--placed]->PutBackOld();
  for (PendingFile* file : files) {
    // After a failure an old content that could not go back stays under its second name.
    if (error == 0 && !file->kept_.empty()) fs.Remove(file->kept_);
    file->kept_.clear();
    file->Discard();
  }
  return error == 0 ? FileWriteResult{} : Failure(error);
}

FileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes) {
  PendingFile file;
  if (FileWriteResult result = file.Prepare(path, bytes); !result.ok()) return result;
  return CommitFiles({&file});
}

}  // namespace kestrelon
