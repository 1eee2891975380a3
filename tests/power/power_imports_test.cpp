// The two curve imports: what the readers take from an Engine Analyser export and a SuperFlow
// *.SD9 file, and what a good, a refused and an empty file do to the curve and its span.
#include <gtest/gtest.h>

#include <algorithm>

#include "../files/scripted_file_windows.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "export_files.h"
#include "files/example_command.h"
#include "files/example_vehicles.h"
#include "files/file_commands.h"
#include "power/curve_graph_commands.h"
#include "power/curve_graph_imports.h"
#include "power/engine_analyser_import.h"
#include "power/enter_power_curve.h"
#include "power/superflow_import.h"
#include "support/failing_file_system.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

using test::ExportFile;
using test::SD9;

class PowerImports : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 60;
    S.RevLimitIndex = 55;
    for (int j = 20; j <= 60; ++j) S.PowerCurve[0][j] = 100;
    S.EngineSummary[0] = {100, 20, 114, 60};
  }
  void ExpectUntouched(const CurveTable& curve) {
    EXPECT_EQ(S.PowerCurve, curve);
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(20, 60));
    EXPECT_EQ(S.EngineSummary[0][0], 100);
  }
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST(EngineAnalyserReader, FieldsSeparatorsAndSkippedLines) {
  // A byte-order mark in front of the first line is no part of it.
  for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
    SCOPED_TRACE(mark.size());
    const EngineAnalyserData data = ReadEngineAnalyserExport(
        mark + "  3000,250.5,99\r\n"
        "TitleWithoutSeparators\n"
        "\n"
        "3050 260 x\n"        // blanks: row 30 again (halves to even)
        "4000,300\n"          // one separator only: no reading
        "149,5\n"             // row 1 is a row of the curve: not refused
        "4000  x\n"           // two blanks end the torque field at once: torque 0
        "1190  0,396.34,1\n"  // blanks inside a number are skipped
        "38 9.5,75 6.93,x\n"
        "15000,10000000,1\n"  // the top row, and the largest torque a power file holds
        "16000,400,1\n",      // above the top row: skipped
        150);
    ASSERT_FALSE(data.refused);
    ASSERT_EQ(data.readings.size(), 6u);
    EXPECT_EQ(std::pair(data.readings[0].row, data.readings[0].torque), std::pair(Integer{30}, 250.5f));
    EXPECT_EQ(std::pair(data.readings[1].row, data.readings[1].torque), std::pair(Integer{30}, 260.0f));
    EXPECT_EQ(std::pair(data.readings[2].row, data.readings[2].torque), std::pair(Integer{40}, 0.0f));
    EXPECT_EQ(std::pair(data.readings[3].row, data.readings[3].torque), std::pair(Integer{119}, 396.34f));
    EXPECT_EQ(std::pair(data.readings[4].row, data.readings[4].torque), std::pair(Integer{4}, 756.93f));
    EXPECT_EQ(std::pair(data.readings[5].row, data.readings[5].torque), std::pair(Integer{150}, 1e7f));
  }
}

TEST(EngineAnalyserReader, TitlesNegativeSpeedsAndTorquesNoFileHoldsRefuseTheFile) {
  for (const char* bad : {"RPM,Torque,Power\n3000,200,1\n", "Engine speed\n", "-3000,200,1\n",
                          "3000,200,1\n40,100,1\n", "3000,200,1\n3100,20000000,1\n",
                          "3000 -99999999999 1\n", "3000,99999999999999999999999999999999999999999,1\n",
                          "\xFF\xFE\n3000,200,1\n", "\xFE\xFF" "Export\n3000,200,1\n"}) {  // behind a UTF-16 mark
    SCOPED_TRACE(bad);
    const EngineAnalyserData data = ReadEngineAnalyserExport(bad, 60);
    EXPECT_TRUE(data.refused);
    EXPECT_TRUE(data.readings.empty());
  }
  EXPECT_EQ(ReadEngineAnalyserExport("\xEF\xBB\xBF\xEF\xBB\xBF" "Export \n3000,200,1\n", 60).invalidLine, "\xEF\xBB\xBF" "Export");
}

