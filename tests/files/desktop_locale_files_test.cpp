// The files the program writes are the same bytes on a German desktop (decimal comma) as in the
// C locale, so that a file moves between desktops unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "files/example_vehicles.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "files/xml_library.h"
#include "platform/qt/qt_xml_document.h"
#include "report/report_file.h"
#include "support/example_entry.h"
#include "support/scoped_locale.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

// The vehicle file, power file, library and report of the "Pro Stock car" example after a run,
// written in the given locale.
std::array<std::string, 4> WrittenFiles(const char* locale) {
  test::ScopedLocale desktop;
  EXPECT_TRUE(desktop.Use(locale));
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::TempFolder folder;
  S = SharedState{};
  Cfg = Settings{};
  InitTables();
  InitExampleCatalogue();
  const auto& keys = Tbl.ExampleKey;
  const int row = static_cast<int>(std::find(keys.begin(), keys.end(), "PS-CAR") - keys.begin());
  test::RunExampleAutomatically(row);
  EXPECT_GT(S.Time1320ft, 0);
  EXPECT_TRUE(WriteVehicleFile(folder.file("PS.WCD")).ok());
  EXPECT_TRUE(WritePowerFile(folder.file("PS.VCD")).ok());
  EXPECT_TRUE(FilePerformanceData(folder.file("PS.TXT")));
  UseQtXmlDocument();
  const std::unique_ptr<XmlDocument> library = ParseVehicleLibrary("<KESTRELON></KESTRELON>");
  EXPECT_TRUE(library && ConvertToXmlLibrary(*library, "PS-CAR"));
  MakeXmlDocument = nullptr;
  for (const test::Asked& asked : seam.asked) EXPECT_EQ(asked.text, "Data successfully loaded");
  return {test::TempFolder::read(folder.file("PS.WCD")), test::TempFolder::read(folder.file("PS.VCD")),
          test::TempFolder::read(folder.file("PS.TXT")), library ? library->Text() : std::string()};
}

TEST(FilesOnAGermanDesktop, AreByteForByteThoseOfTheCLocale) {
  const std::array<std::string, 4> c = WrittenFiles("C");
  const std::array<std::string, 4> german = WrittenFiles("de_DE.UTF-8");
  const char* names[] = {"vehicle file", "power file", "report file", "library"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(c[i].empty()) << names[i];
    EXPECT_EQ(german[i], c[i]) << names[i];
  }
  // Decimals are written with a point: the drag coefficient, a torque, the quarter-mile time.
  EXPECT_NE(c[0].find("\r\n.36\r\n"), std::string::npos);
  S = SharedState{};
  Cfg = Settings{};
}

}  // namespace
}  // namespace kestrelon
