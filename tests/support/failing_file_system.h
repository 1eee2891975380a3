#pragma once
// File-system calls that count every call by kind and fail the chosen ones, passing the rest to
// the system. Installed for as long as the object lives. A kill stops the program's work at a
// chosen call: from it on nothing reaches the disk, as when the program is killed there.

#include <array>
#include <cerrno>
#include <new>
#include <set>
#include <string>
#include <utility>

#include "platform/whole_file.h"

namespace kestrelon::test {

class FailingFileSystem : public FileSystemCalls {
 public:
  enum Call { CreateCall, WriteCall, FlushCall, CloseCall, LinkCall, RenameCall, RemoveCall, ReadCall, SetOwnerCall, Calls };

  // Fails the nth call (from 1) of each listed kind with error.
  explicit FailingFileSystem(std::set<std::pair<Call, int>> failing = {}, int error = EIO)
      : failing_(std::move(failing)), error_(error) {
    SetFileSystem(this);
  }
  ~FailingFileSystem() override { SetFileSystem(nullptr); }

  // Every link refused, as on a file system without hard links.
  bool noLinks = false;
  // Files the user may not read (another user's, mode 0600), even when the tests run as root.
  std::set<std::string> unreadable;
  // Files whose read runs out of memory.
  std::set<std::string> outOfMemory;
  // The call (counting every kind, from 1) at which the program is killed; 0 = never.
  int killedAt = 0;
  std::array<int, Calls> count{};
  int total = 0;

  int Create(const std::string& path, int mode, int& fd) override {
    fd = -1;
    return Fails(CreateCall) ? error_ : FileSystemCalls::Create(path, mode, fd);
  }
  int SetOwner(int fd, uid_t owner, gid_t group) override {
    return Fails(SetOwnerCall) ? error_ : FileSystemCalls::SetOwner(fd, owner, group);
  }
  int Write(int fd, std::string_view bytes) override {
    return Fails(WriteCall) ? error_ : FileSystemCalls::Write(fd, bytes);
  }
  int Flush(int fd) override { return Fails(FlushCall) ? error_ : FileSystemCalls::Flush(fd); }
  int Close(int fd) override {
    // A killed program's files are closed all the same.
    const int closed = FileSystemCalls::Close(fd);
    return Fails(CloseCall) ? error_ : closed;
  }
  int Link(const std::string& existing, const std::string& name) override {
    if (Fails(LinkCall)) return error_;
    return noLinks ? EPERM : FileSystemCalls::Link(existing, name);
  }
  int Rename(const std::string& from, const std::string& to) override {
    return Fails(RenameCall) ? error_ : FileSystemCalls::Rename(from, to);
  }
  int Remove(const std::string& path) override {
    return Fails(RemoveCall) ? error_ : FileSystemCalls::Remove(path);
  }
  int Read(const std::string& path, std::string& bytes, std::size_t mostBytes) override {
    if (Fails(ReadCall)) return error_;
    if (outOfMemory.count(path)) throw std::bad_alloc();
    return unreadable.count(path) ? EACCES : FileSystemCalls::Read(path, bytes, mostBytes);
  }

  bool Killed() const { return killedAt > 0 && total >= killedAt; }

 private:
  bool Fails(Call call) {
    ++total;
    return failing_.count({call, ++count[call]}) > 0 || Killed();
  }
  std::set<std::pair<Call, int>> failing_;
  int error_;
};

}  // namespace kestrelon::test
