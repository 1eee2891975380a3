#include "files/file_exists.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "core/numbers.h"
#include "files/file_description.h"
#include "platform/text_lines.h"
#include "platform/system_error_text.h"
#include "platform/ui_seam.h"

namespace kestrelon {

namespace {

constexpr const char* LookUpTitle = "Open File";

// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A normal file, not a hidden one: a name that begins with "." is hidden (the folders above
// it may be hidden ones).
bool IsNormalFile(const std::string& path, const struct stat& st) {
  const auto slash = path.rfind('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  return S_ISREG(st.st_mode) && path.compare(name, 1, ".") != 0;
}

}  // namespace

bool FileExistsQuietly(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && IsNormalFile(path, st);
}

std::string FileWithExtensionInAnyCase(const std::string& path) {
  if (FileExistsQuietly(path)) return path;
  const auto slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const auto dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return path;
  const std::string folder = path.substr(0, nameStart);
  const std::string_view stem = std::string_view(path).substr(nameStart, dot + 1 - nameStart);
  const std::string_view extension = std::string_view(path).substr(dot + 1);
  std::optional<std::string> first;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(FolderOf(path), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != stem.size() + extension.size() || name.compare(0, stem.size(), stem) != 0 ||
        !EqualsNoCase(std::string_view(name).substr(stem.size()), extension))
      continue;
    if ((!first || name < *first) && FileExistsQuietly(folder + name)) first = name;
  }
  return first ? folder + *first : path;
}

LookUpOutcome LookUpFile(const std::string& path) {
  if (path.empty()) return LookUpOutcome::Missing;
  for (;;) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
      return IsNormalFile(path, st) ? LookUpOutcome::Found : LookUpOutcome::Missing;
    const int error = errno;
    switch (error) {
      case ENOENT:
        // A missing file in a folder that exists is the plain answer; a missing folder is told.
        if (IsFolder(FolderOf(path))) return LookUpOutcome::Missing;
        [[fallthrough]];
      case ENOTDIR:
      case ENODEV:
      case ENXIO:
        ui().MsgBox("Drive or path does not exist", Msg::OKOnly | Msg::Exclamation, LookUpTitle);
        return LookUpOutcome::Told;
      case ENOMEDIUM:
        if (ui().MsgBox("Insert a disk in the drive", Msg::OKCancel | Msg::Exclamation,
                        LookUpTitle) == Msg::Ok)
          continue;
        return LookUpOutcome::Told;
      default:
        ui().MsgBox(UnexpectedErrorText(error, SystemErrorText(error)), Msg::OKOnly | Msg::Critical,
                    LookUpTitle);
        return LookUpOutcome::Told;
    }
  }
}

bool FileExists(const std::string& path) { return LookUpFile(path) == LookUpOutcome::Found; }

std::string ReadFileDescription(const std::string& path) {
  // Only a help to the eye: a missing folder is told once, when the file is chosen.
  if (!FileExistsQuietly(path)) return {};
  // Only the first line matters, and the file may be anything the pattern lets through.
  constexpr std::size_t FirstLineLimit = 4096;
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::string first(FirstLineLimit, '\0');
  in.read(first.data(), static_cast<std::streamsize>(first.size()));
  first.resize(static_cast<std::size_t>(in.gcount()));
  if (const auto end = first.find_first_of("\r\n"); end != std::string::npos) first.resize(end);
  std::size_t next = 0;
  return TakeFileDescription({first.substr(FirstLineStart(first))}, next);
}

}  // namespace kestrelon
