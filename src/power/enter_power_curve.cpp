#include "power/enter_power_curve.h"

#include <algorithm>

#include "core/state.h"
#include "core/units.h"
#include "platform/ui_seam.h"
#include "power/curve_graph_commands.h"
#include "power/curve_synthesis.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

std::string WholeText(int value) { return Trim(Str(value)); }

// Highest row x torque of a column over the span, 0 when it has no point there.
Single PeakPowerProduct(int column) {
  Single best = 0;
  for (int j = S.MinRPMIndex; j <= S.MaxRPMIndex; ++j)
    best = std::max(best, static_cast<Single>(j) * S.PowerCurve[column][j]);
  return best;
}

// Column 0: fills the engine's maximum rpm and proposes the peak power from the summary.
void PrefillNoNitrous() {
  auto& maxRpm = S.VehicleData[6][1];
  if (Trim(maxRpm).empty()) maxRpm = WholeText(S.MaxRPMIndex * 100);
  auto& maxPower = S.VehicleData[6][2];
  const auto& summary = S.EngineSummary[0];
  if (summary[2] > 0) {
    S.PowerMaxPower = CInt(summary[2]);
    if (summary[0] > summary[2]) S.PowerMaxPower = CInt(summary[0]);
    if (S.PowerMaxPower > 0) maxPower = WholeText(S.PowerMaxPower);
  } else if (CLng(LeadingNumber(maxPower)) < S.PowerMaxPower) {
    maxPower = WholeText(S.PowerMaxPower);
  }
}

// Columns 1 and 2: the proposed peak power, from the column's own points or, without any,
// from column 0's peak raised by 30 % per stage.
void ProposeNitrousPeak(int column) {
  const auto& summary = S.EngineSummary[column];
  if (summary[2] > 0) {
    S.PowerMaxPower = CInt(std::max(summary[2], summary[0]));
  } else if (const Single own = PeakPowerProduct(column); own > 0) {
    S.PowerMaxPower = CInt(own / RowTorqueToBHP);
  } else {
    const Single stageFactor = column == 1 ? 1.3f : 1.69f;
    S.PowerMaxPower = CInt(PeakPowerProduct(0) / RowTorqueToBHP * stageFactor);
  }
}

// The entry form's figures only count when the form accepted them during this call.
void ClearPeakFigures() {
  S.ErasePower = False;
  S.MaxPRPM = 0;
  S.MaxTRPM = 0;
  S.MinRPM = 0;
  S.MaxTRQ = 0;
}

void AskPeakFigures(int column) {
  const std::string own = Trim(S.PowerDescript[column]);
  static constexpr const char* DefaultTitles[] = {"Power with no nitrous", "1st stage nitrous",
                                                  "2nd stage nitrous"};
  S.PowerCurveTitle = own.empty() ? DefaultTitles[column] : own;
  ClearPeakFigures();
  ui().ShowPowerEntryForm();
}

// The graph's units and axis tops. A span that is too short for its power is drawn on a
// taller value axis, so the curve keeps its slope on screen.
void PresetGraph(int column) {
  const int m = S.MaxRPMIndex;
  const bool bhp = S.PowerUnit == "BHP";
  const int shortSpan = bhp ? 70 : 115;
  if (m > 0 && m < shortSpan) S.PowerMaxPower = CInt(S.PowerMaxPower * double(shortSpan) / m);
  ApplyPowerUnit(S.PowerUnit);
  if (S.PowerMaxPower < S.EngineSummary[column][2])
    S.PowerMaxPower = CInt(S.EngineSummary[column][2]);
  S.PowerMaxRPMIndexBackup = static_cast<Integer>(m);
  S.GraphRPMTop = (m / 10 + 1) * 1000;
  S.CurvePeakValue = S.PowerMaxPower;
}

void BackUpColumn(int column, bool erase) {
  auto& curve = S.PowerCurve[column];
  for (int r = 1; r <= CurveTopRow; ++r) {
    S.PowerCurveBackup[r] = curve[r];
    if (erase) curve[r] = 0;
  }
}

}  // namespace

void TakeLaunchTempItem() {
  auto& launchTemp = S.VehicleData[8][18];
  if (Trim(launchTemp).empty()) launchTemp = "70c";
  const Single t = ParseValueWithUnits(launchTemp, "temp");
  S.LaunchTemp = S.UnitsParseOK == 1 ? t : 70.0f;
}

void EnterPowerCurve(Integer column, Integer mode) {
  const bool automatic = S.AutoAccept != False;
  // What the graph's Cancel puts back: the vehicle before the peak figures change anything.
  if (!automatic) TakeVehicleAsFound(S.CurveEntryStart);
  S.PowerCurveIndex = column;
  S.CancelFlag = 0;
  S.PowerEraseMode = 0;
  if (column == 0) {
    PrefillNoNitrous();
    if (!automatic) {
      AskPeakFigures(0);
    } else {
      TakeLaunchTempItem();
    }
    if (S.CancelFlag == 1) S.LoadFailed = True;
  } else {
    ProposeNitrousPeak(column);
    if (!automatic) AskPeakFigures(column);
  }
  if (S.CancelFlag == 1) return;

  PresetGraph(column);
  BackUpColumn(column, !automatic && S.ErasePower != False);
  if (!automatic) TakeVehicleAsFound(S.CurveGraphOpening);
  // Only figures the entry form accepted in this call shape the curve.
  if (!automatic && S.MaxPRPM > 0) SynthesizePowerCurve(column);

  if (automatic) {
    UpdateEngineSummary(column);
    S.LastRunEngineSummary[column] = S.EngineSummary[column];
    S.EngineEntered = True;
    S.CurveEntered[column] = True;
  } else {
    S.CurveGraphOpen = True;
    ui().ShowPowerGraph(mode);
  }
}

}  // namespace kestrelon
