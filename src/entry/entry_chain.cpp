#include "entry/entry_chain.h"

#include <array>
#include <optional>

#include "core/commands.h"
#include "core/expression.h"
#include "core/state.h"
#include "entry/form_openers.h"
#include "entry/nitrous_calc.h"
#include "platform/ui_seam.h"
#include "power/power_curve.h"

namespace kestrelon {

std::function<void()> AutomaticPassAbandoned;

namespace {

// A section the run needs: entered (tested only once the sections before it are), what the gate
// says when it is not, and the form that then opens for it.
struct Needed {
  bool (*entered)();
  const char* missing;
  std::optional<EntryForm> form = std::nullopt;
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

// Whether the nitrous and throttle sections need their forms. Where they do not, the section is
// marked entered: without a first-stage curve the nitrous stages go out of use, as the vehicle
// opened again has them; without a throttle-stop text the throttle stops and traction control
// are off.
bool NitrousFormNeeded() {
  if (S.EngineSummary[1][0] != 0) return true;
  PutNitrousOutOfUse();
  S.NitrousEntered = True;
  return false;
}

bool ThrottleFormNeeded() {
  if (ThrottleStopsGiven()) return true;
  S.UseThrottleStop = False;
  S.UseTraction = False;
  S.ThrottleEntered = True;
  return false;
}

}  // namespace

bool ThrottleStopsGiven() {
  for (int item = 4; item <= 12; ++item)
    if (!Trim(S.VehicleData[9][item]).empty()) return true;
  return false;
}

bool RunSimulationReady() {
  // The run reads the curve an open graph shows; a curve the store refuses is not run.
  if (!StoreOpenCurveEdit()) return false;
  // The nitrous and throttle sections are asked for as opening the vehicle enters them: where
  // they have nothing to enter they count as entered without a word, otherwise their form opens.
  static const std::array<Needed, 9> needed{{
      {[] { return S.EngineEntered != False; }, "Engine data not yet entered"},
      {[] { return S.TransmissionEntered != False; }, "Transmission data has not yet been entered"},
      {[] { return S.ChassisEntered != False; }, "Chassis data has not yet been entered"},
      {[] { return S.NitrousEntered != False || !NitrousFormNeeded(); },
       "Nitrous data has not yet been entered", EntryForm::Nitrous},
      {[] { return S.ClutchEntered != False; }, "Clutch data has not yet been entered"},
      {[] { return S.InertiaEntered != False; }, "Inertia data has not yet been entered"},
      {[] { return S.TyreEntered != False; }, "Tyre data has not yet been entered"},
      {[] { return S.AeroEntered != False; }, "Aerodynamic data has not yet been entered"},
      {[] { return S.ThrottleEntered != False || !ThrottleFormNeeded(); },
       "Throttle data has not yet been entered", EntryForm::Throttle},
  }};
  for (const Needed& n : needed) {
    if (n.entered()) continue;
    ui().MsgBox(n.missing, Msg::Question, "Run Simulation");
    if (n.form) OpenEntryForm(*n.form);
    return false;
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
    if (S.EngineEntered && !S.NitrousEntered && NitrousFormNeeded())
      return OpenEntryForm(EntryForm::Nitrous);
    if (S.NitrousEntered && !S.ClutchEntered) return OpenSectionForm(EntryForm::Clutch);
    if (S.ClutchEntered && !S.InertiaEntered) return OpenEntryForm(EntryForm::Inertia);
    if (S.InertiaEntered && S.EngineEntered && !S.ThrottleEntered && ThrottleFormNeeded())
      return OpenEntryForm(EntryForm::Throttle);
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
      S.InputDataPending = False;  // a cancelled entry is over: nothing resumes it
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
  if (S.CancelFlag == 0 && throttleDue && !S.ThrottleEntered && ThrottleFormNeeded())
    return OpenEntryForm(EntryForm::Throttle);
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

void RegisterEntryCommands() {
  Hooks.RunSimulationCheck = RunSimulationCheck;
  Hooks.RunSimulationReady = RunSimulationReady;
}

}  // namespace kestrelon
