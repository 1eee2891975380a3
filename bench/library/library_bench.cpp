// The vehicle library at the size a racer's collection reaches: 63 MB, some 1,200 converted
// vehicles. Reading it, as Convert does before it adds a vehicle, and a whole Convert into it
// (read, add, check the written form, write).

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "files/convert_command.h"
#include "files/example_vehicles.h"
#include "files/file_windows.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "files/xml_library.h"
#include "platform/qt/qt_xml_document.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

constexpr std::size_t LibraryBytes = 63'000'000;

// The first example converted under numbered names until the library holds LibraryBytes, as
// Convert writes it; the example stays in the model.
const std::string& Library() {
  static const std::string library = [] {
    UseQtXmlDocument();
    InitTables();
    InitExampleCatalogue();
    LoadExampleVehicle(Tbl.ExampleKey[1]);
    const std::unique_ptr<XmlDocument> one = ParseVehicleLibrary("<KESTRELON/>");
    ConvertToXmlLibrary(*one, "CAR");
    const std::string text = one->Text();
    const std::size_t from = text.find("\n") + 1, to = text.rfind("</KESTRELON>");  // the VEHICLE's lines
    const std::string vehicle = text.substr(from, to - from), name = "<Name>CAR</Name>";
    const std::size_t at = vehicle.find(name);
    std::string bytes = text.substr(0, from);
    for (int n = 0; bytes.size() < LibraryBytes; ++n)
      bytes += vehicle.substr(0, at) + "<Name>CAR" + std::to_string(n) + "</Name>" + vehicle.substr(at + name.size());
    return bytes + text.substr(to);
  }();
  return library;
}

void BM_ReadLibrary63MB(benchmark::State& state) {
  const std::string& bytes = Library();
  for (auto _ : state) {
    const std::unique_ptr<XmlDocument> doc = ParseVehicleLibrary(bytes, MostLibraryElements(MostFileBytes));
    if (!doc) state.SkipWithError("the library was refused");
    benchmark::DoNotOptimize(doc.get());
  }
}

// Each Convert replaces the vehicle the one before added, so the library keeps its size.
void BM_ConvertInto63MBLibrary(benchmark::State& state) {
  const std::string& bytes = Library();
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kestrelon-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  Cfg.DataPath = folder.string() + "/";
  std::ofstream(LibraryPath(), std::ios::binary) << bytes;
  const std::string vehicle = (folder / "CAR0.WCD").string();
  if (!WriteVehicleFile(vehicle).ok() || !WritePowerFile((folder / "CAR0.VCD").string()).ok())
    state.SkipWithError("the vehicle could not be written");
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  FileWindows.ShowFileDialog = [&vehicle](const FileDialogLook&) { S.FileDialogResult = vehicle; };
  for (auto _ : state) {
    seam.answers = {Msg::Yes};
    seam.asked.clear();
    FileConvert();
    if (seam.asked.size() != 1) state.SkipWithError(seam.asked.back().text.c_str());
  }
  FileWindows = FileWindowHooks{};
  std::filesystem::remove_all(folder);
}

BENCHMARK(BM_ReadLibrary63MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertInto63MBLibrary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrelon
