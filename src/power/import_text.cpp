#include "power/import_text.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>

namespace kestrelon {

Single ToSingle(double x) {
  constexpr double Largest = std::numeric_limits<Single>::max();
  return static_cast<Single>(std::clamp(x, -Largest, Largest));
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  bytes = content.str();
  return !in.bad();
}

}  // namespace kestrelon
