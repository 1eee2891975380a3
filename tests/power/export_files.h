#pragma once
// Export files of the two curve imports, written to the temporary folder as tests need them.

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace kestrelon::test {

// A file of the given bytes in the temporary folder, removed afterwards.
class ExportFile {
 public:
  explicit ExportFile(const std::string& bytes) {
    static int counter = 0;
    path = (std::filesystem::temp_directory_path() /
            ("kestrelon-import-" + std::to_string(::getpid()) + "-" + std::to_string(++counter)))
               .string();
    std::ofstream(path, std::ios::binary) << bytes;
  }
  ~ExportFile() { std::filesystem::remove(path); }
  std::string path;
};

// An SD9 file: a header of four lines (the second and fourth begin with a line feed, so the
// fifth line closes it), then a group of four lines per reading and the end line.
inline std::string SD9(const std::vector<std::pair<double, double>>& readings, bool endLine = true) {
  std::string s = "SuperFlow\r\nengine\r\n\ntest\r\n\nrun 1\r\ncolumns\r\n";
  // Numbers written with a point whatever the test's locale, right-aligned in their columns.
  const auto column = [](double value, int width, std::chars_format format, int precision) {
    char number[64];
    char* end = std::to_chars(number, number + sizeof number, value, format, precision).ptr;
    const std::string text(number, end);
    return std::string(std::max(0, width - static_cast<int>(text.size())), ' ') + text;
  };
  for (auto [rpm, torque] : readings) {
    s += column(rpm, 5, std::chars_format::general, 6) + "  data\r\n";
    s += "  torque" + std::string(12, ' ') + column(torque, 9, std::chars_format::fixed, 1) + "\r\n";
    s += "  line three\r\n  line four\r\n";
  }
  if (endLine) s += "          \r\n";
  return s;
}

}  // namespace kestrelon::test
