#include <gtest/gtest.h>

#include <map>

#include "core/state.h"
#include "files/power_file.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

// The value lines of one column: torque at the given rows, " 0" elsewhere.
std::string Column(const std::map<int, std::string>& values) {
  std::string s;
  for (int r = 1; r <= 200; ++r) {
    const auto it = values.find(r);
    s += (it == values.end() ? std::string(" 0") : it->second) + "\r\n";
  }
  return s;
}

// Column 0 holding `torque` from row `from` to row `to`.
std::string Span(int from, int to, const std::string& torque = "300") {
  std::map<int, std::string> values;
  for (int r = from; r <= to; ++r) values[r] = torque;
  return Column(values);
}

class PowerFileTest : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(PowerFileTest, SpanComesFromColumnZeroAndBoundsEveryColumn) {
  S.LowRPM = 40;
  S.HighRPM = 60;
  const auto path = folder.write("e.vcd", Span(10, 65) + Column({{70, " 150"}, {30, " 200"}}) +
                                              Column({}));
  LoadPowerFile(path);
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(S.MinRPMIndex, 10);
  EXPECT_EQ(S.MaxRPMIndex, 65);
  EXPECT_EQ(S.PowerCurve[1][70], 0.0f);  // above the no-nitrous curve's top
  EXPECT_EQ(S.PowerCurve[1][30], 200.0f);
  EXPECT_EQ(S.RevLimitIndex, 65);  // an unset rev limit becomes the top of the span
  EXPECT_EQ(S.LowRPM, 0);
  EXPECT_EQ(S.HighRPM, 0);
  EXPECT_EQ(S.EngineSummary[0][0], 300.0f);
  EXPECT_EQ(S.EngineSummary[0][1], 10.0f);
  EXPECT_EQ(S.EngineSummary[0][3], 65.0f);
  EXPECT_EQ(S.EngineSummary[1][0], 200.0f);

  S.RevLimitIndex = 40;
  LoadPowerFile(path);
  EXPECT_EQ(S.RevLimitIndex, 40);

  LoadPowerFile(folder.write("full.vcd", Span(1, 200) + Column({}) + Column({})));
  EXPECT_EQ(S.MinRPMIndex, 1);
  EXPECT_EQ(S.MaxRPMIndex, 200);
}

TEST_F(PowerFileTest, PeakPowerOfThreeHundredAtRowFifty) {
  LoadPowerFile(folder.write("p.vcd", Column({{49, "200"}, {50, "300"}, {51, "200"}}) +
                                          Column({}) + Column({})));
  EXPECT_NEAR(S.EngineSummary[0][2], 285.6, 0.05);
  EXPECT_EQ(S.PowerMaxPower, 286);
}

TEST_F(PowerFileTest, TitlesAndDescription) {
  LoadPowerFile(folder.write("t.vcd", "//*  Dyno day  \r\n///* Gas \r\n" + Span(20, 60) +
                                          "///*Wet\r\n" + Span(20, 60, "350") + Column({})));
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(S.DataDescription, "Dyno day");
  EXPECT_EQ(S.PowerFileDescription, "Dyno day");
  EXPECT_EQ(S.PowerDescript[0], " Gas ");  // kept untrimmed as read
  EXPECT_EQ(S.PowerDescript[1], "Wet");
  // A first line of "///*" is a title, not a description.
  LoadPowerFile(folder.write("u.vcd", "///*Only a title\r\n" + Span(20, 60) + Column({}) +
                                          Column({})));
  EXPECT_EQ(S.DataDescription, "");
  EXPECT_EQ(S.PowerDescript[0], "Only a title");
}

TEST_F(PowerFileTest, NumbersReadWithEitherSeparator) {
  LoadPowerFile(folder.write("c.vcd", Column({{30, "120,5"}, {31, " 120.5 "}, {32, "99lbft"},
                                              {33, ""}}) + Column({}) + Column({})));
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(S.PowerCurve[0][30], 120.5f);
  EXPECT_EQ(S.PowerCurve[0][31], 120.5f);
  EXPECT_EQ(S.PowerCurve[0][32], 99.0f);  // a number followed by other characters
  EXPECT_EQ(S.MaxRPMIndex, 32);           // the empty line is a zero: the span ends there
}