TEST_F(PowerImports, EngineAnalyserWritesReadingsAndEmptiesTheRowsBetween) {
  ExportFile file("3000,200,1\r\n3300,210,1\r\n3300,220,1\r\n");
  const EngineAnalyserImport import = ImportEngineAnalyserPower(file.path, 0);
  EXPECT_EQ(std::tuple(import.end, import.top), std::tuple(ImportEnd::Taken, 33));
  EXPECT_EQ(S.PowerCurve[0][29], 100);  // below the first reading: kept
  EXPECT_EQ(S.PowerCurve[0][30], 200);
  EXPECT_EQ(S.PowerCurve[0][31], 0);
  EXPECT_EQ(S.PowerCurve[0][32], 0);
  EXPECT_EQ(S.PowerCurve[0][33], 220);  // the later reading of the row stays
  EXPECT_EQ(S.PowerCurve[0][34], 100);  // above the last reading: kept
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.CancelFlag), std::tuple(20, 60, 0));
  // A reading below the curve moves the no-nitrous curve's first row, not a nitrous one's.
  ExportFile lower("1000,50,1\r\n");
  ImportEngineAnalyserPower(lower.path, 1);
  EXPECT_EQ(S.MinRPMIndex, 20);
  ImportEngineAnalyserPower(lower.path, 0);
  EXPECT_EQ(S.MinRPMIndex, 10);
  ExportFile wider("3000,200,1\r\n9000,150,1\r\n");  // a new engine: nothing of the old curve, readings to the top
  EXPECT_EQ(ImportEngineAnalyserPower(wider.path, 0, ImportInto::NewCurve).top, 90);
  EXPECT_EQ(std::tuple(S.PowerCurve[0][29], S.PowerCurve[0][90]), std::tuple(0, 150));
}

TEST_F(PowerImports, EngineAnalyserPeakPowerOfAShortCurveIsScaledToRow65) {
  // 1313 lb-ft at row 25 is 625 BHP exactly; a curve ending at row 1..64 scales it by 65 / top.
  ExportFile file("2500,1313,1\n");
  const std::tuple<Integer, Integer, Integer> cases[] = {{25, 0, 1625}, {64, 0, 635}, {64, 700, 700}, {100, 0, 625}};
  for (const auto& [top, before, expected] : cases) {
    S.MaxRPMIndex = top;
    S.PowerMaxPower = before;
    ImportEngineAnalyserPower(file.path, 0);
    EXPECT_EQ(S.PowerMaxPower, expected) << top << " " << before;
  }
}

// A refusal leaves LoadFailed and CancelFlag as the caller had them: a guided entry whose curve
// graph imports the file goes on.
TEST_F(PowerImports, RefusedOrEmptyEngineAnalyserFileChangesNothing) {
  const CurveTable before = S.PowerCurve;
  ExportFile refused("3000,200,1\nRPM,Torque,Power\n");
  EXPECT_EQ(ImportEngineAnalyserPower(refused.path, 0).end, ImportEnd::InvalidData);
  ExpectUntouched(before);
  EXPECT_EQ(std::tuple(S.LoadFailed, S.CancelFlag), std::tuple(False, 0));
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "RPM,Torque,Power contains invalid data - loading will be aborted");
  EXPECT_EQ(seam.asked[0].title, "Load power data");

  ExportFile empty("3000,200\n");
  EXPECT_EQ(ImportEngineAnalyserPower(empty.path, 0).end, ImportEnd::NoData);
  ExpectUntouched(before);
  EXPECT_EQ(seam.asked.back().text, "No data in file " + empty.path);
  EXPECT_EQ(seam.asked.back().title, "Engine Analyser Power Data");
  EXPECT_EQ(std::tuple(S.LoadFailed, S.CancelFlag), std::tuple(False, 0));

  // A file the racer may not read is told as the file error it is, as every reader tells it.
  seam.asked.clear();
  ExportFile theirs("3000,200,1\n4000,250,1\n");
  test::FailingFileSystem fs;
  fs.unreadable = {theirs.path};
  EXPECT_EQ(ImportEngineAnalyserPower(theirs.path, 0).end, ImportEnd::Unreadable);
  ExpectUntouched(before);
  EXPECT_EQ(std::tuple(S.LoadFailed, S.CancelFlag), std::tuple(False, 0));
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(std::tie(seam.asked[0].text, seam.asked[0].style, seam.asked[0].title),
            std::tuple("Unexpected Error # 13 : Permission denied", Msg::OKOnly | Msg::Critical,
                       "Engine Analyser Power Data"));
}

