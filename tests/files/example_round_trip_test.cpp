#include <gtest/gtest.h>

#include "core/state.h"
#include "core/tables.h"
#include "files/example_vehicles.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

TEST(ExampleRoundTrip, EveryExampleWrittenAndReadBackAsAFilePair) {
  InitExampleCatalogue();
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  for (int n = 1; n <= 25; ++n) {
    const std::string key = Tbl.ExampleKey[n];
    SCOPED_TRACE(key);
    S = SharedState{};
    LoadExampleVehicle(key);
    RebuildExamplePeakSummary();
    S.DataDescription = "Example " + key;
    const auto vehicle = S.VehicleData;
    const auto curve = S.PowerCurve;
    const int top = S.MaxRPMIndex;
    const auto summary = S.EngineSummary;
    ASSERT_TRUE(WriteVehicleFile(folder.file(key + ".WCD")).ok());
    ASSERT_TRUE(WritePowerFile(folder.file(key + ".VCD")).ok());

    S = SharedState{};
    LoadVehicleFile(folder.file(key + ".WCD"));
    LoadPowerFile(PowerFileBeside(folder.file(key + ".WCD")));
    EXPECT_EQ(S.LoadFailed, False);
    EXPECT_TRUE(seam.asked.empty());
    EXPECT_EQ(S.DataDescription, "Example " + key);
    for (int g = 0; g <= 10; ++g)
      for (int i = 1; i <= 20; ++i) EXPECT_EQ(S.VehicleData[g][i], vehicle[g][i]);
    EXPECT_EQ(S.VehicleData[1][0], "");  // the remark lives only in memory
    EXPECT_EQ(S.MaxRPMIndex, top);
    for (int c = 0; c < CurveColumns; ++c)
      for (int r = 1; r <= CurveTopRow; ++r)
        EXPECT_EQ(S.PowerCurve[c][r], r <= top ? curve[c][r] : 0.0f) << c << "," << r;
    // Within the span the loaded peaks are the example's own; only NISS300Z loses a point.
    if (key != "NISS300Z") {
      EXPECT_EQ(S.EngineSummary, summary);
    }
  }
}

}  // namespace
}  // namespace kestrelon
