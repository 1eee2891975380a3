#include "simulation/estimate_search.h"

#include <array>

#include "core/state.h"
#include "platform/ui_seam.h"
#include "power/scale_power_curve.h"
#include "simulation/calculate_performance.h"
#include "simulation/estimate_rules.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

// Every gear's overall ratio and tyre-growth speed as they were when the search began; the
// final drive is kept in EstOrigGearing.
struct SavedGears {
  std::array<Single, GearSlots> overall{};
  std::array<Single, GearSlots> growth{};
};

std::string& DragItem() { return S.VehicleData[5][2]; }
std::string& GripItem() { return S.VehicleData[3][4]; }
std::string& FinalDriveItem() { return S.VehicleData[6][17]; }

void SaveModel(SavedGears& gears) {
  if (S.EstBHPAdjust != False) {
    for (int c = 0; c <= HighestCurveColumnInUse(); ++c) {
      for (int j = S.MinRPMIndex; j <= S.MaxRPMIndex; ++j) S.EstOrigPowerCurve[c][j] = S.PowerCurve[c][j];
      S.EstOrigEngineSummary[c] = S.EngineSummary[c];
    }
  }
  if (S.EstCDAdjust != False) S.EstOrigCD = S.AeroCD;
  if (S.EstMUAdjust != False) S.EstOrigMu = S.TyreMu;
  if (S.EstGearAdjust != False) {
    S.EstOrigGearing = S.TransFinal;
    gears.overall = S.GearOverall;
    gears.growth = S.GearGrowthRPM;
  }
}

void RestorePower() {
  for (int c = 0; c <= HighestCurveColumnInUse(); ++c) {
    for (int j = S.MinRPMIndex; j <= S.MaxRPMIndex; ++j) S.PowerCurve[c][j] = S.EstOrigPowerCurve[c][j];
    S.EngineSummary[c] = S.EstOrigEngineSummary[c];
  }
}

bool PowerChanged() {
  for (int c = 0; c <= HighestCurveColumnInUse(); ++c)
    if (S.EngineSummary[c] != S.EstOrigEngineSummary[c]) return true;
  return false;
}

void RestoreGearing(const SavedGears& gears) {
  S.TransFinal = S.EstOrigGearing;
  S.GearOverall = gears.overall;
  S.GearGrowthRPM = gears.growth;
}

void PutModelBack(const SavedGears& gears) {
  if (S.EstCDAdjust != False) SetDragCoefficient(S.EstOrigCD);
  if (S.EstMUAdjust != False) S.TyreMu = S.EstOrigMu;
  if (S.EstBHPAdjust != False) RestorePower();
  if (S.EstGearAdjust != False) RestoreGearing(gears);
}

// A value the racer keeps goes into its vehicle item as a plain number; a kept change is
// unsaved data.
void Keep(std::string& item, Single value, Single original) {
  item = NumText(value);
  if (value != original) S.DataSaved = False;
}

// After the results window: each quantity the search could change is put back or kept, as its
// restore switch says.
void KeepOrRestore(const SavedGears& gears) {
  if (S.EstCDAdjust != False) {
    if (S.EstCDRestore != False)
      SetDragCoefficient(S.EstOrigCD);
    else
      Keep(DragItem(), S.AeroCD, S.EstOrigCD);
  }
  if (S.EstMUAdjust != False) {
    if (S.EstMURestore != False)
      S.TyreMu = S.EstOrigMu;
    else
      Keep(GripItem(), S.TyreMu, S.EstOrigMu);
  }
  if (S.EstBHPAdjust != False) {
    if (S.EstBHPRestore != False)
      RestorePower();
    else if (PowerChanged())
      S.DataSaved = False;  // the scaled curve stays; it belongs in the power file
  }
  if (S.EstGearAdjust != False) {
    if (S.EstGearRestore != False)
      RestoreGearing(gears);
    else
      Keep(FinalDriveItem(), S.TransFinal, S.EstOrigGearing);
  }
}

// The run did not reach the reference distance, or ended inside its speed trap while a target
// speed asks for the trap speed: no ratio can be formed.
bool RunTooShort() {
  if (S.Time660ft == 0 || (S.Est1320time > 0 && S.Time1320ft == 0)) return true;
  const ReferenceFigures ref = ReferenceOfLastRun();
  return ref.targetSpeed > 0 && ref.runSpeed == 0;
}

}  // namespace

EstimateEnd EstimatePowerSearch(const std::function<bool()>& stopRequested) {
  S.CancelFlag = 0;
  SavedGears gears;
  SaveModel(gears);

  for (int attempt = 1; attempt <= S.EstNumber; ++attempt) {
    CalculatePerformance(S.EstimateShowProgress);
    CalcTimingPoints();
    if (RunTooShort()) {
      ui().MsgBox("Calculation time is insufficient to estimate power", Msg::OKOnly, "Estimate power");
      S.CancelFlag = 1;
      PutModelBack(gears);
      return EstimateEnd::Stopped;
    }
    ui().SetEstimateProgress(attempt);
    ui().DoEvents();
    if (stopRequested && stopRequested()) {
      PutModelBack(gears);
      return EstimateEnd::Cancelled;
    }

    S.EstEighthMile = ToFlag(EighthMileIsReference());
    const EstimateRatios ratios = RatiosOfLastRun();
    if (TicketMatches(ratios)) break;
    // The last attempt changes nothing more, so the results describe the model as it stays.
    if (attempt < S.EstNumber) ApplyEstimateChange(ChooseEstimateChange(ratios));
  }

  S.EstCDRestore = S.EstMURestore = S.EstBHPRestore = S.EstGearRestore = True;
  ui().ShowEstimateResult();
  KeepOrRestore(gears);
  return S.EstRetry != False ? EstimateEnd::Retry : EstimateEnd::Finished;
}

}  // namespace kestrelon
