#pragma once
// The description line that both vehicle and power files may begin with: "//*" followed at
// once by the text. Any other first line is the file's first value.

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

inline constexpr const char* LineEnd = "\r\n";

// True when the line begins "//*", the mark of a description line.
bool IsDescriptionLine(std::string_view line);

// The trimmed description when the first line is a description line, else "". next becomes
// the index of the first value line.
std::string TakeFileDescription(const std::vector<std::string>& lines, std::size_t& next);

// The description line with its line end.
std::string DescriptionLine(const std::string& description);

// The text as one line of a file holds it (OneLineText), with its line end.
std::string FileLine(std::string_view text);

}  // namespace kestrelon
