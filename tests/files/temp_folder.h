#pragma once
// A fresh folder for one test's files, removed with everything in it afterwards.

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#include "support/scripted_ui.h"

namespace kestrelon::test {

class TempFolder {
 public:
  // mkdtemp makes a folder no one has yet, never one a killed run left behind.
  TempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "kestrelon-files-XXXXXX").string();
    if (!::mkdtemp(name.data())) throw std::system_error(errno, std::generic_category(), name);
    path_ = name;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
    return file(name);
  }
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path path_;
};

// A reference file kept beside these tests (found from any working folder).
inline std::string ReferenceFile(const std::string& name) { return std::string(KESTRELON_TEST_DATA) + "/" + name; }

// n lines, each ended by CR LF: "v1", "v2", ...
inline std::string NumberedLines(int n, const std::string& prefix = "v") {
  std::string s;
  for (int i = 1; i <= n; ++i) s += prefix + std::to_string(i) + "\r\n";
  return s;
}

// The golden vehicle and power files copied into the folder as name.WCD and name.VCD.
inline std::string GoldenPair(const TempFolder& folder, const std::string& name) {
  folder.write(name + ".VCD", TempFolder::read(ReferenceFile("golden.vcd")));
  return folder.write(name + ".WCD", TempFolder::read(ReferenceFile("golden.wcd")));
}

// Every message box asked, as {text, style, title}, to compare in one expectation.
using Said = std::tuple<std::string, int, std::string>;
inline std::vector<Said> AllSaid(const std::vector<Asked>& asked) {
  std::vector<Said> said;
  for (const Asked& a : asked) said.emplace_back(a.text, a.style, a.title);
  return said;
}

}  // namespace kestrelon::test
