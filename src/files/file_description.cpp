#include "files/file_description.h"

#include "core/numbers.h"

namespace kestrelon {

std::string TakeFileDescription(const std::vector<std::string>& lines, std::size_t& next) {
  next = 0;
  if (lines.empty() || lines[0].compare(0, 3, "//*") != 0) return {};
  next = 1;
  return Trim(std::string_view(lines[0]).substr(3));
}

std::string DescriptionLine(const std::string& description) {
  return "//*" + description + LineEnd;
}

}  // namespace kestrelon
