#pragma once
// Test helpers: a temporary folder removed afterwards, and environment variables set or unset
// for the length of a test.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon::test {

// The whole text of a file ("" when it cannot be read).
inline std::string FileText(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrelon-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }

  // Writes a file in the folder (creating sub-folders) and returns its path.
  std::string Write(const std::string& name, const std::string& text) const {
    const std::string file = *this / name;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }

 private:
  std::string path_;
};

// Sets (or, with nullopt, unsets) environment variables and restores them afterwards.
class ScopedEnv {
 public:
  ScopedEnv& Set(const char* name, std::optional<std::string> value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
    return *this;
  }
  ~ScopedEnv() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->value)
        setenv(it->name.c_str(), it->value->c_str(), 1);
      else
        unsetenv(it->name.c_str());
    }
  }

 private:
  struct Saved {
    std::string name;
    std::optional<std::string> value;
  };
  std::vector<Saved> saved_;
};

}  // namespace kestrelon::test
