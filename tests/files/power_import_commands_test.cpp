// The File menu's curve imports: the Engine Analyser command joins its readings and brings the
// span, summary and rev limit into line, or changes nothing at all for a refused file; the
// SuperFlow command hands a good import to the data entry and ends quietly when cancelled.
#include "files/power_import_commands.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/state.h"
#include "files/example_vehicles.h"
#include "files/power_file.h"
#include "power/superflow_import.h"
#include "scripted_file_windows.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class PowerImportCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    S.MinRPMIndex = 15;
    S.MaxRPMIndex = 60;
    S.RevLimitIndex = 58;
    S.DataSaved = True;
    S.CalcRequested = False;
    for (int j = 15; j <= 60; ++j) S.PowerCurve[0][j] = 50;
    S.EngineSummary[0] = {50, 15, 57, 60};
  }
  void TearDown() override { SuperFlowChoice = SuperFlowWindows{}; }

  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(PowerImportCommands, EngineAnalyserJoinsReadingsWithStraightLines) {
  S.PowerCurveIndex = 2;  // whichever column the graph shows, column 0 is filled
  windows.answers = {{folder.write("dyno.csv", "2000,100,1\n2500,150,1\n3000,100,1\n")}};
  FilePowerEA();
  const auto& t = S.PowerCurve[0];
  // Rows below the first reading keep their points, so the span starts where they do.
  EXPECT_EQ(std::tuple(S.PowerCurveIndex, S.MinRPMIndex, S.MaxRPMIndex), std::tuple(0, 15, 30));
  EXPECT_EQ(t[19], 50);
  for (int j = 20; j <= 25; ++j) EXPECT_FLOAT_EQ(t[j], 100 + 10.0f * (j - 20)) << j;
  for (int j = 26; j <= 30; ++j) EXPECT_FLOAT_EQ(t[j], 150 - 10.0f * (j - 25)) << j;
  EXPECT_EQ(S.EngineSummary[0][0], 150);  // the summary follows the new curve
  EXPECT_EQ(S.EngineSummary[0][1], 25);
  EXPECT_EQ(S.RevLimitIndex, 30);          // the limit above the new top comes down to it
  EXPECT_EQ(std::tuple(S.DataSaved, S.CalcRequested), std::tuple(False, True));
  EXPECT_EQ(windows.dialogs.at(0).pattern, "*.*");
}

TEST_F(PowerImportCommands, RefusedOrEmptyEngineAnalyserFileChangesNothing) {
  const CurveTable curve = S.PowerCurve;
  const PeakSummary summary = S.EngineSummary;
  const std::string invalid = " contains invalid data - loading will be aborted";
  const std::string path = folder.file("dyno.csv");
  const std::pair<const char*, std::string> cases[] = {
      {"RPM,Torque,Power\n2000,100,1\n", "RPM,Torque,Power" + invalid},
      {"2000,100\n", "No data in file " + path},
      {"", "No data in file " + path},
      // A typing slip no power file holds, and readings whose joining line meets zero at row
      // 25, where a saved power file would end the curve.
      {"2000,100,1\n2500,20000000,1\n", "2500,20000000,1" + invalid},
      {"2000,100,1\n3000,-100,1\n4000,100,1\n", path + invalid},
  };
  for (const auto& [bytes, message] : cases) {
    SCOPED_TRACE(bytes);
    windows.answers = {{folder.write("dyno.csv", bytes)}};
    FilePowerEA();
    EXPECT_EQ(seam.asked.back().text, message);
    EXPECT_EQ(S.PowerCurve, curve);
    EXPECT_EQ(S.EngineSummary, summary);
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex), std::tuple(15, 60, 58));
    EXPECT_EQ(std::tuple(S.DataSaved, S.CalcRequested), std::tuple(True, False));
  }
}

TEST_F(PowerImportCommands, SuperFlowCancelledChoiceEndsQuietly) {
  const CurveTable curve = S.PowerCurve;
  windows.answers = {{folder.write("RUN.SD9", "a\r\n\nb\r\n\nc\r\nd\r\n 2000\r\n")}};
  SuperFlowChoice.ChooseCurve = [] { S.CancelFlag = 1; };
  FilePowerSuper();
  EXPECT_EQ(S.CancelFlag, 0);
  EXPECT_EQ(S.PowerCurve, curve);
  EXPECT_EQ(std::tuple(S.DataSaved, S.InputDataPending), std::tuple(True, False));
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_EQ(windows.dialogs.at(0).pattern, "*.SD9");
}

