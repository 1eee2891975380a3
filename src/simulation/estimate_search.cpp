#include "simulation/estimate_search.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/state.h"
#include "entry/clutch_calc.h"
#include "entry/model_snapshot.h"
#include "files/power_file.h"
#include "platform/ui_seam.h"
#include "power/curve_graph_commands.h"
#include "power/scale_power_curve.h"
#include "power/stored_curve.h"
#include "power/vehicle_change.h"
#include "simulation/calculate_performance.h"
#include "simulation/estimate_rules.h"
#include "simulation/kept_run.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

// What the search puts back beyond its estimate state: every gear's overall ratio and
// tyre-growth speed (the final drive is kept in EstOrigGearing); and the vehicle's figures and
// texts and the whole-number peak power as the search began, so that a restored power brings
// back the clutch's figures as they were, not worked out again (which would rewrite texts since
// changed, such as capacities in another unit).
struct SavedModel {
  std::array<Single, GearSlots> overall{};
  std::array<Single, GearSlots> growth{};
  ModelSnapshot vehicle;
  Integer maxPower = S.PowerMaxPower;
  std::array<Integer, 3> span{S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex};
};

// What the search may change, to tell the model before the search, the one its last run was
// made with and the one it leaves apart.
struct SearchedQuantities {
  Single cd = S.AeroCD, mu = S.TyreMu, finalDrive = S.TransFinal;
  std::array<Single, GearSlots> overall = S.GearOverall, growth = S.GearGrowthRPM;
  CurveTable curve = S.PowerCurve;
  PeakSummary peaks = S.EngineSummary;
  bool operator==(const SearchedQuantities&) const = default;
};

template <typename Figures>
bool AllFinite(const Figures& figures) {
  return std::all_of(figures.begin(), figures.end(), [](Single v) { return std::isfinite(v); });
}

// Every figure the search may change is still a number, and the curve one a power file holds.
bool SearchedFiguresFinite() {
  if (S.EstCDAdjust != False && !(std::isfinite(S.AeroCD) && std::isfinite(S.AeroDragFactor))) return false;
  if (S.EstMUAdjust != False && !std::isfinite(S.TyreMu)) return false;
  if (S.EstGearAdjust != False &&
      !(std::isfinite(S.TransFinal) && AllFinite(S.GearOverall) && AllFinite(S.GearGrowthRPM)))
    return false;
  if (S.EstBHPAdjust != False) {
    for (int c = 0; c <= HighestCurveColumnInUse(); ++c) {
      if (!AllFinite(S.EngineSummary[c])) return false;
      for (int j = S.MinRPMIndex; j <= S.MaxRPMIndex; ++j)
        if (!PowerFileHolds(S.PowerCurve[c][j])) return false;
    }
  }
  return true;
}

std::string& DragItem() { return S.VehicleData[5][2]; }
std::string& GripItem() { return S.VehicleData[3][4]; }
std::string& FinalDriveItem() { return S.VehicleData[6][17]; }

void SaveModel(SavedModel& saved) {
  if (S.EstBHPAdjust != False) {
    // Every row of every column: a tried curve is stored whole, as its power file gives it back.
    S.EstOrigPowerCurve = S.PowerCurve;
    S.EstOrigEngineSummary = S.EngineSummary;
  }
  if (S.EstCDAdjust != False) S.EstOrigCD = S.AeroCD;
  if (S.EstMUAdjust != False) S.EstOrigMu = S.TyreMu;
  if (S.EstGearAdjust != False) {
    S.EstOrigGearing = S.TransFinal;
    saved.overall = S.GearOverall;
    saved.growth = S.GearGrowthRPM;
  }
}

// The curves and the vehicle as the search began; the drag, grip and gearing stay as the search
// holds them, for their own restore switches to decide.
void RestorePower(const SavedModel& saved) {
  const SearchedQuantities held;
  saved.vehicle.Restore();
  SetDragCoefficient(held.cd);
  S.TyreMu = held.mu;
  S.TransFinal = held.finalDrive;
  S.GearOverall = held.overall;
  S.GearGrowthRPM = held.growth;
  S.PowerCurve = S.EstOrigPowerCurve;
  S.EngineSummary = S.EstOrigEngineSummary;
  S.PowerMaxPower = saved.maxPower;
  S.MinRPMIndex = saved.span[0];
  S.MaxRPMIndex = saved.span[1];
  S.RevLimitIndex = saved.span[2];
}

bool PowerChanged() {
  for (int c = 0; c <= HighestCurveColumnInUse(); ++c)
    if (S.EngineSummary[c] != S.EstOrigEngineSummary[c]) return true;
  return false;
}

void RestoreGearing(const SavedModel& saved) {
  S.TransFinal = S.EstOrigGearing;
  S.GearOverall = saved.overall;
  S.GearGrowthRPM = saved.growth;
}

void PutModelBack(const SavedModel& saved) {
  if (S.EstBHPAdjust != False) RestorePower(saved);
  if (S.EstCDAdjust != False) SetDragCoefficient(S.EstOrigCD);
  if (S.EstMUAdjust != False) S.TyreMu = S.EstOrigMu;
  if (S.EstGearAdjust != False) RestoreGearing(saved);
}

// A tried curve is held as its power file gives it back, with the clutch's figures worked out
// for it, so that the attempt runs the vehicle the search would leave. False when the clutch
// cannot be worked out for it.
bool HoldTriedCurve() {
  HoldCurvesAsFiled();
  return !WorkOutClutchFigures();
}

// A value the racer keeps goes into its vehicle item as plain decimal text, and the session
// holds what that text reads back; a kept change is unsaved data. True when the item's text
// changed.
bool Keep(std::string& item, void (*hold)(Single), Single value, Single original) {
  if (value != original) S.DataSaved = False;
  hold(value);
  const std::string text = KeptItemText(value);
  if (item == text) return false;
  item = text;
  return true;
}