TEST(SuperFlowReader, HeaderEndsAfterTheSecondLineFeedLine) {
  const SuperFlowData data = ReadSuperFlowExport(SD9({{2000, 200}, {2440, 210}, {2900, 220}}));
  ASSERT_EQ(data.readings.size(), 3u);
  EXPECT_EQ(data.readings[1].RPM, 2440);
  EXPECT_EQ(data.readings[1].torque, 210);
  EXPECT_FALSE(data.tooMuch);
  // The file's very first line may be one that begins with a line feed, after a byte-order mark
  // too; a torque line may end right at the field's first character; data end at a line blank in
  // characters 3 to 10.
  for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
    SCOPED_TRACE(mark.size());
    const SuperFlowData short_ = ReadSuperFlowExport(
        mark + "\nA\r\n\nB\r\nC\r\n 1000\r\n  Torque (lb-ft)    7\r\n3\r\n4\r\n"
        "AB        end of run\r\n 3000\r\n2\r\n3\r\n4\r\n");
    ASSERT_EQ(short_.readings.size(), 1u);
    EXPECT_EQ(std::pair(short_.readings[0].RPM, short_.readings[0].torque), std::pair(1000.0f, 7.0f));
  }
  // Lines may end in a carriage return alone.
  const SuperFlowData crOnly = ReadSuperFlowExport("A\r\n\nB\r\n\nC\rD\r 2000\rTorque (lb-ft)      150\r3\r4\r");
  ASSERT_EQ(crOnly.readings.size(), 1u);
  EXPECT_EQ(std::pair(crOnly.readings[0].RPM, crOnly.readings[0].torque), std::pair(2000.0f, 150.0f));
}

TEST(SuperFlowReader, BlanksInsideNumbersAreSkipped) {
  const SuperFlowData data =
      ReadSuperFlowExport(SD9({}, false) + " 2 40\r\nTorque              75 6.93\r\n3\r\n4\r\n");
  ASSERT_EQ(data.readings.size(), 1u);
  EXPECT_EQ(data.readings[0].RPM, 240);
  EXPECT_FLOAT_EQ(data.readings[0].torque, 756.93f);
  // A torque line that ends before the field has no torque, whatever the lines after it hold.
  const SuperFlowData cut =
      ReadSuperFlowExport(SD9({}, false) + " 2000\r\nTorque\r\n" + std::string(30, '7') + "\r\n4\r\n");
  ASSERT_EQ(cut.readings.size(), 1u);
  EXPECT_EQ(cut.readings[0].torque, 0);
}

TEST(SuperFlowReader, AGroupCutOffByTheEndOfTheFileEndsTheData) {
  std::string bytes = SD9({{2000, 200}, {2500, 210}}, false);
  bytes += " 3000  data\r\n";
  EXPECT_EQ(ReadSuperFlowExport(bytes).readings.size(), 2u);
  // Three lines of a reading, the last one ended: the end of the file is no fourth line.
  bytes += "  torque            230.0\r\n  line three\r";
  EXPECT_EQ(ReadSuperFlowExport(bytes).readings.size(), 2u);
  EXPECT_EQ(ReadSuperFlowExport(SD9({{2000, 200}, {2500, 210}}, false)).readings.size(), 2u);
  // A file that ends inside its header has no data.
  EXPECT_TRUE(ReadSuperFlowExport("one\r\n\ntwo\r\n").readings.empty());
}

TEST(SuperFlowReader, AHundredAndOneReadingsAreAllUsed) {
  std::vector<std::pair<double, double>> many;
  for (int k = 0; k < 110; ++k) many.push_back({1000.0 + 100 * k, 200});
  const SuperFlowData data = ReadSuperFlowExport(SD9(many));
  EXPECT_TRUE(data.tooMuch);
  ASSERT_EQ(data.readings.size(), 101u);
  EXPECT_EQ(data.readings.back().RPM, 11000);
}

TEST_F(PowerImports, SuperFlowJoinsReadingsAndTheLaterSegmentWins) {
  ExportFile file(SD9({{2000, 200}, {2440, 244}, {2900, 290}}));
  S.CurrentStage = 0;
  ImportSuperFlowPower(file.path, 0);
  EXPECT_EQ(S.CancelFlag, 0);
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(20, 29));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][22], 220);
  // Row 24 is written by both segments; the second, extrapolated back from 2440, stays.
  EXPECT_FLOAT_EQ(S.PowerCurve[0][24], 244 + (2400 - 2440) * (290 - 244) / 460.0f);
  EXPECT_EQ(S.PowerCurve[0][30], 0);  // the whole column was emptied first
  EXPECT_EQ(S.PowerCurve[0][40], 0);
  // The span is the one a saved power file gives back: it starts at the row written below a
  // first reading off the hundred, and ends before the empty row of a last reading of torque 0.
  ExportFile ends(SD9({{2040, 200}, {2500, 250}, {2900, 0}}));
  ImportSuperFlowPower(ends.path, 0);
  EXPECT_EQ(std::tuple(S.CancelFlag, S.MinRPMIndex, S.MaxRPMIndex), std::tuple(0, 20, 28));
}

