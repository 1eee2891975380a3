#include "simulation/wheelie_threshold.h"

#include <array>
#include <cmath>

#include "core/commands.h"
#include "core/state.h"
#include "platform/ui_seam.h"
#include "simulation/gear_shift.h"
#include "simulation/nitrous.h"

namespace kestrelon {

bool WheelieThresholdAllowed() {
  if (!StoreOpenCurveEdit()) return false;  // the threshold of the curve an open graph shows
  const std::array<std::pair<Integer, const char*>, 5> needed = {{
      {S.EngineEntered, "Engine data not yet entered"},
      {S.TransmissionEntered, "Transmission data has not yet been entered"},
      {S.ChassisEntered, "Chassis data has not yet been entered"},
      {S.InertiaEntered, "Inertia data has not yet been entered"},
      {S.TyreEntered, "Tyre data has not yet been entered"},
  }};
  for (const auto& [entered, message] : needed) {
    if (entered == False) {
      ui().MsgBox(message, Msg::OKOnly | Msg::Question, "Wheelie Threshold Calculation");
      return false;
    }
  }
  return true;
}

WheelieThreshold CalcWheelieThreshold() {
  WheelieThreshold w;
  // The curve of the nitrous stage that would be on in first gear 10 s into a run.
  const Integer stage = NitrousStageAt(1, 10.0f);
  const Single peakRPM = S.EngineSummary[static_cast<std::size_t>(stage)][1] * 100;
  w.GearRatio = GearingWithGrowth(peakRPM, 1);
  const Single tyre = S.TyreDia;
  w.valid = w.GearRatio != 0 && tyre != 0 && S.ChassisCGH != 0;
  if (!w.valid) return w;
  w.Mass = S.ChassisWeight + 4 * S.RearWheelInertia / (tyre * tyre) +
           2 * S.EngineInertia * w.GearRatio * w.GearRatio / tyre;
  w.valid = w.Mass != 0;
  if (!w.valid) return w;
  w.AxleTorque = S.ChassisCGL * w.Mass * tyre / (2 * S.ChassisCGH);
  w.TorqueKGM = w.AxleTorque / w.GearRatio;
  w.TorqueLBFT = 7.2308f * w.AxleTorque / w.GearRatio;
  w.Acceleration = 2 * w.AxleTorque / tyre / w.Mass;
  return w;
}

WheelieCaptions WheelieThresholdCaptions(const WheelieThreshold& w) {
  // A threshold that cannot be formed shows a dash in place of each figure it lacks.
  auto shown = [&](Single value, const char* pattern, bool known) {
    return " " + (known && std::isfinite(value) ? Format(value, pattern) : std::string("-"));
  };
  const bool ratioKnown = w.GearRatio != 0;
  return {shown(w.GearRatio, "###.0##", ratioKnown) + ":1",
          shown(w.TorqueKGM, "####.0#", w.valid) + " Kg-m",
          shown(w.TorqueLBFT, "#####.0#", w.valid) + " lb-ft",
          shown(w.Acceleration, "##.0##", w.valid) + " g"};
}

}  // namespace kestrelon
