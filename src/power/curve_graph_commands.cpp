#include "power/curve_graph_commands.h"

#include <array>
#include <string>
#include <utility>

#include "core/commands.h"
#include "core/state.h"
#include "entry/nitrous_power_calc.h"
#include "files/power_file.h"
#include "platform/ui_seam.h"
#include "power/curve_graph_scale.h"
#include "power/power_curve.h"
#include "power/power_table.h"
#include "power/stored_curve.h"
#include "simulation/calculate_performance.h"

namespace kestrelon {

namespace {
auto& EditedColumn() { return S.PowerCurve[S.PowerCurveIndex]; }

// The items the curve's own entry writes: the maximum rpm, the peak power, the launch
// temperature and the rev limit.
constexpr std::pair<int, int> CurveItems[] = {{6, 1}, {6, 2}, {8, 18}, {9, 2}};

// The items the stores write when they work the clutch and the nitrous out from the curves, as
// group, first and last item: the clutch's texts as its OK writes them back, the nitrous form's,
// and the nitrous calculator's set-up of both stages.
constexpr std::array<int, 3> WorkedOutItems[] = {{1, 1, 13},  {1, 19, 20}, {5, 7, 8},  {5, 15, 20},
                                                 {6, 8, 14},  {6, 19, 20}, {8, 1, 8},  {9, 18, 20},
                                                 {10, 1, 10}, {10, 19, 20}, {0, 1, 20}};

template <typename... Fields>
void PutBackFields(const VehicleModel& from, Fields... fields) {
  ((S.*fields = from.*fields), ...);
}

// The column, the span's top and the axis tops as they were when the graph opened; the column
// as it was before the entry's erase.
void PutBackOriginalCurve() {
  auto& curve = EditedColumn();
  for (int row = 1; row <= CurveTopRow; ++row) curve[row] = S.PowerCurveBackup[row];
  S.MaxRPMIndex = S.PowerMaxRPMIndexBackup;
  S.GraphRPMTop = GraphRPMTopFor(S.MaxRPMIndex);
  S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex);
}

// True when no data form was accepted since the vehicle was found: what the stores worked out
// from the curves since then comes from the curve command alone, not from a change the racer
// made meanwhile.
bool NoDataFormSince(const CurveState::VehicleAsFound& found) {
  return S.DataFormsAccepted == found.dataFormsAccepted;
}

// The curve side as found: the curves, the span, the limit, the summaries, the peak power, the
// edited column's title, the launch temperature, the curve's own items and the flags its accept
// sets.
void PutBackCurveSide(const CurveState::VehicleAsFound& found) {
  S.PowerCurve = found.curve;
  S.MinRPMIndex = found.minRow;
  S.MaxRPMIndex = found.maxRow;
  S.RevLimitIndex = found.revLimit;
  S.PowerMaxPower = found.maxPower;
  S.EngineSummary = found.summary;
  S.PowerDescript[S.PowerCurveIndex] = found.titles[S.PowerCurveIndex];
  S.LaunchTemp = found.launchTemp;
  for (const auto& [group, item] : CurveItems)
    S.VehicleData[group][item] = found.texts[group][item];
  S.EngineEntered = found.engineEntered;
  S.CurveEntered = found.curveEntered;
}

// What the stores worked out from the curves: the clutch's figures and texts, the nitrous entry
// with the calculator's set-up, and their flags. With no data form accepted meanwhile they come
// back as found, as nothing but the curve command changed them; otherwise they are worked out
// for the curves put back, so that what the racer accepted stays. Nothing else is touched: the
// run set-up and a kept estimate made meanwhile stay.
void PutBackWorkedOut(const CurveState::VehicleAsFound& found) {
  if (!NoDataFormSince(found)) {
    FollowStoredCurves();
    return;
  }
  using M = VehicleModel;
  PutBackFields(found.model, &M::ClutchType, &M::ClutchTorqueStatic, &M::ClutchTorqueLocked,
                &M::ClutchEngageInitial, &M::ClutchEngageFinal, &M::ClutchEngageInitialPC,
                &M::ClutchFeatherFlag, &M::ConverterK, &M::ConverterCurveA, &M::ConverterCurveB,
                &M::ConverterMult, &M::ConverterSlipComplement, &M::ConverterCurveC, &M::BiteRPM,
                &M::ClutchDiameter, &M::ClutchWeight, &M::ClutchInertia, &M::ClutchUseSpec,
                &M::ClutchFrictions, &M::ClutchOD, &M::ClutchID, &M::ClutchFrictionCoeff,
                &M::ClutchMaterialIndex, &M::ClutchBaseMaterialIndex, &M::ClutchWet,
                &M::ClutchFrictionThickness, &M::ClutchPressureThickness, &M::ClutchAG,
                &M::ClutchSpring, &M::ClutchSpringCopy, &M::ClutchArms, &M::ClutchArmPL,
                &M::ClutchArmWL, &M::ClutchPCD, &M::ClutchPCDCopy, &M::ClutchArmWeight,
                &M::ClutchTotalWeight, &M::ClutchStaticCopy, &M::ClutchLockedCopy,
                &M::ClutchPlateCalc1, &M::ClutchPlateCalc2, &M::ClutchPlateCalc3,
                &M::ClutchPlateCalc4, &M::ClutchPlateCalc5, &M::ClutchPlateCalc6,
                &M::EngineInertia);
  PutBackFields(found.model, &M::NitrousStageData, &M::NitrousSG1, &M::NitrousSG2, &M::NitrousDT1,
                &M::NitrousDT2, &M::N2RunPressure, &M::N2DropPressure, &M::N2PowerPressure,
                &M::NitrousCorrect, &M::NitrousCapacity, &M::NitrousCylinders, &M::NitrousVolEff,
                &M::NitrousJetSize, &M::NitrousNumJets, &M::NitrousBottlePress, &M::NitrousPCurve,
                &M::NitrousTransEff, &M::NitrousPercentage);
  for (const auto& [group, first, last] : WorkedOutItems)
    for (int item = first; item <= last; ++item)
      S.VehicleData[group][item] = found.texts[group][item];
  S.ClutchEntered = found.clutchEntered;
  S.ClutchRefused = found.clutchRefused;
  S.NitrousEntered = found.nitrousEntered;
  S.TransmissionEntered = found.transmissionEntered;
}

void TakeWorkedOutFlags(CurveState::VehicleAsFound& found) {
  found.clutchEntered = S.ClutchEntered;
  found.clutchRefused = S.ClutchRefused;
  found.nitrousEntered = S.NitrousEntered;
  found.transmissionEntered = S.TransmissionEntered;
}
}  // namespace

