#include "simulation/estimate_results.h"

#include <cmath>

#include "core/state.h"
#include "power/scale_power_curve.h"

namespace kestrelon {
namespace {

constexpr const char* TimeFormat = "#0.000";
constexpr const char* SpeedFormat = "#00.00";
constexpr Single KWPerBHP = 0.74617f;

// Target and simulated figure in the same unit; no error without a target or a simulated one.
EstimateTicketRow Compared(Single target, Single simulated, const std::string& actual,
                           const std::string& estimated) {
  EstimateTicketRow row;
  row.estimated = estimated;
  if (target == 0) return row;
  row.actual = actual;
  if (simulated == 0) return row;
  const Single error = std::fabs(1 - target / simulated) * 100;
  row.error = Format(error, "#0.00");
  row.outside = error > S.EstError;
  return row;
}

EstimateTicketRow TimeRow(Single target, Single simulated) {
  return Compared(target, simulated, Format(target, TimeFormat), Format(simulated, TimeFormat));
}

// Target speeds are held in m/s, the run's trap speeds in the display unit.
EstimateTicketRow SpeedRow(Single target, Single simulated) {
  const Single shown = target / S.SpeedFactor;
  return Compared(shown, simulated, Format(shown, SpeedFormat) + S.SpeedUnit,
                  Format(simulated, SpeedFormat) + S.SpeedUnit);
}

EstimateRestoreRow Restorable(Integer adjust, const std::string& original, const std::string& now) {
  if (adjust == False) return {};
  return {true, original, now};
}

std::string PowerText(Single bhp) {
  const Single unit = S.PowerUnit == "BHP" ? 1.0f : KWPerBHP;
  return Format(unit * bhp, "#.0") + S.PowerUnit;
}

}  // namespace

EstimateResults EstimateResultTexts() {
  EstimateResults r;
  r.ticket[Row60t] = TimeRow(S.Est60time, S.Time60ft);
  r.ticket[Row330t] = TimeRow(S.Est330time, S.Time330ft);
  r.ticket[Row660t] = TimeRow(S.Est660time, S.Time660ft);
  r.ticket[Row660v] = SpeedRow(S.Est660speed, S.Speed660ft);
  r.ticket[Row1320t] = TimeRow(S.Est1320time, S.Time1320ft);
  r.ticket[Row1320v] = SpeedRow(S.Est1320speed, S.Speed1320ft);

  const Integer top = HighestCurveColumnInUse();
  r.restore[RestoreDrag] = Restorable(S.EstCDAdjust, NumText(S.EstOrigCD), NumText(S.AeroCD));
  r.restore[RestoreGrip] = Restorable(S.EstMUAdjust, NumText(S.EstOrigMu), NumText(S.TyreMu));
  r.restore[RestorePower] = Restorable(S.EstBHPAdjust, PowerText(S.EstOrigEngineSummary[top][2]),
                                       PowerText(S.EngineSummary[top][2]));
  r.restore[RestoreGearing] =
      Restorable(S.EstGearAdjust, NumText(S.EstOrigGearing), NumText(S.TransFinal));
  return r;
}

}  // namespace kestrelon
