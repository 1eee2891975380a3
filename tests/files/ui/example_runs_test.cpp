// Every built-in example, saved as a vehicle and power file pair, opened again with Open
// Complete Vehicle (the automatic pass) and run from the run set-up with its stored launch
// settings, runs without a gap in its recorded channels and in the range such vehicles run.
#include <cmath>
#include <cstdio>

#include "file_window_fixture.h"
#include "files/file_commands.h"
#include "files/vehicle_io.h"
#include "simulation/timing_points.h"

namespace kestrelon::test {
namespace {

// Elapsed time over the quarter mile (s) and trap speed (mph) a racer would believe of each
// example, from what such vehicles run at the strip (bracketed generously).
struct Expected {
  const char* key;
  double etLow, etHigh, mphLow, mphHigh;
};

const Expected Examples[] = {
    {"WESTFLD", 12.5, 16.5, 90, 115},   {"NFUNNY16", 7.0, 9.5, 150, 195},
    {"TNFUNNY", 6.5, 9.0, 160, 215},    {"PSB1990", 7.5, 9.5, 150, 185},
    {"MONZA", 7.5, 9.0, 150, 180},      {"TWOSTK400", 9.5, 12.5, 120, 155},
    {"PS-CAR", 6.4, 7.6, 185, 220},     {"TFBIKE", 5.8, 7.5, 190, 245},
    {"ALKYCAR", 5.2, 6.3, 230, 280},    {"FUNNYCAR", 4.6, 5.8, 270, 340},
    {"TFDRAG", 4.4, 5.6, 280, 340},     {"SUPERGAS", 9.5, 10.5, 125, 175},
    {"TFHARLEY", 6.0, 7.8, 190, 240},   {"F1CAR", 8.5, 11.0, 150, 200},
    {"BERZERKO", 9.5, 13.0, 115, 145},  {"PSB1999", 7.0, 8.2, 170, 200},
    {"STREET57", 10.5, 14.0, 100, 135}, {"PROMODSZ", 6.8, 8.5, 170, 205},
    {"GP500", 9.0, 11.5, 135, 175},     {"NISS300Z", 11.5, 15.0, 100, 125},
    {"TGHARLEY", 9.5, 11.5, 125, 150},   {"TFYAMAHA", 5.8, 7.5, 190, 245},
    {"HAYABUSA", 9.0, 11.0, 135, 160},  {"CBR929", 9.8, 11.5, 130, 150},
    {"ZX12-R", 9.2, 11.0, 135, 160},
};

class ExampleRuns : public FileWindowTest {
 protected:
  // Saves the example as a pair, opens it again and runs it; false when a step failed.
  bool SaveOpenAndRun(const char* key) {
    const QString name = QString::fromLatin1(key);
    // The example as the Example command leaves it, saved under its own name.
    S = SharedState{};
    LoadExampleVehicle(key);
    RebuildExamplePeakSummary();
    DialogDriver driver;
    driver.actions = {TypeAndOpen(name), TypeAndOpen(name)};
    if (SaveVehicleAndPower() != SaveOutcome::Saved) return false;

    // Opened again: one dialog, every form accepting its stored texts.
    S = SharedState{};
    S.DataSaved = True;
    ui.asked.clear();
    driver.actions = {TypeAndOpen(name)};
    if (!FileVehicle() || S.VehicleLoadDone == False) return false;
    EXPECT_EQ(driver.shown, 3);
    EXPECT_EQ(ui.asked.size(), 1u);  // "Data successfully loaded"

    // Run from the run set-up, which accepts the stored launch settings as it loads.
    ui.asked.clear();
    S.AutoAccept = True;
    Form::Instance("frmDataLaunch")->Show();
    S.AutoAccept = False;
    for (const Asked& a : ui.asked) ADD_FAILURE() << a.title << ": " << a.text;
    CalcTimingPoints();
    return S.RunDone != False;
  }
};

TEST_F(ExampleRuns, EveryExampleOpensAndRunsWithEveryChannelANumber) {
  for (const Expected& example : Examples) {
    SCOPED_TRACE(example.key);
    ASSERT_TRUE(SaveOpenAndRun(example.key));
    EXPECT_EQ(S.PointCount, LastRunPoint);
    for (int channel = 0; channel < RunChannelCount; ++channel)
      for (int point = 0; point <= S.PointCount; ++point)
        ASSERT_TRUE(std::isfinite(S.RunResults[channel][CurrentRun][point]))
            << "channel " << channel << " point " << point;
  }
}

TEST_F(ExampleRuns, EveryExampleRunsAsSuchAVehicleRuns) {
  std::printf("%-10s %8s %9s %8s\n", "example", "ET s", "trap mph", "60 ft s");
  for (const Expected& example : Examples) {
    SCOPED_TRACE(example.key);
    ASSERT_TRUE(SaveOpenAndRun(example.key));
    std::printf("%-10s %8.3f %9.2f %8.3f\n", example.key, S.Time1320ft, S.Speed1320ft, S.Time60ft);
    EXPECT_GE(S.Time1320ft, example.etLow);
    EXPECT_LE(S.Time1320ft, example.etHigh);
    EXPECT_GE(S.Speed1320ft, example.mphLow);
    EXPECT_LE(S.Speed1320ft, example.mphHigh);
  }
}

}  // namespace
}  // namespace kestrelon::test
