// What the sections choose to write: column moves, rows of the curve, the alternative lines of
// the vehicle and transmission, the nitrous ordinals, the spot distance's place, and the
// differences between the sinks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "core/tables.h"
#include "report/performance_report.h"
#include "report/report_drawing.h"
#include "report/report_file.h"
#include "report_fixture.h"
#include "simulation/calculate_performance.h"
#include "simulation/launch_setup.h"
#include "support/scripted_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

std::vector<std::string> ReportLines(ReportSink sink = ReportSink::File) {
  const std::string text = ReportText(PerformanceReport(sink, {}));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Index of the first line starting with the text; -1 when none.
int IndexOf(const std::vector<std::string>& lines, const std::string& start) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(start, 0) == 0) return static_cast<int>(i);
  return -1;
}

int LastIndexOf(const std::vector<std::string>& lines, const std::string& start) {
  for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
    if (lines[static_cast<std::size_t>(i)].rfind(start, 0) == 0) return i;
  return -1;
}

class ReportSectionsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::GoldenVehicle(); }
  void TearDown() override {
    S = SharedState{};
    Cfg = Settings{};
  }
};

TEST_F(ReportSectionsTest, TabKeepsColumn32ForA31CharacterLabelAndMovesOnFor32) {
  ReportWriter out(ReportSink::File, {});
  out.LabelledValueTab(std::string(31, 'a'), {"v"});
  out.LabelledValue(std::string(32, 'b'), {"w"});
  EXPECT_EQ(ReportText(out.ops()),
            std::string(31, 'a') + "v\r\n" + std::string(32, 'b') + "\r\n" + std::string(31, ' ') +
                "w\r\n");
}

const std::string Digits400(400, '9');

TEST_F(ReportSectionsTest, WeatherLines) {
  struct Case {
    const char* typedWind;
    Single aeroSpeed;
    const char* direction;
    const char* value;
  };
  for (const Case& c : {Case{"10MPH", -4.47f, "45", "10MPH tailwind at 45 degrees"},
                        Case{"", -4.47f, "", "10 mph tailwind"},
                        Case{" 5kph ", 0, "0", "5kph headwind"},
                        Case{"3mph", 1, "-400", "3mph headwind at -40 degrees"},
                        Case{"3mph", 1, "359.5", "3mph headwind at 0 degrees"},
                        // Blanks inside the number are passed over, as the aerodynamics form does.
                        Case{"3mph", -1, "1 80", "3mph tailwind at 180 degrees"},
                        // Far beyond a whole turn: still its remainder by 360.
                        Case{"3mph", 1, "100000000000000000000", "3mph headwind at 280 degrees"},
                        // More digits than a number holds: no direction to speak of.
                        Case{"3mph", 1, Digits400.c_str(), "3mph headwind at 0 degrees"}}) {
    S.VehicleData[4][6] = c.typedWind;
    S.AeroSpeed = c.aeroSpeed;
    S.VehicleData[5][12] = c.direction;
    const auto lines = ReportLines();
    EXPECT_EQ(lines[IndexOf(lines, "Wind conditions")],
              std::string("Wind conditions                ") + c.value)
        << c.direction;
  }

  S.VehicleData[5][10] = "";
  auto lines = ReportLines();
  EXPECT_EQ(IndexOf(lines, "Relative Humidity"), -1);
  EXPECT_EQ(IndexOf(lines, "Wind conditions"), IndexOf(lines, "Altitude") + 1);

  S.StandardDay = True;
  lines = ReportLines();
  EXPECT_TRUE(Has(lines, "Ambient temperature            15.5C (59.9F)"));
  EXPECT_TRUE(Has(lines, "Atmospheric pressure           1014mb (29.92in Hg)"));
  EXPECT_TRUE(Has(lines, "Altitude                       Sea level"));
  EXPECT_TRUE(Has(lines, "Relative Humidity              0%"));
}

