#pragma once
// A FIFO for a test that must not wait on it. Should the test still be inside an open of the
// FIFO after the time limit, a writer comes and goes: the open returns, the test goes on and
// fails on waited() instead of hanging the suite.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <utility>

namespace kestrelon::test {

class FifoWatch {
 public:
  explicit FifoWatch(std::string path, std::chrono::seconds limit = std::chrono::seconds(5))
      : path_(std::move(path)), made_(::mkfifo(path_.c_str(), 0600) == 0), watch_([this, limit] { Watch(limit); }) {}
  ~FifoWatch() {
    done_ = true;
    watch_.join();
  }
  FifoWatch(const FifoWatch&) = delete;
  FifoWatch& operator=(const FifoWatch&) = delete;

  const std::string& path() const { return path_; }
  bool made() const { return made_; }
  // True when the test had to be let out of an open that waited for a writer.
  bool waited() const { return waited_; }

 private:
  void Watch(std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      if (std::chrono::steady_clock::now() < end) continue;
      // Succeeds only while a reader is waiting in its open.
      const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) continue;
      waited_ = true;
      ::close(fd);
    }
  }

  std::string path_;
  bool made_;
  std::atomic<bool> done_{false};
  std::atomic<bool> waited_{false};
  std::thread watch_;
};

}  // namespace kestrelon::test