TEST_F(PowerImports, SuperFlowNitrousCurveKeepsTheSpan) {
  ExportFile file(SD9({{2000, 200}, {2450, 245}, {2900, 290}}));
  S.CurrentStage = 1;
  ImportSuperFlowPower(file.path, 0);
  // The span stays the no-nitrous curve's: a power file keeps no row above MaxRPMIndex.
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(20, 60));
  EXPECT_FLOAT_EQ(S.PowerCurve[1][25], 250);  // the second pair starts at row 25
  EXPECT_EQ(S.PowerCurve[0][40], 100);
  // Without a no-nitrous curve the nitrous one ends at its own top.
  const CurveTable curves = S.PowerCurve;
  S.PowerCurve[0] = {};
  ImportSuperFlowPower(file.path, 0);
  EXPECT_EQ(S.MaxRPMIndex, 29);
  S.PowerCurve = curves;
  // A nitrous curve reaching above the no-nitrous one's last row leaves the span too: a saved
  // power file keeps the nitrous curve whole. Rows the no-nitrous column holds above the span
  // (as an Engine Analyser import leaves them) are no part of its curve.
  S.MaxRPMIndex = 50;
  ExportFile higher(SD9({{5000, 200}, {7000, 300}}));
  ImportSuperFlowPower(higher.path, 0);
  EXPECT_EQ(std::tuple(S.CancelFlag, S.MinRPMIndex, S.MaxRPMIndex), std::tuple(0, 20, 50));
  EXPECT_FLOAT_EQ(S.PowerCurve[1][70], 300);
}

TEST_F(PowerImports, RefusedSuperFlowFilesLeaveTheCurveAndItsSpan) {
  const CurveTable before = S.PowerCurve;
  struct Case {
    std::string bytes, message;
    bool unreadable = false;  // a file the racer may not read
  };
  const Case cases[] = {
      {SD9({{2000, 200}, {3000, 300}}), "Unexpected Error # 13 : Permission denied", true},
      {SD9({{2000, 200}}), "No data in file "},
      {SD9({{2000, 200}, {1900, 210}}), "Power readings not consecutive; data file unusable"},
      {SD9({{2000, 200}, {2000, 210}}), "Power readings not consecutive; data file unusable"},
      {SD9({{49.5, 200}, {99, 210}}), "No data in file "},  // no row reached
      {SD9({{-500, 200}, {2000, 210}}), "-500 contains invalid data - loading will be aborted"},
      {SD9({{49.4, 200}, {2000, 210}}), "49.4 contains invalid data - loading will be aborted"},
      {SD9({{19000, 200}, {21000, 210}}), "No data in file "},
      // A torque no power file holds, read or extrapolated from close readings.
      {SD9({{2000, 200}, {3000, 20000000}}), "* contains invalid data - loading will be aborted"},
      {SD9({{2049, 9000000}, {2051, -9000000}}), "* contains invalid data - loading will be aborted"},
      // A torque line meeting zero at row 25: a saved power file would end the curve there.
      {SD9({{2000, 100}, {3000, -100}, {4000, 100}}), "* contains invalid data - loading will be aborted"},
      // A point after an empty row at the top: a saved power file would end the curve before it.
      {SD9({{2000, 100}, {3000, 0}, {3100, 50}}), "* contains invalid data - loading will be aborted"},
      // No torque above 0: a saved power file would open with no curve.
      {SD9({{2000, 0}, {3000, -50}, {4000, 0}}), "No data in file "},
      {"\xFE\xFF" + SD9({{2000, 200}, {3000, 300}}), "* contains invalid data - loading will be aborted"},  // UTF-16 mark
  };
  test::FailingFileSystem fs;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ExportFile file(c.bytes);
    fs.unreadable = c.unreadable ? std::set{file.path} : std::set<std::string>{};
    S.CancelFlag = 0;
    seam.asked.clear();
    ImportSuperFlowPower(file.path, 0);
    ExpectUntouched(before);
    EXPECT_EQ(S.CancelFlag, 1);
    ASSERT_FALSE(seam.asked.empty());
    const std::string expected = c.message[0] == '*' ? file.path + c.message.substr(1) : c.message;
    EXPECT_EQ(seam.asked.back().text.substr(0, expected.size()), expected);
    // Told as every reader tells a file error, under the import's own title.
    if (c.unreadable) {
      EXPECT_EQ(std::tie(seam.asked.back().style, seam.asked.back().title),
                std::tuple(Msg::OKOnly | Msg::Critical, "SuperFlow Power Data"));
    }
  }
}