TEST_F(ReportSectionsTest, CurveRowsAreTheMultiplesOfFiveAndTheLastRow) {
  S.MinRPMIndex = 12;
  S.MaxRPMIndex = 73;
  S.NitrousSG1 = S.NitrousSG2 = 10;
  const auto lines = ReportLines();
  std::vector<std::string> rpm;
  for (const std::string& line : lines)
    if (line.size() > 6 && line.rfind("  ", 0) == 0 && std::isdigit(static_cast<unsigned char>(line[2])))
      rpm.push_back(line.substr(2, line.find(' ', 2) - 2));
  std::vector<std::string> expected;
  for (int row = 15; row <= 70; row += 5) expected.push_back(std::to_string(row * 100));
  expected.push_back("7300");
  EXPECT_EQ(rpm, expected);
  // One column pair and no stage lines without nitrous.
  EXPECT_EQ(IndexOf(lines, "Nitrous bottle"), -1);
  EXPECT_EQ(lines[IndexOf(lines, "  RPM")], "  RPM         Torque     Power ");
}

TEST_F(ReportSectionsTest, NitrousStageGearOrdinals) {
  for (auto [gear, word] : {std::pair{Integer{0}, "eighth"}, {Integer{8}, "eighth"},
                            {Integer{7}, "seventh"}, {Integer{1}, "first"}}) {
    S.NitrousSG1 = gear;
    S.NitrousSG2 = 10;
    S.GearCount = 8;
    const auto lines = ReportLines();
    const int at = IndexOf(lines, "Stage one wet kit with long title starts in ");
    ASSERT_GE(at, 0) << gear;
    EXPECT_EQ(lines[at], std::string("Stage one wet kit with long title starts in ") + word +
                             " gear after 0.50 seconds");
  }
}

TEST_F(ReportSectionsTest, VehicleAlternatives) {
  S.ChassisWBL = 0;
  S.ChassisFTravel = 0;
  S.TyreGrowthRate = 0;
  S.TyreAspect = 0.55f;
  const auto lines = ReportLines();
  EXPECT_TRUE(Has(lines, "No wheelie bars"));
  EXPECT_EQ(IndexOf(lines, "Wheelie bar length"), -1);
  EXPECT_TRUE(Has(lines, "Front suspension is solid"));
  EXPECT_EQ(IndexOf(lines, "Front Suspension"), -1);
  EXPECT_EQ(lines[IndexOf(lines, "Tyre size")], "Tyre size                      14in-55 x 15in");
  EXPECT_EQ(IndexOf(lines, "Tyre grows to"), -1);
}

// Typed codes and items that choose a line: the damping code with its case, an air gap of
// blanks only.
TEST_F(ReportSectionsTest, TypedItemsChooseTheirLines) {
  struct Case {
    const char* damping;
    const char* word;
  } cases[] = {{"H", "Hard"}, {"M", "Medium"}, {"S", "Soft"}, {"h", "None"}, {"m", "None"}, {"s", "None"}, {"", "None"}};
  for (const Case& c : cases) {
    S.VehicleData[2][11] = c.damping;
    const auto lines = ReportLines();
    EXPECT_EQ(lines[IndexOf(lines, "Front Suspension damping")], std::string("Front Suspension damping       ") + c.word)
        << c.damping;
  }
  EXPECT_TRUE(Has(ReportLines(), "Air gap                        0.040in"));
  // A progression from 100 rpm names its rpm.
  S.NitrousStageData[1].StartRPM = 1;
  EXPECT_NE(IndexOf(ReportLines(), "Progression starts with 40.0 % power at 100"), -1);
  // A grown tyre at the shift turns the shift speed with its own radius (45 cm at 6000 rpm).
  S.TyreGrowthDia = 0.9f;
  S.GearGrowthRPM[1] = 6000;
  EXPECT_EQ(ReportLines()[IndexOf(ReportLines(), " 1  ")].substr(26, 5),
            Format(60 * 10.472 * 0.45 / (16.125 * S.SpeedFactor), "##.0#"));
  // A slider clutch names its bite and lock-up speeds.
  S.ClutchType = "S";
  S.VehicleData[5][16] = "5200rpm";
  EXPECT_TRUE(Has(ReportLines(), "Lockup RPM                     5200rpm"));
  S.VehicleData[1][20] = "   ";
  S.ClutchArms = 0;
  S.RecordedWith.LaunchStage = 0;  // not staged: no rollout time, no staging line
  const auto lines = ReportLines();
  for (const char* label : {"Air gap", "Number of arms", "Rollout"}) EXPECT_EQ(IndexOf(lines, label), -1) << label;
}

