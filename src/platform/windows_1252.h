#pragma once
// The program's texts are Windows-1252 bytes; the file system names files in UTF-8. These turn
// one character of the code page into Unicode and back, and a path into program text.

#include <string>
#include <string_view>

namespace kestrelon {

// The Unicode character of a Windows-1252 byte (the five unused codes give their own value).
char16_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a Unicode character; '?' when the code page has none. Undoes
// Cp1252ToUnicode for every byte.
char UnicodeToCp1252(char32_t character);

// A file-system path (UTF-8) as program text, so that a message shows its characters as they
// are: "Données" stays "Données". Bytes that are no UTF-8 are kept as they are.
std::string PathText(std::string_view path);

}  // namespace kestrelon
