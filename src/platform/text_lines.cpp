#include "platform/text_lines.h"

namespace kestrelon {

std::size_t FirstLineStart(std::string_view text) {
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  return text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
}

bool BeginsWithMark(std::string_view text) {
  return FirstLineStart(text) > 0 || text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

bool MarkedAsOtherText(std::string_view text) { return BeginsWithMark(text.substr(FirstLineStart(text))); }

std::string_view LineAt(std::string_view text, std::size_t start, std::size_t& next) {
  const std::size_t end = text.find_first_of("\r\n", start);
  if (end == std::string_view::npos) {
    next = text.size();
    return text.substr(start);
  }
  next = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  return text.substr(start, end - start);
}

}  // namespace kestrelon