// Labels in bold, their values plain: the listing and the printer show them so.
TEST_F(ReportSectionsTest, LabelsAreBoldAndFiguresPlain) {
  std::map<std::string, bool> bold;
  bool on = false;
  for (const ReportOp& op : PerformanceReport(ReportSink::Listing, {})) {
    if (op.kind == ReportOp::Bold) on = op.value != 0;
    if (op.kind == ReportOp::Text && !bold.count(op.text)) bold[op.text] = on;
  }
  for (const auto& [text, expected] : {std::pair{"Max torque", true}, {"Stage one wet kit with long title", true},
                                       {" starts in second gear after 0.50 seconds", false},
                                       {"Acceleration (g)", true}, {"0 - 10", false}})
    EXPECT_EQ(bold.at(text), expected) << text;
}

TEST_F(ReportSectionsTest, AWheelbaseNotAbove0GivesNotAvailableAndTheReportCompletes) {
  S.ChassisWheelbase = 0;
  const auto lines = ReportLines();
  EXPECT_EQ(lines[IndexOf(lines, "Weight distribution")],
            "Weight distribution            n/a");
  EXPECT_EQ(lines.back(), "End of performance data");
}

TEST_F(ReportSectionsTest, ConverterAndDriveLines) {
  S.ClutchType = "T";
  S.BiteRPM = 45;  // 4550 typed
  S.ConverterSlipComplement = 0.95f;
  S.ConverterMult = 2.0f;
  S.TransPrimary = 1.0f;
  auto lines = ReportLines();
  EXPECT_TRUE(Has(lines, "Clutch type                    Torque Converter"));
  EXPECT_TRUE(Has(lines, "Stall RPM                      4500"));
  EXPECT_TRUE(Has(lines, "Converter Slip                 5.0"));
  EXPECT_EQ(IndexOf(lines, "Clutch Mechanical"), -1);
  EXPECT_EQ(IndexOf(lines, "Primary drive ratio"), -1);
  // One blank line between the converter block and the drive lines.
  EXPECT_EQ(lines[IndexOf(lines, "Converter Multiplication") + 1], " ");
  EXPECT_EQ(IndexOf(lines, "Final drive ratio"), IndexOf(lines, "Converter Multiplication") + 2);

  S.TransPrimary = 1.0001f;
  lines = ReportLines();
  EXPECT_TRUE(Has(lines, "Primary drive ratio            1.0 : 1"));
}

// Engine speeds far beyond any engine (a first gear of 1e30) and figures that are not numbers
// print as bounded whole numbers and zeros.
TEST_F(ReportSectionsTest, FiguresBeyondTheirColumnsPrintBounded) {
  for (int n = 0; n <= 18; ++n) S.RunResults[PtEngineSpeed][CurrentRun][n] = 1.96e30f;
  S.GearEngagedRPM[CurrentRun][2] = 1.96e30f;
  S.RunResults[PtDistance][CurrentRun][3] = std::numeric_limits<Single>::quiet_NaN();
  S.TimeSimDistance = std::numeric_limits<Single>::infinity();
  const auto lines = ReportLines();
  EXPECT_EQ(lines[IndexOf(lines, "0 - 10 ")], "0 - 10         1.388          12.5           2147483647     0.255");
  // The shift speed is wider than its column, so the shift rpm goes on the next line.
  EXPECT_EQ(lines[IndexOf(lines, " 2  ") + 1].substr(0, 49), std::string(39, ' ') + "2147483647");
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
  }
}

