// Which sections each command needs, the order it names a missing one in, and the icon hit test.
#include "core/menu_gating.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/commands.h"
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
  // Expects this refusal text ("" = allowed) and, when given, this title.
  void Expect(MenuCommand command, const std::string& text, const char* title = nullptr) {
    std::string shown;
    EXPECT_EQ(Refusal(command, &shown), text) << static_cast<int>(command);
    if (title) {
      EXPECT_EQ(shown, title) << text;
    }
  }
};

TEST_F(MenuGating, DataCommandsNameTheFirstMissingSection) {
  Expect(MenuCommand::DataAero, "");
  Expect(MenuCommand::DataChassis, "");
  Expect(MenuCommand::DataTyre, "Chassis data not yet entered", "Tyre Data");
  Expect(MenuCommand::DataTrans, "Engine data must be entered first", "Transmission Data");
  Expect(MenuCommand::DataInertia, "Transmission data has not yet been entered",
         "Inertia Information");
  Expect(MenuCommand::DataClutch, "Engine data not yet entered", "Clutch Information");
  Expect(MenuCommand::DataThrottle, "Engine data must be entered first", "Throttle control Data");

  S.EngineEntered = True;
  S.TyreEntered = True;  // the tyre flag does not matter while the engine is missing
  Expect(MenuCommand::DataTrans, "");
  S.TyreEntered = False;
  Expect(MenuCommand::DataTrans, "Tyre data must be entered first");
  S.TransmissionEntered = True;
  Expect(MenuCommand::DataInertia, "Clutch data has not yet been entered");
  S.ChassisEntered = True;
  Expect(MenuCommand::DataTyre, "");
}

TEST_F(MenuGating, PowerCurvesFollowEachOther) {
  Expect(MenuCommand::DataPowerNA, "");
  Expect(MenuCommand::DataPowerN1, "Power curve with no nitrous must be entered first",
         "Power Data");
  Expect(MenuCommand::DataPowerN2, "Single stage nitrous power curve must be entered first");
  S.CurveEntered[0] = True;
  Expect(MenuCommand::DataPowerN1, "");
}

TEST_F(MenuGating, NitrousWithoutAFirstStageCurveCountsAsDone) {
  Expect(MenuCommand::DataNitrous, "Transmission data has not yet been entered",
         "Nitrous Oxide Settings");
  S.TransmissionEntered = True;
  Expect(MenuCommand::DataNitrous, "Engine data must be entered first");
  EXPECT_EQ(S.NitrousEntered, False);
  S.EngineEntered = True;
  S.NitrousSG1 = 2;
  S.NitrousSG2 = 3;
  Expect(MenuCommand::DataNitrous, "No Engine data for Nitrous stages 1 or 2 has been input");
  // No stage may switch on a curve that does not exist.
  EXPECT_EQ(std::tuple(S.NitrousEntered, S.NitrousSG1, S.NitrousSG2), std::tuple(True, 10, 10));
  S.EngineSummary[1][0] = 250;
  Expect(MenuCommand::DataNitrous, "");
}

TEST_F(MenuGating, CalculateAndDisplayCommands) {
  Expect(MenuCommand::CalcAcc, "");
  Expect(MenuCommand::CalcTree, "");
  Expect(MenuCommand::CalcEstimate, "Simulation has not yet been run", "Estimate Power");
  Expect(MenuCommand::DisplayGraph, "Simulation has not yet been run", "Display Simulation");
  Expect(MenuCommand::DisplayPerf, "Performance data has not been calculated", "Print data");

  // Cascades name the engine, transmission, tyre and aerodynamic sections in that order.
  const char* cascade[] = {
      "Engine data not yet entered", "Transmission data has not yet been entered",
      "Tyre data has not yet been entered", "Aerodynamic data has not yet been entered"};
  Integer* flags[] = {&S.EngineEntered, &S.TransmissionEntered, &S.TyreEntered, &S.AeroEntered};
  for (int i = 0; i < 4; ++i) {
    Expect(MenuCommand::DisplayCascade, cascade[i], "Cascade display");
    *flags[i] = True;
  }
  Expect(MenuCommand::DisplayCascade, "");

  S.RunDone = True;
  Cfg.HistoryLog = False;
  Expect(MenuCommand::DisplayHist, "No Performance history is available", "History Log");
  Cfg.HistoryLog = True;
  Expect(MenuCommand::DisplayHist, "");
  Expect(MenuCommand::DisplayGraph, "");
  Hooks.RunSimulationReady = [] { return false; };  // the run's gate names a section to mend
  EXPECT_FALSE(CommandAllowed(MenuCommand::CalcEstimate));
  Hooks = CommandHooks{};
}

// The edges at 31.5 and 543.5 are pressed on the bar itself (form1_test).
TEST(IconStripHitTest, CellsAreThirtyTwoUnitsWideFromTheStripsScale) {
  EXPECT_EQ(std::tuple(IconAt(1.0f), IconAt(63.4f), IconAt(63.6f), IconAt(543.4f)),
            std::tuple(1, 2, 3, 17));
  EXPECT_EQ(IconTable[15].command, MenuCommand::CalcTree);
  EXPECT_STREQ(IconTable[16].tip, "History Log ");
}

}  // namespace
}  // namespace kestrelon
