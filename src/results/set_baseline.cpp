#include "results/set_baseline.h"

#include "core/state.h"
#include "files/file_windows.h"
#include "platform/ui_seam.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

std::string Bracketed(Single time, Single speed) {
  return " (" + Format(time, "#0.000") + "s/" + Format(speed, "##0.00") + S.SpeedUnit + ")";
}

}  // namespace

void SetBaseline() {
  // The baseline column: the current run up to its last point, zeros beyond.
  for (auto& channel : S.RunResults)
    for (int i = 0; i <= LastRunPoint; ++i)
      channel[BaselineRun][i] = i <= S.PointCount ? channel[CurrentRun][i] : 0.0f;
  S.WheelieCount[BaselineRun] = S.WheelieCount[CurrentRun];
  S.GearEngagedTime[BaselineRun] = S.GearEngagedTime[CurrentRun];
  S.WheelieTime[BaselineRun] = S.WheelieTime[CurrentRun];
  S.GearEngagedRPM[BaselineRun] = S.GearEngagedRPM[CurrentRun];
  S.BaselinePointCount = S.PointCount;
  S.BaselinePointSpacing = S.RecordedWith.PointSpacing;
  S.BaselineLaunchTime = S.RecordedWith.LaunchTime;

  CalcTimingPoints();
  S.BaselineRolloutTime = S.RunRolloutTime;
  S.BaselineLaunchStage = S.RecordedWith.LaunchStage;
  S.BaselinePerfText[0] = " (" + Format(S.RunRolloutTime, "0.000") + "s)";
  S.BaselinePerfText[1] = Bracketed(S.Time60ft, S.Speed60ft);
  S.BaselinePerfText[2] = Bracketed(S.Time330ft, S.Speed330ft);
  S.BaselinePerfText[3] = Bracketed(S.Time660ft, S.Speed660ft);
  S.BaselinePerfText[4] = Bracketed(S.Time1320ft, S.Speed1320ft);
  S.BaselinePerfText[5] = S.SimDistance > 0 ? Bracketed(S.TimeSimDistance, S.SpeedSimDistance) : "";

  S.BaselineRevLimitIndex = S.RevLimitIndex;
  S.BaselinePowerCurve = S.PowerCurve;
  S.BaselineEngineSummary = S.EngineSummary;
  S.BaselinePowerFileName = S.PowerFileName;
  S.BaselineVehicleData = S.VehicleData;
  S.BaselineVehicleFileName = S.VehicleFileName;

  S.BaselineSet = True;
  if (FileWindows.EnableBaselineMenu) FileWindows.EnableBaselineMenu(true);
  ui().MsgBox("Baseline run has been set", Msg::OKOnly | Msg::Information, "Simulation display");
}

}  // namespace kestrelon
