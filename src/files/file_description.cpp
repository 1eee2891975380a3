#include "files/file_description.h"

#include "core/numbers.h"

namespace kestrelon {

bool IsDescriptionLine(std::string_view line) { return line.substr(0, 3) == "//*"; }

std::string TakeFileDescription(const std::vector<std::string>& lines, std::size_t& next) {
  next = 0;
  if (lines.empty() || !IsDescriptionLine(lines[0])) return {};
  next = 1;
  return Trim(std::string_view(lines[0]).substr(3));
}

std::string DescriptionLine(const std::string& description) { return FileLine("//*" + description); }

std::string FileLine(std::string_view text) { return OneLineText(text) + LineEnd; }

}  // namespace kestrelon
