// Which sections each command needs, the order it names a missing one in, and the icon hit test.
#include "core/menu_gating.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/state.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

class MenuGating : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
  }
  // The refusal a command gives now, or "" when it is allowed.
  std::string Refusal(MenuCommand command, std::string* title = nullptr) {
    test::ScriptedUi scripted;
    test::ScopedUi guard(scripted);
    const bool allowed = CommandAllowed(command);
    EXPECT_EQ(allowed, scripted.asked.empty());
    if (scripted.asked.empty()) return "";
    EXPECT_EQ(scripted.asked.size(), 1u);
    EXPECT_EQ(scripted.asked[0].style, 32);
    if (title) *title = scripted.asked[0].title;
    return scripted.asked[0].text;
  }
};

TEST_F(MenuGating, DataCommandsNameTheFirstMissingSection) {
  std::string title;
  EXPECT_EQ(Refusal(MenuCommand::DataAero), "");
  EXPECT_EQ(Refusal(MenuCommand::DataChassis), "");
  EXPECT_EQ(Refusal(MenuCommand::DataTyre, &title), "Chassis data not yet entered");
  EXPECT_EQ(title, "Tyre Data");
  EXPECT_EQ(Refusal(MenuCommand::DataTrans, &title), "Engine data must be entered first");
  EXPECT_EQ(title, "Transmission Data");
  EXPECT_EQ(Refusal(MenuCommand::DataInertia, &title),
            "Transmission data has not yet been entered");
  EXPECT_EQ(title, "Inertia Information");
  EXPECT_EQ(Refusal(MenuCommand::DataClutch, &title), "Engine data not yet entered");
  EXPECT_EQ(title, "Clutch Information");
  EXPECT_EQ(Refusal(MenuCommand::DataThrottle, &title), "Engine data must be entered first");
  EXPECT_EQ(title, "Throttle control Data");

  S.EngineEntered = True;
  S.TyreEntered = True;  // the tyre flag does not matter while the engine is missing
  EXPECT_EQ(Refusal(MenuCommand::DataTrans), "");
  S.TyreEntered = False;
  EXPECT_EQ(Refusal(MenuCommand::DataTrans), "Tyre data must be entered first");
  S.TransmissionEntered = True;
  EXPECT_EQ(Refusal(MenuCommand::DataInertia), "Clutch data has not yet been entered");
  S.ChassisEntered = True;
  EXPECT_EQ(Refusal(MenuCommand::DataTyre), "");
}

TEST_F(MenuGating, PowerCurvesFollowEachOther) {
  std::string title;
  EXPECT_EQ(Refusal(MenuCommand::DataPowerNA), "");
  EXPECT_EQ(Refusal(MenuCommand::DataPowerN1, &title),
            "Power curve with no nitrous must be entered first");
  EXPECT_EQ(title, "Power Data");
  EXPECT_EQ(Refusal(MenuCommand::DataPowerN2),
            "Single stage nitrous power curve must be entered first");
  S.CurveEntered[0] = True;
  EXPECT_EQ(Refusal(MenuCommand::DataPowerN1), "");
}

TEST_F(MenuGating, NitrousWithoutAFirstStageCurveCountsAsDone) {
  std::string title;
  EXPECT_EQ(Refusal(MenuCommand::DataNitrous, &title),
            "Transmission data has not yet been entered");
  EXPECT_EQ(title, "Nitrous Oxide Settings");
  S.TransmissionEntered = True;
  EXPECT_EQ(Refusal(MenuCommand::DataNitrous), "Engine data must be entered first");
  EXPECT_EQ(S.NitrousEntered, False);
  S.EngineEntered = True;
  S.NitrousSG1 = 2;
  S.NitrousSG2 = 3;
  EXPECT_EQ(Refusal(MenuCommand::DataNitrous),
            "No Engine data for Nitrous stages 1 or 2 has been input");
  EXPECT_EQ(S.NitrousEntered, True);
  EXPECT_EQ(S.NitrousSG1, 10);  // no stage may switch on a curve that does not exist
  EXPECT_EQ(S.NitrousSG2, 10);
  S.EngineSummary[1][0] = 250;
  EXPECT_EQ(Refusal(MenuCommand::DataNitrous), "");
}

TEST_F(MenuGating, CalculateAndDisplayCommands) {
  std::string title;
  EXPECT_EQ(Refusal(MenuCommand::CalcAcc), "");
  EXPECT_EQ(Refusal(MenuCommand::CalcTree), "");
  EXPECT_EQ(Refusal(MenuCommand::CalcEstimate, &title), "Simulation has not yet been run");
  EXPECT_EQ(title, "Estimate Power");
  EXPECT_EQ(Refusal(MenuCommand::DisplayGraph, &title), "Simulation has not yet been run");
  EXPECT_EQ(title, "Display Simulation");
  EXPECT_EQ(Refusal(MenuCommand::DisplayPerf, &title), "Performance data has not been calculated");
  EXPECT_EQ(title, "Print data");

  // Cascades name the engine, transmission, tyre and aerodynamic sections in that order.
  const char* cascade[] = {
      "Engine data not yet entered", "Transmission data has not yet been entered",
      "Tyre data has not yet been entered", "Aerodynamic data has not yet been entered"};
  Integer* flags[] = {&S.EngineEntered, &S.TransmissionEntered, &S.TyreEntered, &S.AeroEntered};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Refusal(MenuCommand::DisplayCascade, &title), cascade[i]);
    EXPECT_EQ(title, "Cascade display");
    *flags[i] = True;
  }
  EXPECT_EQ(Refusal(MenuCommand::DisplayCascade), "");

  S.RunDone = True;
  Cfg.HistoryLog = False;
  EXPECT_EQ(Refusal(MenuCommand::DisplayHist, &title), "No Performance history is available");
  EXPECT_EQ(title, "History Log");
  Cfg.HistoryLog = True;
  EXPECT_EQ(Refusal(MenuCommand::DisplayHist), "");
  EXPECT_EQ(Refusal(MenuCommand::DisplayGraph), "");
}

// The edges at 31.5 and 543.5 are pressed on the bar itself (form1_test).
TEST(IconStripHitTest, CellsAreThirtyTwoUnitsWideFromTheStripsScale) {
  EXPECT_EQ(IconAt(1.0f), 1);
  EXPECT_EQ(IconAt(63.4f), 2);
  EXPECT_EQ(IconAt(63.6f), 3);
  EXPECT_EQ(IconAt(543.4f), 17);
  EXPECT_EQ(IconTable[15].command, MenuCommand::CalcTree);
  EXPECT_STREQ(IconTable[16].tip, "History Log ");
}

}  // namespace
}  // namespace kestrelon
