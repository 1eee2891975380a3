#include "platform/system_error_text.h"

#include <cstring>
#include <locale.h>

namespace kestrelon {

std::string SystemErrorText(int error) {
  // Made once and kept: the C locale never changes, and strerror_l reads it on every call.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  if (cLocale == locale_t{}) return "Error " + std::to_string(error);
  return strerror_l(error, cLocale);
}

}  // namespace kestrelon
