#include "files/vehicle_file.h"

#include <algorithm>

#include "core/state.h"
#include "files/file_description.h"
#include "platform/text_lines.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"

namespace kestrelon {

namespace {

constexpr int BodyLines = 200;  // groups 1..10, items 1..20
// The description, the body and group 0: lines after them are never used, nor kept.
constexpr std::size_t MostLines = 1 + BodyLines + 20;
constexpr const char* LoadTitle = "Load chassis data";

}  // namespace

std::string VehicleNameOfFile(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  std::string name = PathText(slash == std::string::npos ? path : path.substr(slash + 1));
  if (const std::size_t dot = name.find('.'); dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

std::string InvalidFileText(const std::string& path) {
  return PathText(path) + " contains invalid data - loading will be aborted";
}

void LoadVehicleFile(const std::string& path) {
  S.LoadFailed = False;
  const auto lines = ReadTextLines(path, LoadTitle, MostLines);
  std::size_t next = 0;
  std::string description;
  if (lines) description = TakeFileDescription(*lines, next);
  // A text holding a NUL byte is no 8-bit text: a file saved as UTF-16 holds one beside each
  // letter. Nor is a first line that begins with a UTF-16 mark, or a second UTF-8 one (the reader
  // passes one, and the writer never puts one there). Such a file is invalid, as the power reader
  // finds it.
  const auto holdsNul = [](const std::string& line) { return line.find('\0') != std::string::npos; };
  if (!lines || lines->size() < next + BodyLines || BeginsWithMark(lines->front()) ||
      std::any_of(lines->begin(), lines->end(), holdsNul)) {
    if (lines) ui().MsgBox(InvalidFileText(path), Msg::OKOnly | Msg::Exclamation, LoadTitle);
    S.LoadFailed = True;
    return;
  }
  for (int g = 1; g <= 10; ++g)
    for (int i = 1; i <= 20; ++i) S.VehicleData[g][i] = (*lines)[next++];
  // Group 0 is optional; items the file does not reach keep their texts.
  for (int i = 1; i <= 20 && next < lines->size(); ++i) S.VehicleData[0][i] = (*lines)[next++];
  S.DataDescription = description;
  S.VehicleFileDescription = description;
}

std::string VehicleFileContent() {
  S.VehicleFileDescription = S.DataDescription;
  std::string out;
  // A first text the reader would take for a description, or whose first bytes it would take for
  // a byte-order mark ("\xFF\xFE" is "ÿþ"), follows a description line, empty or not.
  if (!S.DataDescription.empty() || IsDescriptionLine(S.VehicleData[1][1]) || BeginsWithMark(S.VehicleData[1][1]))
    out += DescriptionLine(S.VehicleFileDescription);
  for (int g = 1; g <= 10; ++g)
    for (int i = 1; i <= 20; ++i) out += FileLine(S.VehicleData[g][i]);
  for (int i = 1; i <= 20; ++i) out += FileLine(S.VehicleData[0][i]);
  return out;
}

FileWriteResult WriteVehicleFile(const std::string& path) { return WriteFileReplacing(path, VehicleFileContent()); }

}  // namespace kestrelon
