#pragma once
// Where the program finds its own folder, the user's configuration folder and the environment.

#include <string>
#include <string_view>

namespace kestrelon {

// The folder that holds the running program, without a trailing "/".
std::string ProgramFolder();

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config, the home folder taken from the user database when HOME is unset ("" when no home
// folder is known).
std::string UserConfigFolder();

// The value of an environment variable; "" when it is not set.
std::string EnvironmentText(const char* name);

// A folder text made ready to have a file name appended: "/" is added unless the text is blank
// or already ends in "/" or ":".
std::string CompleteFolder(std::string folder);

}  // namespace kestrelon