void TakeVehicleAsFound(CurveState::VehicleAsFound& found) {
  found.model = S;
  found.texts = S.VehicleData;
  found.curve = S.PowerCurve;
  found.minRow = S.MinRPMIndex;
  found.maxRow = S.MaxRPMIndex;
  found.revLimit = S.RevLimitIndex;
  found.maxPower = S.PowerMaxPower;
  found.summary = S.EngineSummary;
  found.titles = S.PowerDescript;
  found.launchTemp = S.LaunchTemp;
  found.engineEntered = S.EngineEntered;
  found.curveEntered = S.CurveEntered;
  TakeWorkedOutFlags(found);
  found.dataFormsAccepted = S.DataFormsAccepted;
}

void TakeOpenedChassisIntoSnapshots() {
  for (auto* found : {&S.CurveEntryStart, &S.CurveGraphOpening}) {
    found->model = S;
    found->texts = S.VehicleData;
    found->launchTemp = S.LaunchTemp;
    found->revLimit = 0;  // the opened vehicle's own limit, taken from its item within the span
    TakeWorkedOutFlags(*found);
    found->dataFormsAccepted = S.DataFormsAccepted;
  }
}

void TakeKeptPowerIntoSnapshots() {
  for (auto* found : {&S.CurveEntryStart, &S.CurveGraphOpening}) {
    // The curve's own items stay as found: the estimate does not write them.
    VehicleTable texts = S.VehicleData;
    for (const auto& [group, item] : CurveItems) texts[group][item] = found->texts[group][item];
    found->model = S;
    found->texts = texts;
    found->curve = S.PowerCurve;
    found->minRow = S.MinRPMIndex;
    found->maxRow = S.MaxRPMIndex;
    found->revLimit = S.RevLimitIndex;
    found->maxPower = S.PowerMaxPower;
    found->summary = S.EngineSummary;
    TakeWorkedOutFlags(*found);
  }
  for (int row = 1; row <= CurveTopRow; ++row) S.PowerCurveBackup[row] = EditedColumn()[row];
  S.PowerMaxRPMIndexBackup = S.MaxRPMIndex;
}

