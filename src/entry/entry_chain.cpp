#include "entry/entry_chain.h"

#include <array>

#include "core/commands.h"
#include "core/expression.h"
#include "core/state.h"
#include "entry/form_openers.h"
#include "platform/ui_seam.h"
#include "power/power_curve.h"

namespace kestrelon {

std::function<void()> AutomaticPassAbandoned;

namespace {

struct Needed {
  const Integer& entered;
  const char* missing;
};

void EnterCurve(int column, Integer mode) { RunHook(Hooks.EnterPowerCurve, Integer(column), mode); }

// One nitrous stage of InputData. False when the sequence must wait for a modeless curve entry.
bool EnterStage(int column, Integer mode, Integer askAll) {
  const bool has = S.CurveEntered[column - 1] && PowerColumnHasData(column);
  if (!has && !askAll) {
    S.CurveEntered[column] = True;  // no curve wanted for this stage
    return true;
  }
  if (!S.CurveEntered[column] && S.CurveEntered[column - 1]) {
    EnterCurve(column, mode);
    // Without AutoAccept the curve graph's OK resumes the sequence.
    if (!S.AutoAccept) return false;
  }
  return true;
}

// The form of a section not entered. One that was entered before new curves came in is checked
// against them as the automatic pass checks it: its form accepts the texts as it loads, or comes
// forward with its refusal for the racer to mend.
void OpenSectionForm(EntryForm form) {
  if (!S.CheckAgainstNewCurves) return OpenEntryForm(form);
  S.AutoAccept = True;
  OpenEntryForm(form);
  // A form the racer already has open takes no load: the check waits for its OK.
  S.AutoAccept = False;
}

}  // namespace

bool ThrottleStopsGiven() {
  for (int item = 4; item <= 12; ++item)
    if (!Trim(S.VehicleData[9][item]).empty()) return true;
  return false;
}

bool RunSimulationReady() {
  const std::array<Needed, 7> needed{{
      {S.EngineEntered, "Engine data not yet entered"},
      {S.TransmissionEntered, "Transmission data has not yet been entered"},
      {S.ChassisEntered, "Chassis data has not yet been entered"},
      {S.ClutchEntered, "Clutch data has not yet been entered"},
      {S.InertiaEntered, "Inertia data has not yet been entered"},
      {S.TyreEntered, "Tyre data has not yet been entered"},
      {S.AeroEntered, "Aerodynamic data has not yet been entered"},
  }};
  for (const Needed& n : needed) {
    if (!n.entered) {
      ui().MsgBox(n.missing, Msg::Question, "Run Simulation");
      return false;
    }
  }
  return true;
}

void RunSimulationCheck() {
  if (S.Calculating) return;
  if (RunSimulationReady()) OpenEntryForm(EntryForm::RunSetup);
}

void DataFormsSequence() {
  S.DataSequence = True;
  S.RunDone = False;
  // The open result windows show no run of the vehicle being entered, while it is entered.
  ui().RefreshResultWindows();
  // Checking against new curves, only the checked forms accept themselves; the others are
  // offered to the racer.
  if (S.CheckAgainstNewCurves) S.AutoAccept = False;
  if (S.AutoAccept) ui().SetBusyCursor(true);

  if (S.CancelFlag == 0) {
    if (!S.ChassisEntered) return OpenEntryForm(EntryForm::Chassis);
    if (!S.TyreEntered) return OpenEntryForm(EntryForm::Tyre);
    if (!S.AeroEntered) return OpenEntryForm(EntryForm::Aero);
    if (!S.TransmissionEntered) return OpenSectionForm(EntryForm::Gears);
    if (S.EngineEntered && !S.NitrousEntered) {
      if (S.EngineSummary[1][0] != 0) return OpenEntryForm(EntryForm::Nitrous);
      // No first-stage curve: the vehicle runs without nitrous.
      S.NitrousSG2 = 10;
      S.NitrousSG1 = 10;
      S.NitrousEntered = True;
    }
    if (S.NitrousEntered && !S.ClutchEntered) return OpenSectionForm(EntryForm::Clutch);
    if (S.ClutchEntered && !S.InertiaEntered) return OpenEntryForm(EntryForm::Inertia);
    if (S.InertiaEntered && S.EngineEntered && !S.ThrottleEntered) {
      if (ThrottleStopsGiven()) return OpenEntryForm(EntryForm::Throttle);
      S.ThrottleEntered = True;
    }
  }

  if (S.CancelFlag == 0 && S.ClutchEntered && S.TransmissionEntered && S.NitrousEntered &&
      S.AeroEntered && S.TyreEntered && S.ChassisEntered && S.InertiaEntered &&
      S.ThrottleEntered) {
    if (!S.VehicleLoadDone && S.AutoAccept) {
      if (S.CommandArgCount == 0)
        ui().MsgBox("Data successfully loaded", Msg::Information, "Load data");
      S.VehicleLoadDone = True;
    }
    S.AutoAccept = False;
    S.DataSequence = False;
    S.CheckAgainstNewCurves = False;
    ui().SetBusyCursor(false);
  }
  if (S.CancelFlag == 1) {
    S.AutoAccept = False;
    S.DataSequence = False;
    S.CheckAgainstNewCurves = False;
  }
  if (S.AutoAccept) ui().SetBusyCursor(false);
}

void InputData(Integer CurveEntryMode, Integer AskAllStages) {
  S.InputDataMode = CurveEntryMode;
  S.InputDataOption = AskAllStages;
  S.InputDataPending = True;
  S.RunDone = False;
  ui().RefreshResultWindows();
  if (S.AutoAccept) ui().SetBusyCursor(true);

  if (!S.CurveEntered[0] && S.CancelFlag == 0) {
    EnterCurve(0, CurveEntryMode);
    if (S.LoadFailed) {
      ui().MsgBox("Data entry cancelled", Msg::Exclamation, "Input data");
      S.CancelFlag = 0;
      S.DataSequence = False;
      ui().SetBusyCursor(false);
      return;
    }
    // The curve graph's OK carries the entry on, its Cancel ends it: going on here as well
    // would ask again for a stage the racer has just accepted or cancelled.
    if (!S.AutoAccept) return;
  }
  if (S.CancelFlag == 0 && !EnterStage(1, CurveEntryMode, AskAllStages)) return;
  if (S.CancelFlag == 0 && !EnterStage(2, CurveEntryMode, AskAllStages)) return;

  bool throttleDue = false;
  if (S.CancelFlag == 0) {
    throttleDue = S.CurveEntered[2];
  } else {
    S.InputDataPending = False;
    S.DataSequence = False;
  }
  if (S.CancelFlag == 0 && throttleDue && !S.ThrottleEntered) {
    if (ThrottleStopsGiven()) return OpenEntryForm(EntryForm::Throttle);
    S.ThrottleEntered = True;
  }
  if (S.CancelFlag == 0 && S.InputDataPending && S.ThrottleEntered && S.DataSequence) {
    S.InputDataPending = False;
    // A limit outside the curve (a short code such as "3" reads as 3 rpm) would cut the engine
    // from the launch on; the limiter stays within the curve as it does for a curve change.
    TakeRevLimitItem();
    DataFormsSequence();
    return;
  }
  if (S.AutoAccept) ui().SetBusyCursor(false);
}

void InputDataResume() { InputData(S.InputDataMode, S.InputDataOption); }

void RegisterEntryCommands() { Hooks.RunSimulationCheck = RunSimulationCheck; }

}  // namespace kestrelon
