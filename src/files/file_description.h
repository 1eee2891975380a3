#pragma once
// The description line that both vehicle and power files may begin with: "//*" followed at
// once by the text. Any other first line is the file's first value.

#include <string>
#include <vector>

namespace kestrelon {

inline constexpr const char* LineEnd = "\r\n";

// The trimmed description when the first line is a description line, else "". next becomes
// the index of the first value line.
std::string TakeFileDescription(const std::vector<std::string>& lines, std::size_t& next);

// The description line with its line end.
std::string DescriptionLine(const std::string& description);

}  // namespace kestrelon
