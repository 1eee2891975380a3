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
#include "superflow_sheet.h"
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

using test::SuperFlowSheet;

TEST_F(PowerImportCommands, EngineAnalyserJoinsReadingsWithStraightLines) {
  S.PowerCurveIndex = 2;  // whichever column the graph shows, column 0 is filled
  S.LoadFailed = True;     // left by an entry cancelled earlier
  windows.answers = {{folder.write("dyno.csv", "2000,100,1\n2500,150,1\n3000,100,1\n")}};
  FilePowerEA();
  EXPECT_EQ(S.LoadFailed, False);  // a later entry goes on from the curve taken
  const auto& t = S.PowerCurve[0];
  // Nothing of the old curve stays below the first reading, so the span starts there.
  EXPECT_EQ(std::tuple(S.PowerCurveIndex, S.MinRPMIndex, S.MaxRPMIndex, t[19]), std::tuple(0, 20, 30, 0));
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
  // A line is quoted up to 80 characters; a longer one is cut there and "..." follows.
  const std::string title80 = "RPM,Torque,Power" + std::string(64, 'x');
  std::string megabyteLine;
  while (megabyteLine.size() < 1000000) megabyteLine += "A ";
  const std::pair<std::string, std::string> cases[] = {
      {"RPM,Torque,Power\n2000,100,1\n", "RPM,Torque,Power" + invalid},
      {title80 + "\n", title80 + invalid},
      {megabyteLine, megabyteLine.substr(0, 80) + "..." + invalid},
      {"2000,100\n", "No data in file " + path},
      {"", "No data in file " + path},
      // A typing slip no power file holds, and readings whose joining line meets zero at row
      // 25, where a saved power file would end the curve.
      {"2000,100,1\n2500,20000000,1\n", "2500,20000000,1" + invalid},
      {"2000,100,1\n3000,-100,1\n4000,100,1\n", path + invalid},
      // No torque above 0: a saved power file would open with no curve.
      {"2000,0,1\n3000,-5,1\n", "No data in file " + path},
      // A torque that a later reading of its row takes back.
      {"3000,100,1\n3000,-5,1\n", "No data in file " + path},
  };
  for (const auto& [bytes, message] : cases) {
    SCOPED_TRACE(bytes.substr(0, 100));
    windows.answers = {{folder.write("dyno.csv", bytes)}};
    S.LoadFailed = False;
    FilePowerEA();
    const std::string& said = seam.asked.back().text;
    EXPECT_TRUE(said == message) << said.substr(0, 200);
    EXPECT_EQ(S.LoadFailed != False, said.ends_with(invalid));  // a file without data is no failed load
    EXPECT_EQ(S.PowerCurve, curve);
    EXPECT_EQ(S.EngineSummary, summary);
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex), std::tuple(15, 60, 58));
    EXPECT_EQ(std::tuple(S.DataSaved, S.CalcRequested), std::tuple(True, False));
    EXPECT_EQ(S.CancelFlag, 0);  // no later command finds the refusal
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
  S.LoadFailed = True;  // left by an earlier refused import or cancelled file dialog
  windows.answers = {{folder.write("RUN.SD9", SuperFlowSheet({{2000, "200.0"}, {3000, "200.0"}}))}};
  SuperFlowChoice.ChooseCurve = [] { S.CurrentStage = 1; };
  FilePowerSuper();
  EXPECT_FLOAT_EQ(S.PowerCurve[1][25], 200);
  EXPECT_EQ(S.PowerCurve[0][25], 50);
  // The no-nitrous curve still ends at its own top.
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(15, 60));
  EXPECT_EQ(std::tuple(S.DataSaved, S.EngineEntered, S.CancelFlag), std::tuple(False, False, 0));
  EXPECT_EQ(S.InputDataMode, 1);
  EXPECT_TRUE(seam.asked.empty());  // not "Data entry cancelled"
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

// Accepted imports into an example (none: the fixture's curve, its no-nitrous column emptied) keep
// the other curves, and a power file saved then opens with the same curves and span: a first
// reading without a torque above 0 does not start the span, and a last one of torque 0 does not
// end it.
TEST_F(PowerImportCommands, AcceptedImportsReopenAsAccepted) {
  struct Case {
    const char* example;
    int column;
    std::string superFlow, engineAnalyser;
    Integer min, max;
  };
  const Case cases[] = {
      {nullptr, 0, "", "3000,100,1\n4000,120,1\n5000,110,1\n6000,0,1\n", 30, 50},
      {nullptr, 0, "", "2000,-10,1\n3000,100,1\n4000,120,1\n", 21, 40},
      {"WESTFLD", 0, SuperFlowSheet({{2000, "100.0"}, {5000, "130.0"}, {7000, "0.0"}}), "", 20, 69},
      {"WESTFLD", 0, SuperFlowSheet({{2000, "0.0"}, {3000, "100.0"}, {7000, "120.0"}}), "", 21, 70},
      {"WESTFLD", 0, SuperFlowSheet({{2000, "-20.0"}, {3000, "100.0"}, {7000, "120.0"}}), "", 22, 70},
      {"NFUNNY16", 1, SuperFlowSheet({{3000, "150.0"}, {4000, "150.0"}, {11000, "150.0"}}), "", 30, 120},
      {"NFUNNY16", 2, SuperFlowSheet({{3000, "150.0"}, {11000, "150.0"}}), "", 30, 120},
      // A nitrous curve above the no-nitrous one's top: the file keeps it whole.
      {"TGHARLEY", 1, SuperFlowSheet({{3000, "150.0"}, {9000, "150.0"}}), "", 30, 68},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.example ? c.example : "fixture") + " column " + std::to_string(c.column));
    if (c.example) {
      S = SharedState{};
      LoadExampleVehicle(c.example);
      RebuildExamplePeakSummary();
    } else {
      SetUp();
      S.PowerCurve[0] = {};
    }
    S.DataSaved = True;
    const CurveTable before = S.PowerCurve;
    if (c.engineAnalyser.empty()) {
      windows.answers = {{folder.write("RUN.SD9", c.superFlow)}};
      SuperFlowChoice.ChooseCurve = [&c] { S.CurrentStage = c.column; };
      FilePowerSuper();
    } else {
      windows.answers = {{folder.write("dyno.csv", c.engineAnalyser)}};
      FilePowerEA();
    }
    ASSERT_EQ(S.DataSaved, False);
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(c.min, c.max));
    for (int other = 0; other < CurveColumns; ++other)
      if (other != c.column) {
        EXPECT_EQ(S.PowerCurve[other], before[other]) << other;
      }
    EXPECT_EQ(SavedAndReopened(folder), Now());
  }
}

TEST_F(PowerImportCommands, UnexpectedErrorsAreShownAndTheProgramGoesOn) {
  RunGuarded("Convert", [] { throw std::runtime_error("disk gone"); });
  RunGuarded("Convert", [] { throw std::bad_alloc(); });
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[0].text, "Unexpected Error # 0 : disk gone");
  EXPECT_EQ(seam.asked[0].title, "Convert");
  EXPECT_EQ(seam.asked[1].text, "Unexpected Error # 12 : Cannot allocate memory");
}

}  // namespace
}  // namespace kestrelon