TEST_F(PowerImportCommands, SuperFlowImportGoesOnToTheDataEntry) {
  std::string sd9 = "a\r\n\nb\r\n\nc\r\nd\r\n";
  for (const char* rpm : {" 2000", " 3000"})
    sd9 += std::string(rpm) + "\r\nTorque (lb-ft)      200.0\r\n3\r\n4\r\n";
  windows.answers = {{folder.write("RUN.SD9", sd9)}};
  SuperFlowChoice.ChooseCurve = [] { S.CurrentStage = 1; };
  FilePowerSuper();
  EXPECT_FLOAT_EQ(S.PowerCurve[1][25], 200);
  EXPECT_EQ(S.PowerCurve[0][25], 50);
  // The no-nitrous curve still ends at its own top.
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(15, 60));
  EXPECT_EQ(std::tuple(S.DataSaved, S.EngineEntered, S.CancelFlag), std::tuple(False, False, 0));
  EXPECT_EQ(S.InputDataMode, 1);
}

// The curves and span a power file saved now gives back when it is opened.
struct ReadBack {
  CurveTable curve;
  Integer min, max;
  bool operator==(const ReadBack&) const = default;
  friend void PrintTo(const ReadBack& r, std::ostream* os) {
    *os << "span " << r.min << ".." << r.max << ", last points";
    for (const auto& column : r.curve)
      for (int row = CurveTopRow; row >= 0; --row)
        if (column[row] != 0 || row == 0) {
          *os << " " << row;
          break;
        }
  }
};
ReadBack Now() { return {S.PowerCurve, S.MinRPMIndex, S.MaxRPMIndex}; }
ReadBack SavedAndReopened(const test::TempFolder& folder) {
  const std::string path = folder.file("SAVED.VCD");
  EXPECT_TRUE(WritePowerFile(path).ok());
  const ReadBack kept = Now();
  LoadPowerFile(path);
  const ReadBack back = Now();
  S.PowerCurve = kept.curve;
  S.MinRPMIndex = kept.min;
  S.MaxRPMIndex = kept.max;
  return back;
}

// A SuperFlow curve ending below the no-nitrous curve's top, imported into either nitrous column
// of an example, leaves the span where it was: a power file saved then keeps every row of every
// curve and opens as the same curves and span.
TEST_F(PowerImportCommands, ANitrousImportKeepsEveryCurveThroughASaveAndReopen) {
  for (const int column : {1, 2}) {
    SCOPED_TRACE(column);
    S = SharedState{};
    LoadExampleVehicle("NFUNNY16");
    RebuildExamplePeakSummary();
    const Integer min = S.MinRPMIndex, max = S.MaxRPMIndex;
    ASSERT_GT(max - min, 20);
    std::string sd9 = "a\r\n\nb\r\n\nc\r\nd\r\n";
    for (const int rpm : {min * 100, (min + 10) * 100, (max - 10) * 100}) {
      const std::string speed = std::to_string(rpm);  // in characters 1 to 5
      sd9 += std::string(5 - speed.size(), ' ') + speed + "\r\nTorque (lb-ft)      150.0\r\n3\r\n4\r\n";
    }
    windows.answers = {{folder.write("RUN.SD9", sd9)}};
    SuperFlowChoice.ChooseCurve = [column] { S.CurrentStage = column; };
    S.DataSaved = True;
    FilePowerSuper();
    ASSERT_EQ(S.DataSaved, False);
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(min, max));
    EXPECT_FLOAT_EQ(S.PowerCurve[column][max - 10], 150);
    EXPECT_EQ(S.PowerCurve[column][max - 9], 0);
    EXPECT_EQ(SavedAndReopened(folder), Now());
  }
}

// An Engine Analyser file whose last reading has no torque: the curve ends at the last reading
// with one, and a power file saved then opens with the same span and curve.
TEST_F(PowerImportCommands, AnEngineAnalyserCurveEndsAtItsLastReadingWithATorque) {
  S.PowerCurve[0] = {};
  windows.answers = {{folder.write("dyno.csv", "3000,100,1\n4000,120,1\n5000,110,1\n6000,0,1\n")}};
  FilePowerEA();
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex), std::tuple(30, 50, 50));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][45], 115);
  EXPECT_EQ(S.PowerCurve[0][51], 0);
  EXPECT_EQ(SavedAndReopened(folder), Now());
}

TEST_F(PowerImportCommands, UnexpectedErrorsAreShownAndTheProgramGoesOn) {
  RunGuarded("Convert", [] { throw std::runtime_error("disk gone"); });
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Unexpected Error # 0 : disk gone");
  EXPECT_EQ(seam.asked[0].title, "Convert");
}

}  // namespace
}  // namespace kestrelon
