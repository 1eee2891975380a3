#include <gtest/gtest.h>

#include <tuple>

#include "core/state.h"
#include "core/tables.h"
#include "files/example_vehicles.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "power/superflow_import.h"
#include "superflow_sheet.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

// Every example written as a file pair and read back; then with a 2000-6500 rpm sheet imported
// into its no-nitrous curve, which brings the span's top below the nitrous curves' tops, written
// and read back again. Every curve comes back whole each time (NISS300Z's first stage with its
// row above the span's top).
TEST(ExampleRoundTrip, EveryExampleWrittenAndReadBackAsAFilePair) {
  InitExampleCatalogue();
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  const std::string sheet = folder.write(
      "LOWER.SD9", test::SuperFlowSheet({{2000, "300.0"}, {4500, "400.0"}, {6500, "350.0"}}));
  for (int n = 1; n <= 25; ++n) {
    const std::string key = Tbl.ExampleKey[n];
    SCOPED_TRACE(key);
    S = SharedState{};
    LoadExampleVehicle(key);
    RebuildExamplePeakSummary();
    S.DataDescription = "Example " + key;
    const SharedState saved = S;
    ASSERT_TRUE(WriteVehicleFile(folder.file(key + ".WCD")).ok());
    ASSERT_TRUE(WritePowerFile(folder.file(key + ".VCD")).ok());

    S = SharedState{};
    LoadVehicleFile(folder.file(key + ".WCD"));
    LoadPowerFile(PowerFileBeside(folder.file(key + ".WCD")));
    EXPECT_EQ(std::tuple(S.LoadFailed, S.DataDescription, S.MinRPMIndex, S.MaxRPMIndex),
              std::tuple(False, "Example " + key, saved.MinRPMIndex, saved.MaxRPMIndex));
    EXPECT_TRUE(seam.asked.empty());
    for (int g = 0; g <= 10; ++g)
      for (int i = 1; i <= 20; ++i) EXPECT_EQ(S.VehicleData[g][i], saved.VehicleData[g][i]);
    EXPECT_EQ(S.VehicleData[1][0], "");  // the remark lives only in memory
    EXPECT_EQ(S.PowerCurve, saved.PowerCurve);
    EXPECT_EQ(S.EngineSummary, saved.EngineSummary);

    S.CurrentStage = 0;
    ImportSuperFlowPower(sheet, 0);
    ASSERT_EQ(std::tuple(S.CancelFlag, S.MinRPMIndex, S.MaxRPMIndex), std::tuple(0, 20, 65));
    const CurveState imported = S;
    ASSERT_TRUE(WritePowerFile(folder.file(key + ".VCD")).ok());
    S = SharedState{};
    LoadPowerFile(folder.file(key + ".VCD"));
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(20, 65));
    EXPECT_EQ(S.PowerCurve, imported.PowerCurve);
    for (int c = 1; c < CurveColumns; ++c) EXPECT_EQ(S.PowerCurve[c], saved.PowerCurve[c]) << c;
  }
}

}  // namespace
}  // namespace kestrelon
