#include "platform/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <pwd.h>
#include <unistd.h>

namespace kestrelon {

std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}

namespace {

// $HOME, else the home folder the user database gives (a session started without HOME).
std::string HomeFolder() {
  std::string home = EnvironmentText("HOME");
  if (!home.empty()) return home;
  if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) home = user->pw_dir;
  return home;
}

}  // namespace

std::string UserConfigFolder() {
  // A relative XDG_CONFIG_HOME is not valid and is ignored: it would put the settings under
  // whatever folder the program happened to start in.
  const std::string xdg = EnvironmentText("XDG_CONFIG_HOME");
  if (!xdg.empty() && xdg.front() == '/') return xdg;
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + "/.config";
}

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string CompleteFolder(std::string folder) {
  if (folder.find_first_not_of(' ') == std::string::npos) return folder;
  const char last = folder.back();
  if (last != '/' && last != ':') folder += '/';
  return folder;
}

}  // namespace kestrelon
