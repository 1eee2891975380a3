#include "files/convert_command.h"

#include <cerrno>

#include "core/settings.h"
#include "core/state.h"
#include "files/file_dialog.h"
#include "files/file_error.h"
#include "files/file_exists.h"
#include "files/left_over_file.h"
#include "files/power_file.h"
#include "files/power_import_commands.h"
#include "files/text_file.h"
#include "files/vehicle_file.h"
#include "files/xml_library.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"

namespace kestrelon {

namespace {

constexpr const char* Title = "Convert";

// What the two file reads change of the working model, kept so it can be put back as it was.
struct WorkingModelCopy {
  CurveTable PowerCurve = S.PowerCurve;
  PeakSummary EngineSummary = S.EngineSummary;
  std::array<std::string, CurveColumns> PowerDescript = S.PowerDescript;
  VehicleTable VehicleData = S.VehicleData;
  std::string PowerFileDescription = S.PowerFileDescription;
  std::string VehicleFileDescription = S.VehicleFileDescription;
  Integer MinRPMIndex = S.MinRPMIndex, MaxRPMIndex = S.MaxRPMIndex;
  Integer PowerMaxPower = S.PowerMaxPower, RevLimitIndex = S.RevLimitIndex;

  void Restore() const {
    S.PowerCurve = PowerCurve;
    S.EngineSummary = EngineSummary;
    S.PowerDescript = PowerDescript;
    S.VehicleData = VehicleData;
    S.PowerFileDescription = PowerFileDescription;
    S.VehicleFileDescription = VehicleFileDescription;
    S.MinRPMIndex = MinRPMIndex;
    S.MaxRPMIndex = MaxRPMIndex;
    S.PowerMaxPower = PowerMaxPower;
    S.RevLimitIndex = RevLimitIndex;
  }
};

// Reads the vehicle file and its power file; false when a dialog was cancelled or a file was
// refused (its reader has said why).
bool ReadVehicleToConvert(std::string& name) {
  const std::string vehiclePath = OpenFileDialog("*.WCD", "Select Vehicle data", Cfg.DataPath);
  if (vehiclePath.empty()) return false;
  S.LoadFailed = False;
  LoadVehicleFile(vehiclePath);
  if (S.LoadFailed != False) return false;
  name = VehicleNameOfFile(vehiclePath);

  std::string powerPath = PowerFileBeside(vehiclePath);
  PutBackLeftOverFile(powerPath);
  if (powerPath.empty() || !FileExistsQuietly(powerPath)) {
    const std::string start = powerPath.empty() ? Cfg.DataPath : powerPath;
    powerPath = OpenFileDialog("*.VCD", "Select Power data", start);
    if (powerPath.empty()) return false;
  }
  LoadPowerFile(powerPath);
  return S.LoadFailed == False;
}

// Opens the library: an empty one when the file does not exist; nothing (with a message) when
// the file is there but is no library, or too large a one, so that it is never overwritten.
std::unique_ptr<XmlDocument> OpenLibrary(const std::string& path, std::size_t mostBytes) {
  // A library left only beside its name would otherwise be replaced by one vehicle alone.
  PutBackLeftOverFile(path);
  if (!FileExistsQuietly(path)) return ParseVehicleLibrary("<KESTRELON></KESTRELON>");
  const std::optional<std::string> bytes = ReadWholeFile(path, Title, mostBytes);
  if (!bytes) return nullptr;
  // Each node costs the parser many times its bytes: a file of more than real vehicles hold
  // would take more memory than there is, and is refused before any is built.
  XmlOutline outline = XmlOutline::Fits;
  if (std::unique_ptr<XmlDocument> doc = ParseVehicleLibrary(*bytes, MostLibraryElements(mostBytes), &outline))
    return doc;
  if (outline == XmlOutline::TooManyNodes)
    TellFileError(FileError(EFBIG), Title, Title);
  else
    ui().MsgBox(PathText(path) + " is not a Kestrelon vehicle library - it has not been changed",
                Msg::Exclamation, Title);
  return nullptr;
}

void SaveLibrary(std::unique_ptr<XmlDocument> doc, const std::string& path, std::size_t mostBytes) {
  const std::string bytes = doc->Text();
  // One document alive at a time: the library is let go before its written form is read.
  doc.reset();
  // The written form must read back as the same library, one that writes the same text again,
  // before it may replace the old one; a form past the bound is refused by the write.
  if (bytes.size() <= mostBytes) {
    const std::unique_ptr<XmlDocument> written = ParseVehicleLibrary(bytes);
    if (!written || written->Text() != bytes) {
      ui().MsgBox(PathText(path) + " could not be written so that it reads back - it has not been changed",
                  Msg::Exclamation, Title);
      return;
    }
  }
  const FileWriteResult result = WriteFileReplacing(path, bytes, mostBytes);
  if (result.ok()) return;
  if (result.pathMissing())
    ui().MsgBox("Drive or path does not exist", Msg::Exclamation, Title);
  else
    ui().MsgBox(UnexpectedErrorText(result.error, result.description), Msg::Critical, Title);
}

}  // namespace

void FileConvert() { FileConvertWithin(MostFileBytes); }

void FileConvertWithin(std::size_t mostBytes) {
  if (!MakeXmlDocument) return;
  const WorkingModelCopy copy;
  RunGuarded(Title, [mostBytes] {
    S.PowerFileDescription.clear();
    S.VehicleFileDescription.clear();
    std::string name;
    if (!ReadVehicleToConvert(name)) return;
    const std::string path = LibraryPath();
    std::unique_ptr<XmlDocument> library = OpenLibrary(path, mostBytes);
    if (library && ConvertToXmlLibrary(*library, name)) SaveLibrary(std::move(library), path, mostBytes);
  });
  copy.Restore();
}

}  // namespace kestrelon
