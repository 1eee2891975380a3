#pragma once
// Commands the main bar and the setup dialog call but that other subsystems carry out: the File
// menu, the file dialog, the save before exit, the command-line load, the run pre-check, the
// power-curve entry and the wheelie threshold. Each subsystem fills its hooks when the program
// starts; a hook that is still empty does nothing (and answers as a cancelled dialog where an
// answer is expected, the run's gate excepted).

#include <functional>
#include <string>

#include "core/numbers.h"

namespace kestrelon {

// How a save of the vehicle and its power curve ended. A failed save has shown its message;
// a declined one was cancelled after the racer refused to replace a file, so the data are in
// no file.
enum class SaveOutcome { Saved, Cancelled, Declined, Failed };

struct CommandHooks {
  // File menu commands.
  std::function<void()> FileExample, FileNew, FileVehicle, FileChassis, FilePowerVCAL,
      FilePowerSuper, FilePowerEA, FileSave, FileBaseline, FileConvert;

  // Picks an existing file: pattern, title, start path -> full path, "" when cancelled.
  std::function<std::string(const std::string&, const std::string&, const std::string&)>
      OpenFileDialog;
  // Asks for both file names and writes the vehicle and power files.
  std::function<SaveOutcome()> SaveVehicleAndPower;
  // Loads the vehicle and power file named on the command line and runs them.
  std::function<void(const std::string& chassis, const std::string& engine)> Process_Data;
  // Names the first missing section, or opens the run set-up.
  std::function<void()> RunSimulationCheck;
  // The same check without the opening: false when it named a section to mend. Empty, no section
  // is checked.
  std::function<bool()> RunSimulationReady;
  // Opens the entry of one power-curve column (0 no nitrous, 1 and 2 the nitrous stages).
  std::function<void(Integer column, Integer mode)> EnterPowerCurve;
  // Calculate > Wheelie Threshold: checks the sections it needs and shows the threshold box.
  std::function<void()> CalcWheelie;
  // With the curve graph open: stores its edit as its F2 does, the graph staying open (false when
  // the store refused the curve), and the graph's Cancel. Nothing happens while it is closed.
  std::function<bool()> StoreCurveEdit;
  std::function<void()> CancelCurveGraph;
};

extern CommandHooks Hooks;

// What reads the curve (a run, the wheelie threshold, a save) reads what an open curve graph
// shows: its edit is stored first. False when the store refused it.
inline bool StoreOpenCurveEdit() { return !Hooks.StoreCurveEdit || Hooks.StoreCurveEdit(); }

// Runs a hook if it has been filled.
template <typename Hook, typename... Args>
void RunHook(const Hook& hook, Args&&... args) {
  if (hook) hook(std::forward<Args>(args)...);
}

// A command that replaces the curves (a load, an import, an example, the baseline) first cancels
// an open curve graph, as its Cancel button does, after its own question or file dialog.
inline void CancelOpenCurveGraph() { RunHook(Hooks.CancelCurveGraph); }

}  // namespace kestrelon
