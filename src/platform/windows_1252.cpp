#include "platform/windows_1252.h"

#include <array>

namespace kestrelon {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unused codes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The length of the UTF-8 sequence that starts at text[i] and its character; 0 when the bytes
// there are no well-formed sequence of two or more bytes.
std::size_t Utf8Sequence(std::string_view text, std::size_t i, char32_t& character) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, character = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, character = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, character = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    character = (character << 6) | (next & 0x3F);
  }
  return length;
}

}  // namespace

char16_t Cp1252ToUnicode(unsigned char byte) {
  const char16_t high = byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : 0;
  return high ? high : byte;
}

char UnicodeToCp1252(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character < 0x100))
    return static_cast<char>(character);
  // The five unused codes stand for themselves both ways.
  if (character < 0xA0 && kHighControls[character - 0x80] == 0) return static_cast<char>(character);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == character) return static_cast<char>(0x80 + i);
  return '?';
}

std::string PathText(std::string_view path) {
  std::string text;
  text.reserve(path.size());
  for (std::size_t i = 0; i < path.size();) {
    char32_t character = 0;
    if (const std::size_t length = Utf8Sequence(path, i, character)) {
      text += UnicodeToCp1252(character);
      i += length;
    } else {
      text += path[i++];
    }
  }
  return text;
}

}  // namespace kestrelon
