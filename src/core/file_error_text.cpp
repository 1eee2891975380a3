#include "core/file_error_text.h"

#include "core/numbers.h"

namespace kestrelon {

std::string UnexpectedErrorText(int number, const std::string& description) {
  return "Unexpected Error #" + Str(number) + " : " + description;
}

}  // namespace kestrelon
