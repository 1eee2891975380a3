// The 500-line history ring, the changed-settings lines and the ticket lines of a run.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/state.h"
#include "core/tables.h"
#include "simulation/history_log.h"

namespace kestrelon {
namespace {

TEST(HistoryRing, WrapsAtTheFiveHundredAndFirstLine) {
  S = SharedState{};
  // {lines added, head, next, row, its text}
  const std::tuple<int, int, int, int, std::string> after[] = {
      {500, 1, 501, 500, "line 500"}, {501, 2, 501, 1, "line 501"}, {1000, 1, 501, 500, "line 1000"}};
  int added = 0;
  for (const auto& [lines, head, next, row, text] : after) {
    while (added < lines) AddHistoryLine("line " + std::to_string(++added));
    EXPECT_EQ(S.HistoryHead, head) << lines;
    EXPECT_EQ(S.HistoryNext, next) << lines;
    EXPECT_EQ(S.HistoryLines[row], text);
  }
  EXPECT_TRUE(S.HistoryLines[0].empty());
}

class ChangeLines : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    saved = Tbl.VehicleDataDesc;
    Tbl.VehicleDataDesc = VehicleTable{};
  }
  void TearDown() override { Tbl.VehicleDataDesc = saved; }
  std::string Line(int row) const { return S.HistoryLines[row]; }
  VehicleTable saved;
};

TEST_F(ChangeLines, ChangedItemsAlignTheirWasAndNowTexts) {
  Tbl.VehicleDataDesc[2][2] = "Vehicle weight";
  Tbl.VehicleDataDesc[2][3] = "A description that is longer than forty characters";
  S.LastRunVehicleData[2][2] = "660kg";
  S.VehicleData[2][2] = "640kg";
  S.LastRunVehicleData[2][3] = "47in";
  S.VehicleData[2][3] = "48in";
  S.LastRunVehicleData[2][4] = "24in";
  S.VehicleData[2][4] = " 24in ";  // differs only by blanks
  S.VehicleData[2][5] = "1";       // no description
  LogChanges();
  ASSERT_EQ(S.HistoryNext, 5);
  EXPECT_EQ(Line(1), "Vehicle weight" + std::string(26, ' ') + " Was : 660kg");
  EXPECT_EQ(Line(2), std::string(40, ' ') + " Now : 640kg");
  const std::string& longDesc = Tbl.VehicleDataDesc[2][3];
  EXPECT_EQ(Line(3), longDesc + " Was : 47in");
  EXPECT_EQ(Line(4), std::string(longDesc.size(), ' ') + " Now : 48in");
}

TEST_F(ChangeLines, EnginePeaksPrintAsHundredsOfRpm) {
  S.LastRunEngineSummary[0] = {139, 55, 162.1f, 65};
  S.EngineSummary[0] = {145.5f, 56, 162.1f, 65};
  LogChanges();
  ASSERT_EQ(S.HistoryNext, 3);
  EXPECT_EQ(Line(1), "No nitrous torque Was : 139.00 lb/ft @ 5500 RPM");
  EXPECT_EQ(Line(2), "                  Now : 145.50 lb/ft @ 5600 RPM");
}

TEST_F(ChangeLines, RunResultsListTheTicketAndTakeTheCopies) {
  S.PointCount = 0;
  S.SimDistance = 60 / 3.2808399f;  // exactly 60 ft: after the 60 ft line
  S.VehicleData[2][2] = "660kg";
  S.EngineSummary[0][0] = 139;
  LogRunResults();
  const std::string expected[] = {" Rollout - 0.000s", "60ft -    0.000s / 0.00mph", "60ft -    0.000s / 0.00mph",
                                  "330ft -   0.000s / 0.00mph"};
  for (int row = 1; row <= 4; ++row) EXPECT_EQ(Line(row), expected[row - 1]);
  EXPECT_EQ(Line(6) + "|" + Line(7), "1320ft -  0.000s / 0.00mph|" + std::string(80, '-'));
  EXPECT_EQ(S.HistoryNext, 8);
  EXPECT_TRUE(S.LastRunVehicleData[2][2] == "660kg" && S.LastRunEngineSummary[0][0] == 139.0f);

  S = SharedState{};
  LogRunResults();  // no spot distance: no spot line
  EXPECT_EQ(S.HistoryNext, 7);
}

}  // namespace
}  // namespace kestrelon