TEST_F(PowerImports, SuperFlowFirstReadingFrom49AndAHalfRpmStartsAtRowOne) {
  for (const double first : {49.5, 50.0}) {
    ExportFile file(SD9({{first, 100}, {1000, 200}}));
    S.CancelFlag = 0;
    ImportSuperFlowPower(file.path, 0);
    EXPECT_EQ(S.CancelFlag, 0) << first;
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(1, 10));
    EXPECT_GT(S.PowerCurve[0][1], 100);
  }
}

TEST_F(PowerImports, PeakPowerLandingOnAHalfRoundsToEven) {
  // 353.5 lb-ft at row 65 is 437.5 BHP exactly: 438, where a Single division gives 437.
  S.MaxRPMIndex = 70;
  ExportFile analyser("6500,353.5,1\n");
  ImportEngineAnalyserPower(analyser.path, 0);
  EXPECT_EQ(S.PowerMaxPower, 438);
  S.PowerMaxPower = 0;
  ExportFile dyno(SD9({{6400, 353.5}, {6500, 353.5}}));
  ImportSuperFlowPower(dyno.path, 0);
  EXPECT_EQ(S.PowerMaxPower, 438);
}

TEST_F(PowerImports, SuperFlowDropsReadingsAbove20000) {
  ExportFile file(SD9({{19000, 200}, {20000, 210}, {20001, 220}}));
  ImportSuperFlowPower(file.path, 0);
  EXPECT_EQ(seam.asked.at(0).text, "RPM above 20000 ignored");
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(190, 200));
  EXPECT_FLOAT_EQ(S.PowerCurve[0][200], 210);
}

TEST_F(PowerImports, TooMuchDataIsSaidAndAllHundredAndOneReadingsAreUsed) {
  std::vector<std::pair<double, double>> many;
  for (int k = 0; k < 105; ++k) many.push_back({1000.0 + 100 * k, 200});
  ExportFile file(SD9(many));
  ImportSuperFlowPower(file.path, 0);
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Too much data; first 100 readings used");
  EXPECT_EQ(seam.asked[0].style, Msg::Information);
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.CancelFlag), std::tuple(10, 110, 0));
  EXPECT_EQ(S.PowerCurve[0][111], 0);
}

TEST_F(PowerImports, SpanBottomNeverPassesItsTop) {
  ExportFile file(SD9({{2020, 200}, {2080, 210}}));
  ImportSuperFlowPower(file.path, 0);
  EXPECT_LE(S.MinRPMIndex, S.MaxRPMIndex);
  EXPECT_EQ(S.MaxRPMIndex, 20);
}

TEST_F(PowerImports, CancelledCurveChoiceReadsNothing) {
  ExportFile file(SD9({{2000, 200}, {3000, 300}}));
  const CurveTable before = S.PowerCurve;
  SuperFlowChoice.ChooseCurve = [] { S.CancelFlag = 1; };
  ImportSuperFlowPower(file.path, 1);
  SuperFlowChoice = SuperFlowWindows{};
  ExpectUntouched(before);
  EXPECT_TRUE(seam.asked.empty());
  // A choice refused and then closed leaves no curve to fill.
  for (const Integer stage : {-1, 3}) {
    S.CurrentStage = stage;
    ImportSuperFlowPower(file.path, 0);
    ExpectUntouched(before);
    EXPECT_EQ(S.CancelFlag, 1);
  }
}

TEST_F(PowerImports, ReadersTakeAnyBytesWithoutFault) {
  std::string noise;
  for (int k = 0; k < 4000; ++k) noise += static_cast<char>((k * 7919) % 256);
  for (const std::string& bytes : {noise, std::string("\r\r\r\n\n\n"), std::string(),
                                   std::string("99999999999999999999999,1e39,x\n")}) {
    (void)ReadEngineAnalyserExport(bytes, 200);
    const SuperFlowData data = ReadSuperFlowExport(bytes);
    EXPECT_LE(data.readings.size(), 101u);
  }
}