void FillPowerCurve(const PowerGraphState& graph, const PlotRow& plot) {
  const bool automatic = S.AutoAccept != False;
  if (!graph.GraphReady && !automatic) return;
  auto& curve = EditedColumn();
  int start = S.MinRPMIndex;
  if (S.PowerCurveIndex == 0) start = S.MinRPMIndex = NextNonZeroPowerIndex(0);
  if (start == S.MaxRPMIndex) {
    S.MinRPMIndex = 0;
    return;
  }
  const bool show = !graph.GraphPrinting && !automatic;
  for (int p = start; p < S.MaxRPMIndex;) {
    const int q = NextNonZeroPowerIndex(p);
    if (q - p > 1) {
      const Single slope = (curve[q] - curve[p]) / static_cast<Single>(q - p);
      for (int j = p + 1; j < q; ++j) {
        curve[j] = static_cast<Single>(j - p) * slope + curve[p];
        if (show) plot(j, true);
      }
    }
    p = q;
  }
  for (int row = S.MaxRPMIndex + 1; row < CurveRows; ++row) curve[row] = 0;
}

bool AcceptPowerCurve(PowerGraphState& graph, const PlotRow& plot) {
  if (!graph.GraphReady && S.AutoAccept == False) return false;
  graph.AcceptPending = true;
  // Whatever road brought it in (the table, the mouse, a manipulation, a scaling), a torque no
  // engine gives, or no number at all, is refused before the fill spreads it along the curve:
  // the run could not use it and a power file could not hold it.
  if (!PowerFileHoldsColumn(S.PowerCurveIndex)) {
    ui().MsgBox(TooMuchTorqueText, Msg::Exclamation, PowerInputTitle);
    return false;
  }
  // A nitrous stage the racer changed here is stored as drawn, no longer built by the calculator.
  if (S.AutoAccept == False) TakeDrawnStageOffCalculator(S.PowerCurveIndex, S.PowerCurveBackup);
  FillPowerCurve(graph, plot);
  S.EngineEntered = True;
  S.CurveEntered[S.PowerCurveIndex] = True;
  // Held as the power file gives it back, with the span, the rev limit and the figures worked
  // out from it as when the vehicle is opened.
  StoreCurves();
  S.VehicleData[9][2] = Str(S.RevLimitIndex * 100);
  graph.AcceptPending = false;
  if (!graph.AcceptFromF2) {
    graph.RangeMark1 = graph.RangeMark2 = 0;
    S.LowRPM = S.HighRPM = 0;
  }
  return true;
}

void AcceptAndRun(PowerGraphState& graph, bool shiftHeld, const PlotRow& plot) {
  graph.AcceptFromF2 = true;
  AcceptPowerCurve(graph, plot);
  graph.AcceptFromF2 = false;
  if (graph.AcceptPending) return;
  if (!shiftHeld && S.RunDone != False) {
    // A section refused since the run (a clutch the new curve does not fit) is named, not run past.
    if (Hooks.RunSimulationReady && !Hooks.RunSimulationReady()) return;
    CalculatePerformance(S.ShowCalcProgress);
    S.CalcRequested = True;
  } else {
    RunHook(Hooks.RunSimulationCheck);
  }
}

void RestoreOriginalCurve() {
  // The rev limit is no part of the curve put back: a limit picked meanwhile stays.
  const std::string revLimitItem = S.VehicleData[9][2];
  const Integer revLimit = S.RevLimitIndex;
  const CurveState::VehicleAsFound& opening = S.CurveGraphOpening;
  PutBackCurveSide(opening);
  PutBackOriginalCurve();
  S.VehicleData[9][2] = revLimitItem;
  S.RevLimitIndex = revLimit;
  ClampRevLimit();
  PutBackWorkedOut(opening);
}

void CancelPowerCurve() {
  const CurveState::VehicleAsFound& start = S.CurveEntryStart;
  // The curves as the entry found them, stored ones already: filled again, a stage column would
  // gain rows below its first point that it never had.
  PutBackCurveSide(start);
  S.GraphRPMTop = GraphRPMTopFor(S.MaxRPMIndex);
  S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex);
  // The limit of the item put back, as an opened vehicle takes it.
  TakeRevLimitItem();
  ClampRevLimit();
  PutBackWorkedOut(start);
  S.InputDataPending = False;
  S.DataSequence = False;
}

void CopyCurveColumn(int source) {
  const int c = S.PowerCurveIndex;
  if (source == c) return;
  for (int row = 1; row < CurveRows; ++row)
    S.PowerCurve[c][row] = row <= S.MaxRPMIndex ? S.PowerCurve[source][row] : 0;
  S.EngineSummary[c] = S.EngineSummary[source];
  if (source == 1) S.CurvePeakValue = PowerCurveScaleMax(c);
}

}  // namespace kestrelon
