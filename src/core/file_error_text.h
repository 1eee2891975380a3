#pragma once
// How a file error that has no message of its own is told: "Unexpected Error #", the error's
// number (with its leading blank), " : " and its description.

#include <string>

namespace kestrelon {

std::string UnexpectedErrorText(int number, const std::string& description);

}  // namespace kestrelon