TEST_F(PowerFileTest, RejectedFilesLeaveTheCurvesAsTheyWere) {
  const std::string good = Span(20, 60);
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"zero-point-zero", Column({{30, "0.0"}}) + good + good},
      {"minus-zero", Column({{30, "-0"}}) + good + good},
      {"double-zero", good + Column({{5, "00"}}) + good},
      {"words", good + good + Column({{7, "torque"}})},
      {"column-zero-only", good},
      {"ends-after-title", good + good + "///*Second stage\r\n"},
      {"title-before-second-value", good + "100\r\n///*late\r\n" + good.substr(8) + good},
      {"empty", ""},
  };
  S.MinRPMIndex = 30;
  S.MaxRPMIndex = 75;
  S.PowerCurve[0][40] = 139;
  S.EngineSummary[0] = {139, 40, 105.9f, 40};
  S.PowerDescript[2] = "kept";
  const SharedState before = S;
  for (const auto& [name, bytes] : bad) {
    SCOPED_TRACE(name);
    seam.asked.clear();
    const auto path = folder.write(name + ".vcd", bytes);
    LoadPowerFile(path);
    EXPECT_EQ(S.LoadFailed, True);
    EXPECT_EQ(S.PowerCurve, before.PowerCurve);
    EXPECT_EQ(S.EngineSummary, before.EngineSummary);
    EXPECT_EQ(S.MaxRPMIndex, 75);
    EXPECT_EQ(S.PowerDescript, before.PowerDescript);
    ASSERT_EQ(seam.asked.size(), 1u);
    EXPECT_EQ(seam.asked[0].text, path + " contains invalid data - loading will be aborted");
    EXPECT_EQ(seam.asked[0].title, "Load power data");
  }
}

TEST_F(PowerFileTest, WrittenFileMatchesTheGoldenFileByteForByte) {
  S.DataDescription = "Golden engine";
  S.PowerDescript = {"  Gas ", "   ", "Big shot"};
  S.MaxRPMIndex = 6;
  S.PowerCurve[0] = {};
  S.PowerCurve[0][2] = 100;
  S.PowerCurve[0][3] = 120.2128f;
  S.PowerCurve[0][4] = 0.5f;
  S.PowerCurve[0][5] = -3.5f;
  S.PowerCurve[0][6] = 1234567;
  S.PowerCurve[0][7] = 999;  // above the span: written as 0
  S.PowerCurve[1][3] = 1.234e-4f;
  S.PowerCurve[1][6] = 7.5e6f;
  S.PowerCurve[2][2] = -0.0f;
  const auto path = folder.file("golden.vcd");
  ASSERT_TRUE(WritePowerFile(path).ok());
  EXPECT_EQ(test::TempFolder::read(path), test::TempFolder::read(test::ReferenceFile("golden.vcd")));
  EXPECT_EQ(S.PowerFileDescription, "Golden engine");
  // Fixed notation at every size, never an exponent.
  EXPECT_EQ(CurveValueText(6044.542f), " 6044.542");
  EXPECT_EQ(CurveValueText(1.0f / 3), " .3333333");
}

TEST_F(PowerFileTest, PowerFileBesideAVehicleFileWhateverTheCaseOfItsExtension) {
  const auto vehicle = folder.write("Car.wcd", "");
  EXPECT_EQ(PowerFileBeside(vehicle), folder.file("Car.VCD"));  // none yet: the default name
  folder.write("Car.vcd", "");
  EXPECT_EQ(PowerFileBeside(vehicle), folder.file("Car.vcd"));
  EXPECT_EQ(PowerFileBeside(folder.file("noextension")), "");
}

}  // namespace
}  // namespace kestrelon
