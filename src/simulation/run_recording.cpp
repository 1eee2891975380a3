#include "simulation/run_recording.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"

namespace kestrelon {

namespace {

// A value that is not a number reads as 0, so no reader ever meets one.
Single Finite(Single v) { return std::isfinite(v) ? v : 0.0f; }

Single Ratio(Single a, Single b) { return b != 0 ? a / b : 0.0f; }

}  // namespace

void NoteRecording() {
  S.RecordedWith = {.PointSpacing = S.PointSpacing,
                    .LaunchTime = S.LaunchTime,
                    .LaunchStage = S.LaunchStage,
                    .Trap8Length = S.Trap8Length,
                    .Trap4Length = S.Trap4Length,
                    .Trap8Position = S.Trap8Position,
                    .Trap4Position = S.Trap4Position,
                    .LaunchRPM = S.LaunchRPM,
                    .LaunchStageText = S.VehicleData[4][5]};
}

void RecordRunPoint() {
  const int p = std::clamp<int>(S.LoopIndex, 0, LastRunPoint);
  const Single values[RunChannelCount] = {
      S.RearWheelLoad,
      S.FrontWheelLoad,
      S.WheelieBarHeight,
      S.WheelieBarLoad,
      S.FrontWheelHeight,
      S.Acceleration,
      S.EngineSpeed,
      Ratio(S.DrivelineSpeed, S.TransPrimary),
      S.Speed,
      S.RearWheelSpeed,
      S.SlipRatio,
      S.TyreRadius,
      S.RearAxleHeight,
      S.CorrectedTyreMu,
      S.CGHeight,
      S.Distance,
      S.FrontWheelSpeed,
      S.ThrottleOpening,
      S.ClutchEngagement,
      S.ClutchTorqueCapacity,
      Ratio(S.DrivelineSpeed, S.GearOverallRatio),
      S.ClutchTemp,
      S.TyreTemp,
      S.LiftForce,
  };
  for (int ch = 0; ch < RunChannelCount; ++ch) S.RunResults[ch][CurrentRun][p] = Finite(values[ch]);
  S.PointCount = static_cast<Integer>(p);
}

}  // namespace kestrelon