TEST_F(ReportSectionsTest, SpotDistanceStandsByItsDistance) {
  struct Case {
    Single metres;
    std::string after;  // the label of the line before it
  };
  const Single m60 = 60 / S.FeetPerUnit;
  for (const Case& c : {Case{m60, "60 ft"}, Case{10, "Rollout"}, Case{150, "330 ft"}, Case{330.5f / S.FeetPerUnit, "330 ft"},
                        Case{300, "1/8 mile"}, Case{660 / S.FeetPerUnit, "1/8 mile"}, Case{1320 / S.FeetPerUnit, "1/4 mile"}}) {
    S.SimDistance = c.metres;
    const auto lines = ReportLines();
    const std::string label = std::to_string(CInt(static_cast<Single>(c.metres * S.LengthFactor))) + " ft";
    // At 60 ft the spot line carries the mark's own label: it is the later of the two.
    const int at = LastIndexOf(lines, label + " ");
    ASSERT_GT(at, 0) << c.metres;
    EXPECT_EQ(lines[at - 1].rfind(c.after, 0), 0u) << c.metres;
    EXPECT_NE(lines[at].find(Format(S.TimeSimDistance, "#0.000")), std::string::npos) << c.metres;
  }
  S.SimDistance = 0;
  const auto lines = ReportLines();
  EXPECT_EQ(IndexOf(lines, "1/4 mile") + 1, IndexOf(lines, "Launch RPM") - 1);
}

// Presses Cancel as the run records its 100th point.
class CancellingUi : public test::ScriptedUi {
 public:
  bool cancel = false;
  void SetRunProgress(int point) override {
    if (cancel && point == 100) S.CancelFlag = 1;
  }
};

// The report of the last run gives the launch rpm and staging distance that run was set up with,
// not those of a set-up a cancelled run stored since.
TEST_F(ReportSectionsTest, LaunchLinesOfTheLastRunNotOfACancelledOne) {
  CancellingUi seam;
  test::ScopedUi guard(seam);
  InitTables();
  Cfg.HistoryLog = False;
  test::LoadWestfield(16);
  LaunchBoxes boxes{"60", "1.5", "4500", "16", " 9in ", "", "60ft", "60ft", 0, 0};
  ASSERT_TRUE(AcceptLaunchSetup(boxes).accepted);
  CalculatePerformance(1);
  boxes.LaunchRPM = "5500";
  boxes.LaunchStage = "50cm";
  ASSERT_TRUE(AcceptLaunchSetup(boxes).accepted);
  seam.cancel = true;
  CalculatePerformance(1);
  ASSERT_EQ(S.RunDone, True);

  const auto lines = ReportLines();
  EXPECT_TRUE(Has(lines, "Launch RPM         4500"));
  EXPECT_TRUE(Has(lines, "Rollout            9in"));
}

TEST_F(ReportSectionsTest, PrinterLacksTheEmptyAndClosingLinesAndUsesItsSizes) {
  S.VehicleName.clear();  // the file's title has no name here either
  const ReportOps printer = PerformanceReport(ReportSink::Printer, PrinterSizes);
  const ReportOps file = PerformanceReport(ReportSink::File, {});
  const auto closing = [](const ReportOps& ops) {
    return std::count(ops.begin(), ops.end(), ReportOp{ReportOp::Text, 0, "End of performance data"});
  };
  EXPECT_EQ(closing(printer), 0);
  EXPECT_EQ(closing(file), 1);
  EXPECT_EQ(printer.back(), (ReportOp{ReportOp::LineEnd, 0, {}}));
  EXPECT_EQ(printer.front(), (ReportOp{ReportOp::Size, 8, {}}));
  EXPECT_NE(std::find(printer.begin(), printer.end(), ReportOp{ReportOp::Size, 14, {}}), printer.end());
  // Nothing else differs: the printer's text is the file's without its last two lines.
  std::string text = ReportText(file);
  text.erase(text.size() - std::string("\r\nEnd of performance data\r\n").size());
  EXPECT_EQ(ReportText(printer), text);
}

TEST_F(ReportSectionsTest, ListingSizes) {
  EXPECT_EQ(ListingSizes(10, true, 15).title, 15);
  EXPECT_EQ(ListingSizes(9, true, 15).title, 14);
  EXPECT_EQ(ListingSizes(11.4, true, 15).base, 11);
  EXPECT_EQ(ListingSizes(11, true, 15).title, 16);
  EXPECT_EQ(ListingSizes(20, false, 15).base, 10);
  EXPECT_EQ(ListingSizes(20, false, 12).base, 8);
  EXPECT_EQ(ListingSizes(20, false, 12).title, 12);
}

}  // namespace
}  // namespace kestrelon
