#pragma once
// File-system calls that count every call by kind and fail the chosen ones, passing the rest to
// the system. Installed for as long as the object lives.

#include <array>
#include <cerrno>
#include <set>
#include <utility>

#include "platform/whole_file.h"

namespace kestrelon::test {

class FailingFileSystem : public FileSystemCalls {
 public:
  enum Call { CreateCall, WriteCall, FlushCall, CloseCall, LinkCall, RenameCall, RemoveCall, ReadCall, Calls };

  // Fails the nth call (from 1) of each listed kind with error.
  explicit FailingFileSystem(std::set<std::pair<Call, int>> failing = {}, int error = EIO)
      : failing_(std::move(failing)), error_(error) {
    SetFileSystem(this);
  }
  ~FailingFileSystem() override { SetFileSystem(nullptr); }

  // Every link refused, as on a file system without hard links.
  bool noLinks = false;
  std::array<int, Calls> count{};

  int Create(const std::string& path, int mode, int& fd) override {
    return Fails(CreateCall) ? error_ : FileSystemCalls::Create(path, mode, fd);
  }
  int Write(int fd, std::string_view bytes) override {
    return Fails(WriteCall) ? error_ : FileSystemCalls::Write(fd, bytes);
  }
  int Flush(int fd) override { return Fails(FlushCall) ? error_ : FileSystemCalls::Flush(fd); }
  int Close(int fd) override {
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
  int Read(const std::string& path, std::string& bytes) override {
    return Fails(ReadCall) ? error_ : FileSystemCalls::Read(path, bytes);
  }

 private:
  bool Fails(Call call) { return failing_.count({call, ++count[call]}) > 0; }
  std::set<std::pair<Call, int>> failing_;
  int error_;
};

}  // namespace kestrelon::test
