#pragma once
// The system's description of an error number, as messages show it after "Unexpected Error # n : ".

#include <string>

namespace kestrelon {

// The C locale's (English) text for an errno value, whatever language the desktop's locale
// chooses: the program's messages are its own in every locale, and their text is plain ASCII.
std::string SystemErrorText(int error);

}  // namespace kestrelon
