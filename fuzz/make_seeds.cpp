// Writes the starting corpus of every fuzz target into the folder given as the argument, one
// subfolder per target, from the built-in example vehicles: their vehicle and power files, their
// typed texts, settings files, command lines and description lines.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "files/example_vehicles.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "files/xml_library.h"
#include "fuzz_support.h"

using namespace kestrelon;
namespace fs = std::filesystem;

namespace {

fs::path Root;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
  const fs::path folder = Root / target;
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << bytes;
}

// Each example as the program writes it, with its catalogue description.
void SeedsOfFiles() {
  for (int n = 1; n < ExampleSlots && !Tbl.ExampleKey[n].empty(); ++n) {
    fuzz::FreshModel();
    LoadExampleVehicle(Tbl.ExampleKey[n]);
    RebuildExamplePeakSummary();
    S.DataDescription = n % 2 ? Tbl.ExampleDescription[n] : std::string();
    const std::string id = "example" + std::to_string(n);
    WriteVehicleFile(fuzz::ScratchPath("seed.WCD"));
    WritePowerFile(fuzz::ScratchPath("seed.VCD"));
    const std::string vehicle = fuzz::ReadWhole(fuzz::ScratchPath("seed.WCD"));
    Seed("vehicle_file", id, vehicle);
    Seed("power_file", id, fuzz::ReadWhole(fuzz::ScratchPath("seed.VCD")));
    Seed("file_description", id, vehicle.substr(0, vehicle.find('\n') + 1));
    // Every typed text, under the unit types in turn.
    for (int g = 0; g < VehicleGroups; ++g)
      for (int i = 0; i < VehicleItems; ++i)
        if (!S.VehicleData[g][i].empty())
          Seed("typed_values", id + "-" + std::to_string(g) + "-" + std::to_string(i),
               std::string(1, static_cast<char>(g + i)) + S.VehicleData[g][i]);
  }
}

void SeedsOfSettings() {
  SettingsFiles files;
  files.Store = fuzz::ScratchPath("seed.ini");
  fuzz::FreshModel();
  fs::remove(files.Store);
  SaveSettings(files);
  Seed("settings_file", "defaults", fuzz::ReadWhole(files.Store));
  Cfg.DataPath = " /home/racer/data/ ";
  Cfg.DelayTime = 0.25f;
  Cfg.HandicapTime = 1.5f;
  Cfg.LastChassis = "/home/racer/data/CAR.WCD";
  Cfg.ProfOpts = 1234;
  SaveSettings(files);
  Seed("settings_file", "changed", fuzz::ReadWhole(files.Store) + '\0' +
                                       "[Kestrelon]\nDebug=True\nDelayTime=\"0,5\"\nShowLogo=0\n");
}

void SeedsOfCommandLines() {
  const std::vector<std::string> lines = {"CAR", "CAR.WCD\nCAR.VCD", "/data/my car.VCD\n/data/my car.WCD",
                                          "\"my car.WCD\",\"my car.VCD\"", "a b c"};
  for (std::size_t n = 0; n < lines.size(); ++n) Seed("command_line", "line" + std::to_string(n), lines[n]);
}

// Engine analysis exports (rpm and torque a line, with a title line) and dynamometer files (the
// chosen curve as the first byte, then a header closed by the line after the second one that
// begins with a line feed, then four lines a reading: the speed in characters 1-5, the torque
// in 21-29 after its label, as a line blank in characters 3-10 ends the data), made from the
// first example's no-nitrous curve, every row and every fifth row.
void SeedsOfImports() {
  fuzz::FreshModel();
  LoadExampleVehicle(Tbl.ExampleKey[1]);
  RebuildExamplePeakSummary();
  for (const int step : {1, 5}) {
    std::string analyser = "EngineAnalyserExport\r\n";
    std::string dyno = "Dynamometer run\r\n\nKestrelon seed\r\n\nSTD\r\nRPM  Torque\r\n";
    for (int row = S.MinRPMIndex; row <= S.MaxRPMIndex; row += step) {
      const std::string rpm = std::to_string(row * 100 + (row % 3) * 17);
      const std::string torque = NumText(S.PowerCurve[0][row]);
      analyser += rpm + (row % 2 ? "," : " ") + torque + (row % 2 ? ",0\r\n" : " 0\n");
      dyno += (rpm + "     ").substr(0, 5) + "  obs\r\nTorque (lb-ft)      " + torque + "\r\n3\r\n4\r\n";
    }
    dyno += "          \r\n";
    const std::string id = "example1-" + std::to_string(step);
    Seed("engine_analyser_import", id, analyser);
    for (char column = 0; column < CurveColumns; ++column)
      Seed("superflow_import", id + "-curve" + std::to_string(column), column + dyno);
  }
}

// The library target's input: an encoding byte, then each text as a length byte and its bytes:
// the first example's carried texts, once declared Windows-1252 and once UTF-8.
void SeedsOfLibrary() {
  fuzz::FreshModel();
  LoadExampleVehicle(Tbl.ExampleKey[1]);
  auto text = [](const std::string& t) { return std::string(1, static_cast<char>(std::min<std::size_t>(t.size(), 255))) + t.substr(0, 255); };
  std::string library = std::string(1, '\0') + text("Bob's car") + text("Example vehicle") + text("caf\xE9\x1A");
  for (const std::string& title : S.PowerDescript) library += text(title);
  for (const LibraryItem& item : LibraryItems()) library += text(S.VehicleData[item.vehicleGroup][item.vehicleItem]);
  for (int item : {13, 14, 15}) library += text(S.VehicleData[9][item]);
  Seed("xml_library", "example1", library);
  library[0] = 1;  // declared UTF-8
  Seed("xml_library", "example1-utf8", library);
}

// The library reader's input: a library of one vehicle as Convert writes it, declared
// Windows-1252, declared UTF-8 and with no declaration.
void SeedsOfLibraryFiles() {
  const std::string vehicle = "<KESTRELON>\n <VEHICLE>\n  <Name>Bob's car</Name>\n  <Description>caf\xE9\r\n</Description>\n"
                              "  <CLUTCH>\n   <ClutchOD>7.5IN</ClutchOD>\n  </CLUTCH>\n  <POWER>\n   <CURVE0>\n"
                              "    <TITLE>Gas</TITLE>\n    <POINT>\n     <RPM>3500</RPM>\n     <TORQUE>245.5</TORQUE>\n"
                              "    </POINT>\n   </CURVE0>\n  </POWER>\n </VEHICLE>\n</KESTRELON>\n";
  Seed("xml_library_reader", "windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n" + vehicle);
  std::string utf8 = vehicle;
  utf8.replace(utf8.find('\xE9'), 1, "\xC3\xA9");
  Seed("xml_library_reader", "utf-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + utf8);
  Seed("xml_library_reader", "undeclared", utf8);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
    return 2;
  }
  Root = argv[1];
  fuzz::FreshModel();
  InitExampleCatalogue();
  SeedsOfFiles();
  SeedsOfSettings();
  SeedsOfCommandLines();
  SeedsOfImports();
  SeedsOfLibrary();
  SeedsOfLibraryFiles();
  Seed("typed_values", "expressions", std::string(1, 0) + "2*21.5IN");
  Seed("typed_values", "fraction", std::string(1, 1) + "37/17");
  return 0;
}
