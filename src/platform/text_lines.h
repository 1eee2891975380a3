#pragma once
// The lines of the program's text files: a line ends at CR LF, CR or LF, whichever system wrote
// the file. The vehicle and power readers and the settings store split their files this way.

#include <cstddef>
#include <string_view>

namespace kestrelon {

// The line that begins at start, without its line end; next is set to where the line after it
// begins (text.size() after the last one). A last line without a line end is a line all the same.
std::string_view LineAt(std::string_view text, std::size_t start, std::size_t& next);

}  // namespace kestrelon
