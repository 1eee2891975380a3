#include "platform/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <tuple>
#include <utility>
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

int FileSystemCalls::SetOwner(int fd, uid_t owner, gid_t group) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return errno;
  if (st.st_uid == owner && st.st_gid == group) return 0;
  // Only what differs is asked for: a file system that keeps no owners still takes its own.
  const uid_t newOwner = st.st_uid == owner ? static_cast<uid_t>(-1) : owner;
  const gid_t newGroup = st.st_gid == group ? static_cast<gid_t>(-1) : group;
  return ::fchown(fd, newOwner, newGroup) == 0 ? 0 : errno;
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

namespace {

// Why a file of this kind is not read or replaced as a file: 0 for a regular one.
int NotAFile(const struct stat& st) { return S_ISDIR(st.st_mode) ? EISDIR : S_ISREG(st.st_mode) ? 0 : EINVAL; }

// An open file closed however the work on it ends, running out of memory included.
struct ClosedAtEnd {
  int fd;
  ~ClosedAtEnd() {
    if (fd >= 0) ::close(fd);
  }
  operator int() const { return fd; }
};

}  // namespace

int FileSystemCalls::Read(const std::string& path, std::string& bytes, std::size_t mostBytes) {
  bytes.clear();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  if (const int error = NotAFile(st)) return error;
  // Not waiting, should the name have become a FIFO since.
  const ClosedAtEnd fd{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (fd < 0) return errno;
  int error = ::fstat(fd, &st) != 0 ? errno : NotAFile(st);
  if (error == 0 && static_cast<std::uintmax_t>(st.st_size) > mostBytes) error = EFBIG;
  if (error == 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  while (error == 0) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    // A file that grows while it is read is held to the same bound.
    if (bytes.size() + static_cast<std::size_t>(n) > mostBytes) error = EFBIG;
    else bytes.append(buffer, static_cast<std::size_t>(n));
  }
  if (error != 0) bytes.clear();
  return error;
}

namespace {

FileSystemCalls systemCalls;
FileSystemCalls* current = &systemCalls;

// How many names beside a target are tried, beyond those taken already, before giving up.
constexpr int NameTries = 100;
// Hops along symbolic links before a loop of them is given up on.
constexpr int LinkHops = 40;
// How a FIFO, a device or a socket in the target's place is told.
constexpr const char* NotRegularFile = "Not a regular file";

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Where the name of the file begins in a path.
std::size_t NameStart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

// The n-th name beside target with the mark ("part", "old"): the target's own name, cut short
// where needed so that the whole name stays within what the file system accepts.
std::string NameBeside(const std::string& target, std::string_view mark, int n) {
  const std::size_t start = NameStart(target);
  const std::string suffix = "." + std::string(mark) + (n > 0 ? std::to_string(n) : "") + "~";
  std::string name = target.substr(start);
  if (name.size() + suffix.size() > NAME_MAX) name.resize(NAME_MAX - suffix.size());
  return target.substr(0, start) + name + suffix;
}

// The number of a name beside a target as NameBeside writes it: none is 0; -1 for any other
// text.
int NameNumber(std::string_view digits) {
  if (digits.empty()) return 0;
  if (digits.size() > 9 || digits.front() == '0') return -1;
  int n = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// The names with the mark that the program makes beside target and that exist now, in order of
// their text. Only these are ever removed or put back: no other file is touched.
std::vector<std::string> LeftBehind(const std::string& target, std::string_view mark) {
  namespace fs = std::filesystem;
  const std::string folder = target.substr(0, NameStart(target));
  const std::string dotMark = "." + std::string(mark);
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::size_t at = name.rfind(dotMark);
    if (at == std::string::npos || at + dotMark.size() >= name.size() || name.back() != '~') continue;
    const std::size_t digits = at + dotMark.size();
    const int n = NameNumber(std::string_view(name).substr(digits, name.size() - 1 - digits));
    if (n >= 0 && folder + name == NameBeside(target, mark, n)) names.push_back(folder + name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// How many names with the mark to try beside target: every one taken, and some more.
int NamesToTry(const std::string& target, std::string_view mark) {
  return static_cast<int>(LeftBehind(target, mark).size()) + NameTries;
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

// Why the target may not be replaced; fills in whether it exists and what it is. A folder, a
// FIFO, a device or a socket is no file: its name would become a file's. A file the user may
// not write, or one marked read-only for everyone, stays as it is even where the folder would
// let it be replaced.
FileWriteResult Refusal(const std::string& target, bool& existed, struct stat& st) {
  existed = ::stat(target.c_str(), &st) == 0;
  if (!existed) return errno == ENOENT ? FileWriteResult{} : FileError(errno);
  if (const int error = NotAFile(st)) return FileAccessError(error);
  if (::access(target.c_str(), W_OK) != 0) return FileError(errno);
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return FileError(EACCES);
  return {};
}

}  // namespace

FileWriteResult FileError(int error) { return {error, SystemErrorText(error), {}}; }

FileWriteResult FileAccessError(int error) {
  return error == EINVAL ? FileWriteResult{error, NotRegularFile, {}} : FileError(error);
}

FileSystemCalls& FileSystem() { return *current; }

void SetFileSystem(FileSystemCalls* calls) { current = calls ? calls : &systemCalls; }

PendingFile::~PendingFile() { Discard(); }

void PendingFile::Discard() {
  if (!temp_.empty()) FileSystem().Remove(temp_);
  temp_.clear();
}

int PendingFile::WriteBeside(const std::string& bytes, std::string& name) const {
  FileSystemCalls& fs = FileSystem();
  // A fresh name: a file that happens to carry the name is never touched.
  int fd = -1;
  int error = EEXIST;
  for (int n = 0, tries = NamesToTry(target_, "part"); n < tries && error == EEXIST; ++n) {
    name = NameBeside(target_, "part", n);
    error = fs.Create(name, mode_, fd);
  }
  if (error != 0) return error;
  // Another user's file stays theirs: one the saver may not give them is not replaced.
  if (existed_) error = fs.SetOwner(fd, owner_, group_);
  if (error == 0) error = fs.Write(fd, bytes);
  // On disk before it can replace anything: a crash or a pulled stick after the rename must not
  // leave an empty file where the old one was.
  if (error == 0) error = fs.Flush(fd);
  if (const int closed = fs.Close(fd); error == 0) error = closed;
  if (error != 0) fs.Remove(name);
  return error;
}

FileWriteResult PendingFile::Prepare(const std::string& path, const std::string& bytes, std::size_t mostBytes) {
  Discard();
  kept_.clear();
  if (bytes.size() > mostBytes) return FileError(EFBIG);
  target_ = FollowLinks(path);
  if (FileWriteResult result = PutBackLeftOver(target_); !result.ok()) return result;
  struct stat st {};
  if (FileWriteResult result = Refusal(target_, existed_, st); !result.ok()) return result;
  owner_ = st.st_uid;
  group_ = st.st_gid;
  mode_ = existed_ ? static_cast<int>(st.st_mode & 07777) : -1;
  std::string temp;
  if (const int error = WriteBeside(bytes, temp)) return FileError(error);
  temp_ = temp;
  return {};
}

int PendingFile::KeepOld() {
  FileSystemCalls& fs = FileSystem();
  const int tries = NamesToTry(target_, "old");
  // A second name for the old file costs nothing.
  int error = EEXIST;
  for (int n = 0; n < tries && error == EEXIST; ++n) {
    kept_ = NameBeside(target_, "old", n);
    error = fs.Link(target_, kept_);
  }
  if (error == 0) return 0;
  kept_.clear();
  // Where no second name can be made (no hard links on the file system, links to other users'
  // files forbidden), the old content is copied: the file itself never leaves its name.
  std::string old, copy;
  if ((error = fs.Read(target_, old)) != 0 || (error = WriteBeside(old, copy)) != 0) return error;
  error = EEXIST;
  for (int n = 0; n < tries && error == EEXIST; ++n) {
    kept_ = NameBeside(target_, "old", n);
    if (!Exists(kept_)) error = fs.Rename(copy, kept_);
  }
  if (error == 0) return 0;
  fs.Remove(copy);
  kept_.clear();
  return error;
}

int PendingFile::PutBackOld() {
  return existed_ ? FileSystem().Rename(kept_, target_) : FileSystem().Remove(target_);
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
    // One rename: the target's name holds the old file or the new one, never neither.
    if ((error = fs.Rename(file.temp_, file.target_)) != 0) {
      if (!file.kept_.empty()) fs.Remove(file.kept_);
      file.kept_.clear();
      break;
    }
    file.temp_.clear();
  }
  std::vector<std::size_t> leftNew;
  if (error != 0)
    while (placed > 0)
      if (files[--placed]->PutBackOld() != 0) leftNew.insert(leftNew.begin(), placed);
  for (PendingFile* file : files) {
    // After a failure an old content that could not go back stays under its second name.
    if (error == 0 && !file->kept_.empty()) fs.Remove(file->kept_);
    file->kept_.clear();
    file->Discard();
  }
  if (error != 0) {
    FileWriteResult result = FileError(error);
    result.leftNew = std::move(leftNew);
    return result;
  }
  // Every target holds its new content: what killed saves left beside them goes, so that the
  // names never run out. A file of the set is never taken for one.
  const auto inSet = [&files](const std::string& name) {
    return std::any_of(files.begin(), files.end(), [&name](const PendingFile* f) { return f->target_ == name; });
  };
  for (const PendingFile* file : files)
    for (const std::string_view mark : {"part", "old"})
      for (const std::string& name : LeftBehind(file->target_, mark))
        if (!inSet(name)) fs.Remove(name);
  return {};
}

FileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes, std::size_t mostBytes) {
  PendingFile file;
  if (FileWriteResult result = file.Prepare(path, bytes, mostBytes); !result.ok()) return result;
  return CommitFiles({&file});
}

FileWriteResult PutBackLeftOver(const std::string& path) {
  const std::string target = FollowLinks(path);
  struct stat st {};
  if (::lstat(target.c_str(), &st) == 0 || errno != ENOENT) return {};
  std::string newest;
  struct timespec newestTime {};
  for (const std::string& kept : LeftBehind(target, "old")) {
    if (::lstat(kept.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    const struct timespec& t = st.st_mtim;
    if (newest.empty() || std::tie(t.tv_sec, t.tv_nsec) > std::tie(newestTime.tv_sec, newestTime.tv_nsec)) {
      newest = kept;
      newestTime = t;
    }
  }
  if (newest.empty()) return {};
  if (const int error = FileSystem().Rename(newest, target)) return FileError(error);
  return {};
}

}  // namespace kestrelon
