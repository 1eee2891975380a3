#include "core/menu_gating.h"

#include <vector>

#include "core/commands.h"
#include "core/settings.h"
#include "core/state.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

struct Need {
  bool (*met)();
  const char* refusal;  // none where met() tells the racer itself
};

bool Engine() { return S.EngineEntered != False; }
bool Chassis() { return S.ChassisEntered != False; }
bool Tyre() { return S.TyreEntered != False; }
bool Aero() { return S.AeroEntered != False; }
bool Transmission() { return S.TransmissionEntered != False; }
bool Clutch() { return S.ClutchEntered != False; }
bool PlainCurve() { return S.CurveEntered[0] != False; }
bool FirstStageCurve() { return S.CurveEntered[1] != False; }
bool FirstStagePeak() { return S.EngineSummary[1][0] != 0; }
bool Run() { return S.RunDone != False; }
bool RunWithHistory() { return S.RunDone != False && Cfg.HistoryLog != False; }
// A command since the run may have left a section to mend (a refused clutch): the run's gate
// names it, as it would before a run.
bool RunPassesGate() { return !Hooks.RunSimulationReady || Hooks.RunSimulationReady(); }

struct Gate {
  const char* title;
  std::vector<Need> needs;
};

Gate GateOf(MenuCommand command) {
  switch (command) {
    case MenuCommand::DataTyre:
      return {"Tyre Data", {{Chassis, "Chassis data not yet entered"}}};
    case MenuCommand::DataTrans:
      return {"Transmission Data",
              {{Engine, "Engine data must be entered first"},
               {Tyre, "Tyre data must be entered first"}}};
    case MenuCommand::DataNitrous:
      return {"Nitrous Oxide Settings",
              {{Transmission, "Transmission data has not yet been entered"},
               {Engine, "Engine data must be entered first"},
               {FirstStagePeak, "No Engine data for Nitrous stages 1 or 2 has been input"}}};
    case MenuCommand::DataClutch:
      return {"Clutch Information", {{Engine, "Engine data not yet entered"}}};
    case MenuCommand::DataInertia:
      return {"Inertia Information",
              {{Transmission, "Transmission data has not yet been entered"},
               {Clutch, "Clutch data has not yet been entered"}}};
    case MenuCommand::DataThrottle:
      return {"Throttle control Data", {{Engine, "Engine data must be entered first"}}};
    case MenuCommand::DataPowerN1:
      return {"Power Data", {{PlainCurve, "Power curve with no nitrous must be entered first"}}};
    case MenuCommand::DataPowerN2:
      return {"Power Data",
              {{FirstStageCurve, "Single stage nitrous power curve must be entered first"}}};
    case MenuCommand::CalcEstimate:
      return {"Estimate Power",
              {{Run, "Simulation has not yet been run"}, {RunPassesGate, nullptr}}};
    case MenuCommand::DisplayCascade:
      return {"Cascade display",
              {{Engine, "Engine data not yet entered"},
               {Transmission, "Transmission data has not yet been entered"},
               {Tyre, "Tyre data has not yet been entered"},
               {Aero, "Aerodynamic data has not yet been entered"}}};
    case MenuCommand::DisplayGraph:
      return {"Display Simulation", {{Run, "Simulation has not yet been run"}}};
    case MenuCommand::DisplayPerf:
      return {"Print data", {{Run, "Performance data has not been calculated"}}};
    case MenuCommand::DisplayHist:
      return {"History Log", {{RunWithHistory, "No Performance history is available"}}};
    default:
      return {"", {}};
  }
}

}  // namespace

bool CommandAllowed(MenuCommand command) {
  const Gate gate = GateOf(command);
  for (const Need& need : gate.needs) {
    if (need.met()) continue;
    if (need.refusal) ui().MsgBox(need.refusal, Msg::OKOnly | Msg::Question, gate.title);
    if (need.met == FirstStagePeak) {
      // Without a first-stage curve the vehicle runs without nitrous: the section is done and
      // neither stage may switch on in a run.
      S.NitrousEntered = True;
      S.NitrousSG1 = 10;
      S.NitrousSG2 = 10;
    }
    return false;
  }
  return true;
}

const std::array<IconCommand, IconCount> IconTable = {{
    {MenuCommand::DataAero, "Aerodynamic and atmospheric data", false},
    {MenuCommand::CalcAcc, "Calculate a simulated run", false},
    {MenuCommand::DisplayCascade, "Display power and aerodynamic cascades", false},
    {MenuCommand::DataChassis, "Chassis weight and dimensions", false},
    {MenuCommand::DataClutch, "Clutch settings", false},
    {MenuCommand::DataPowerNA, "Power curve with no nitrous", true},
    {MenuCommand::DataPowerN1, "Power curve with one stage of nitrous", true},
    {MenuCommand::DataPowerN2, "Power curve with two stages of nitrous", true},
    {MenuCommand::DataTrans, "Gear and transmission ratios", false},
    {MenuCommand::DataInertia, "Clutch and crankshaft inertia", false},
    {MenuCommand::DataNitrous, "Nitrous oxide delays and usage", false},
    {MenuCommand::DisplayPerf, "Print summary of vehicle data", true},
    {MenuCommand::DisplayGraph, "Graphical display of simulation results", true},
    {MenuCommand::DataTyre, "Wheel and tyre information", false},
    {MenuCommand::DataThrottle, "Throttle controls", false},
    {MenuCommand::CalcTree, "Practice Tree", true},
    {MenuCommand::DisplayHist, "History Log ", false},
}};

Integer IconAt(Single x) { return static_cast<Integer>(IntDiv(CInt(x), IconCellWidth) + 1); }

}  // namespace kestrelon