// The curve graphs of a guided entry without their windows: the racer types 6000 as the top
// rpm, runs the Get commands in the graph of one column, and accepts every graph as its OK does.
struct GraphGets : test::ScriptedUi {
  int column = 0;
  bool superFlow = false;
  std::size_t commands = 0;
  std::vector<Integer> graphs;
  void ShowPowerEntryForm() override {
    if (S.PowerCurveIndex == 0) S.MaxRPMIndex = 60;
  }
  void ShowPowerGraph(int) override {
    graphs.push_back(S.PowerCurveIndex);
    PowerGraphState graph;
    graph.GraphReady = true;
    const PlotRow plot = [](int, bool) {};
    const auto flags = [] { return std::tuple(S.CancelFlag, S.LoadFailed, S.CurrentStage); };
    for (std::size_t k = 0; S.PowerCurveIndex == column && k < commands; ++k) {
      const auto before = flags();
      superFlow ? GetSuperFlowCurve() : GetEngineAnalyserCurve(graph, plot);
      EXPECT_EQ(flags(), before) << "Get command " << k + 1;
    }
    AcceptPowerCurve(graph, plot);
    if (S.InputDataPending) InputDataResume();
  }
};

// A Get command never ends the entry, whatever its file dialog or its file: File > New (in the
// graph of the curve without nitrous or of the first stage) and File > Example end with the
// vehicle loaded, and a good file's curve is the one the column keeps.
TEST(GetCommandsInGuidedEntry, NeitherEndsTheEntry) {
  InitExampleCatalogue();
  const ExportFile eaGood("3000,200,1\n4000,250,1\n5000,240,1\n"), eaRefused("3000,200,1\nRPM,Torque,x\n"),
      sfGood(SD9({{3000, 200}, {4000, 250}, {5000, 240}})), sfRefused(SD9({{3000, 200}, {2000, 250}})), empty("");
  const std::string esc;
  const struct {
    const char* example;  // File > Example with this one, else File > New
    int column;
    bool superFlow;
    std::vector<std::string> answers;  // the file dialog's, one a Get command; "" is Esc
  } rows[] = {{"", 0, false, {esc}},        {"", 0, false, {eaRefused.path}}, {"", 0, false, {empty.path}},
              {"", 0, false, {eaGood.path}}, {"", 0, false, {esc, eaGood.path}},
              {"", 0, true, {esc}},          {"", 0, true, {sfRefused.path}}, {"", 0, true, {empty.path}},
              {"", 0, true, {sfGood.path}},  {"", 0, true, {esc, sfGood.path}},
              {"", 1, true, {sfRefused.path}}, {"WESTFLD", 0, true, {sfRefused.path}}};
  for (const auto& row : rows) {
    SCOPED_TRACE((row.superFlow ? "SuperFlow " : "Engine Analyser ") + testing::PrintToString(row.answers) +
                 " in column " + std::to_string(row.column) + " " + row.example);
    S = SharedState{};
    S.DataSaved = True;
    GraphGets seam;
    test::ScopedUi guard{seam};
    test::ScriptedFileWindows windows;
    Hooks.EnterPowerCurve = EnterPowerCurve;
    windows.exampleKey = row.example;
    windows.answers.assign(row.answers.begin(), row.answers.end());
    std::tie(seam.column, seam.superFlow, seam.commands) = std::tuple(row.column, row.superFlow, row.answers.size());
    *row.example ? FileExample() : FileNew();
    EXPECT_EQ(seam.graphs, (*row.example ? std::vector<Integer>{0} : std::vector<Integer>{0, 1, 2}));
    EXPECT_TRUE(std::none_of(seam.asked.begin(), seam.asked.end(),
                             [](const test::Asked& a) { return a.text == "Data entry cancelled"; }));
    EXPECT_EQ(std::tuple(windows.exits, windows.menusEnabled, S.DataLoaded), std::tuple(0, 1, True));
    if (const std::string& last = row.answers.back(); last == eaGood.path || last == sfGood.path) {
      EXPECT_EQ(S.PowerCurve[row.column][40], 250);
    }
  }
}

}  // namespace
}  // namespace kestrelon
