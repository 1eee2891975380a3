#pragma once
// The lines of the program's text files: a line ends at CR LF, CR or LF, whichever system wrote
// the file, and the first line begins after the UTF-8 byte-order mark that some editors put in
// front of a file. The vehicle and power readers, the two curve imports and the settings store
// split their files this way, and refuse a text marked as anything else.

#include <cstddef>
#include <string_view>

namespace kestrelon {

// Where the first line of the text begins: after one leading UTF-8 byte-order mark (EF BB BF),
// else at the start.
std::size_t FirstLineStart(std::string_view text);

// Whether the text begins with a byte-order mark: UTF-8 (EF BB BF), or UTF-16 either way round
// (FF FE, FE FF).
bool BeginsWithMark(std::string_view text);

// Whether the text, past the UTF-8 mark FirstLineStart passes over, begins with a byte-order
// mark: it is then UTF-16, or marked twice, and none of the 8-bit text the program reads. Read
// as such, its first line would begin with the mark's bytes, and every reader refuses it.
bool MarkedAsOtherText(std::string_view text);

// The line that begins at start, without its line end; next is set to where the line after it
// begins (text.size() after the last one). A last line without a line end is a line all the same.
std::string_view LineAt(std::string_view text, std::size_t start, std::size_t& next);

}  // namespace kestrelon
