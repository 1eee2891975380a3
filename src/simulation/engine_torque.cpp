#include "simulation/engine_torque.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "simulation/nitrous.h"
#include "simulation/run_context.h"

namespace kestrelon {

namespace {

Single CurveAt(int column, int row) {
  if (column < 0 || column >= CurveColumns || row < 0 || row >= CurveRows) return 0;
  return S.PowerCurve[column][row];
}

// The stage's progression fraction: by time since it came on, or by engine row.
Single ProgressionFraction(Integer Stage, Integer Row) {
  const NitrousStageRecord& n = S.NitrousStageData[Stage];
  if (n.ProgTime > 0) {
    const Single on = Stage == 1 ? S.NitrousDT1 + S.GearEngagedTime[CurrentRun][std::clamp(S.NitrousSG1 - 1, 0, 10)]
                                 : S.NitrousDT2 + S.GearEngagedTime[CurrentRun][std::clamp(S.NitrousSG2 - 1, 0, 10)];
    const Single e = S.RunTime - on;
    if (e > n.ProgTime) return n.FinalPower;
    return n.StartPower + (n.FinalPower - n.StartPower) * e / n.ProgTime;
  }
  // A window that does not open upwards has reached its final power at once.
  if (n.FinalRPM <= n.StartRPM) return n.FinalPower;
  return n.StartPower + (n.FinalPower - n.StartPower) * static_cast<Single>(Row - n.StartRPM) /
                            static_cast<Single>(n.FinalRPM - n.StartRPM);
}

// The nitrous-calculator model of a stage: the base column raised by the power ratio.
Single CalculatorTorque(Integer Stage, Integer Row, Single P) {
  const int b = std::clamp(static_cast<int>(S.NitrousPCurve[Stage]), 0, CurveColumns - 1);
  const Single tb = ColumnAt(b, Row);
  const Single peak = S.EngineSummary[b][0];
  const Single volEff = peak != 0 ? S.NitrousVolEff[Stage] * tb / peak : 0.0f;
  Single pressure;
  if (S.N2DropPressure != 0)
    pressure = S.N2RunPressure - S.N2DropPressure * S.RunTime;
  else if (S.N2RunPressure > 0)
    pressure = S.N2RunPressure;
  else
    pressure = S.NitrousBottlePress[Stage];
  pressure = std::max(pressure, 0.0f);
  const Single ref = S.NitrousRefPressure > 0 ? S.NitrousRefPressure : 1.0f;
  const Single jet = S.NitrousRefJet > 0 ? S.NitrousRefJet : 1.0f;
  const Single flow = std::sqrt(pressure / ref) *
                      (S.NitrousJetSize[Stage] * S.NitrousJetSize[Stage] * S.NitrousNumJets[Stage]) /
                      jet * P * 100.0f;
  const Single R = CalcNitrousPower(S.NitrousCapacity[Stage], flow, volEff, static_cast<Single>(Row) * 100.0f);
  if (R <= 0) return 0;
  return tb * (1.0f + (R - 1.0f) * S.NitrousTransEff[Stage] / 100.0f);
}

}  // namespace

Single ColumnAt(int column, int row) {
  const Single torque = CurveAt(column, row);
  return torque > 0 ? torque : CurveAt(0, row);
}

Single EngineTorqueAt(Integer Stage, Integer Row) {
  const Single c0 = CurveAt(0, Row);
  if (Stage <= 0 || Stage >= CurveColumns) return c0;
  const NitrousStageRecord& n = S.NitrousStageData[Stage];

  if (S.NitrousCapacity[Stage] > 0) {
    // A stage that does not build up gives its full flow.
    const Single P = n.ProgStage != False ? ProgressionFraction(Stage, Row) : 1.0f;
    return CalculatorTorque(Stage, Row, P);
  }

  const Single cs = ColumnAt(Stage, Row);
  const Single factor = S.NitrousPressureFactor;
  if (n.ProgStage == False) return c0 + factor * (cs - c0);
  const Single prev = ColumnAt(Stage - 1, Row);
  if (Row <= n.StartRPM) return prev;
  const Single P = ProgressionFraction(Stage, Row);
  if ((n.FinalRPM > 0 && Row >= n.FinalRPM) || P == 1.0f) return c0 + factor * (cs - c0);
  const Single m = prev + P * (cs - prev);
  return c0 + factor * (m - c0);
}

void CrankTorquePhase(RunContext& __restrict c) {
  const Integer stage = S.CurrentStage;
  auto rowTorque = [stage](int row) {
    return stage == 0 ? CurveAt(0, row) : EngineTorqueAt(stage, static_cast<Integer>(row));
  };

  Single curve;
  Single base;  // the no-nitrous torque at the same rows
  if (S.EngineSpeed < S.MinRPMIndex) {
    c.ShiftTorqueFactor *= S.MinRPMIndex > 0 ? S.EngineSpeed / S.MinRPMIndex : 0.0f;
    curve = rowTorque(S.MinRPMIndex);
    base = CurveAt(0, S.MinRPMIndex);
  } else {
    // A runaway engine reads the top margin row (no torque); the clamp also keeps the row
    // conversion defined.
    const Single speed = S.EngineSpeed < CurveRows - 1 ? S.EngineSpeed : static_cast<Single>(CurveRows - 1);
    const int r = std::min(static_cast<int>(speed), CurveRows - 2);
    const Single frac = speed - static_cast<Single>(r);
    const Single ta = rowTorque(r);
    curve = ta + frac * (rowTorque(r + 1) - ta);
    const Single ba = CurveAt(0, r);
    base = ba + frac * (CurveAt(0, r + 1) - ba);
  }

  const Single throttle = S.RevLimitFactor < 0 ? S.RevLimitFactor : S.RevLimitFactor * S.ThrottleOpening;
  const Single air = S.Speed + S.AeroSpeed;
  const Single ram = 1.0f + S.AeroRamFactor * air * air;
  if (S.NitrousCorrect[std::clamp<int>(stage, 0, 2)] != False) {
    S.CrankTorque = curve * c.TorqueScale * throttle * c.ShiftTorqueFactor * ram;
  } else {
    // The nitrous share is not corrected for the air.
    S.CrankTorque = (base * c.TorqueScale * throttle * ram + (curve - base) * throttle * 1.3567f) *
                    c.ShiftTorqueFactor;
  }
}

}  // namespace kestrelon
