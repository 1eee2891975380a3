#include "platform/text_lines.h"

namespace kestrelon {

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
