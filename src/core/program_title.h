#pragma once
// The title of a message box that names no activity of its own: the program's name.

namespace kestrelon {

inline constexpr const char* ProgramTitle = "Kestrelon";

}  // namespace kestrelon
