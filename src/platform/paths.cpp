#include "platform/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kestrelon {

std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}

std::string UserConfigFolder() {
  const std::string xdg = EnvironmentText("XDG_CONFIG_HOME");
  if (!xdg.empty()) return xdg;
  const std::string home = EnvironmentText("HOME");
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