// After the results window: each quantity the search could change is put back or kept, as its
// restore switch says. An open data form shows a kept value at once, so that its OK does not
// write the old one back.
void KeepOrRestore(const SavedModel& saved) {
  bool itemsChanged = false, powerKept = false;
  // First, as it puts back the vehicle's texts as they were before the search.
  if (S.EstBHPAdjust != False) {
    if (S.EstBHPRestore != False)
      RestorePower(saved);
    else if (PowerChanged()) {
      S.DataSaved = False;  // the scaled curve stays; it belongs in the power file
      TakeKeptPowerIntoSnapshots();  // an open curve graph's Cancel keeps it
      powerKept = true;
    }
  }
  if (S.EstCDAdjust != False) {
    if (S.EstCDRestore != False)
      SetDragCoefficient(S.EstOrigCD);
    else
      itemsChanged |= Keep(DragItem(), HoldDragCoefficient, S.AeroCD, S.EstOrigCD);
  }
  if (S.EstMUAdjust != False) {
    if (S.EstMURestore != False)
      S.TyreMu = S.EstOrigMu;
    else
      itemsChanged |= Keep(GripItem(), HoldGrip, S.TyreMu, S.EstOrigMu);
  }
  if (S.EstGearAdjust != False) {
    if (S.EstGearRestore != False)
      RestoreGearing(saved);
    else
      itemsChanged |= Keep(FinalDriveItem(), HoldFinalDrive, S.TransFinal, S.EstOrigGearing);
  }
  if (powerKept || itemsChanged) VehicleChanged();
  if (itemsChanged) ui().ShowVehicleData();
}

// Lets window events through between two attempts (the estimate dialog holds the input, so
// only its own Cancel should act). False when they changed the vehicle all the same or brought
// in another (its run no longer a completed one): the search then ends and leaves the vehicle
// as they left it, putting none of the old one's figures into it.
bool VehicleKeptThroughWindowEvents(const SearchedQuantities& tried) {
  ui().DoEvents();
  return S.RunDone != False && SearchedQuantities{} == tried;
}

// A search that ends early leaves the model, and the run the result windows show, as they were.
EstimateEnd EndEarly(const SavedModel& saved, KeptRun& runBefore, EstimateEnd end) {
  PutModelBack(saved);
  runBefore.PutBack();
  ShowRunResults();
  return end;
}

// The result windows show the run of the vehicle as the search leaves it: the run from before
// the search when every change was put back, the last attempt's when its model stays (the run
// graph shows it already), and a run of the model as it now is when only some changes stay.
void ShowRunOfModel(const SearchedQuantities& atStart, const SearchedQuantities& ofLastRun,
                    KeptRun& runBefore) {
  const SearchedQuantities now;
  if (now == atStart) {
    runBefore.PutBack();
    ShowRunResults();
  } else if (!(now == ofLastRun)) {
    CalculatePerformance(S.EstimateShowProgress);
  } else {
    ui().RefreshResultWindows();
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
  // Only a completed run is a run of this vehicle to compare with and to put back.
  if (S.RunDone == False) return EstimateEnd::Stopped;
  S.CancelFlag = 0;
  SavedModel saved;
  SaveModel(saved);
  const SearchedQuantities atStart;
  KeptRun runBefore;

  SearchedQuantities ofLastRun;
  for (int attempt = 1; attempt <= S.EstNumber; ++attempt) {
    const bool completed = CalculatePerformance(S.EstimateShowProgress, true);
    // A run clears the request that the run set-up be filled from the vehicle again; after a
    // search, however it ends, the set-up opens with the stored launch values.
    S.CalcRequested = True;
    // The run has said why it could not complete; no later attempt would.
    if (!completed) return EndEarly(saved, runBefore, EstimateEnd::Stopped);
    ofLastRun = SearchedQuantities{};
    CalcTimingPoints();
    if (RunTooShort()) {
      ui().MsgBox("Calculation time is insufficient to estimate power", Msg::OKOnly, "Estimate power");
      S.CancelFlag = 1;
      return EndEarly(saved, runBefore, EstimateEnd::Stopped);
    }
    ui().SetEstimateProgress(attempt);
    if (!VehicleKeptThroughWindowEvents(ofLastRun)) return EstimateEnd::Cancelled;
    if (stopRequested && stopRequested()) return EndEarly(saved, runBefore, EstimateEnd::Cancelled);

    S.EstEighthMile = ToFlag(EighthMileIsReference());
    const EstimateRatios ratios = RatiosOfLastRun();
    if (TicketMatches(ratios)) break;
    // The last attempt changes the model too, without running it: the results show the last
    // run's ticket beside the model as that change leaves it.
    const EstimateChange change = ChooseEstimateChange(ratios);
    ApplyEstimateChange(change);
    // A target no vehicle reaches drives a figure past every number, or the curve past any
    // engine's, or one the clutch cannot be worked out for.
    if (!SearchedFiguresFinite() ||
        (change.quantity == EstimateQuantity::Power && !HoldTriedCurve())) {
      TellCannotBeSimulated();
      return EndEarly(saved, runBefore, EstimateEnd::Stopped);
    }
  }

  S.EstCDRestore = S.EstMURestore = S.EstBHPRestore = S.EstGearRestore = True;
  ui().ShowEstimateResult();
  KeepOrRestore(saved);
  ShowRunOfModel(atStart, ofLastRun, runBefore);
  S.CalcRequested = True;
  return S.EstRetry != False ? EstimateEnd::Retry : EstimateEnd::Finished;
}

}  // namespace kestrelon
