#pragma once
// The program's own flags and switches: which vehicle sections have been entered, what is in
// progress, the display units and their labels, the evaluator's operator set, the split command
// line, plot scales and the form places kept only while the program runs.

#include <array>
#include <map>
#include <string>

#include "core/numbers.h"

namespace kestrelon {

inline constexpr int MaxCommandArgs = 10;

// Where one command's file dialog starts when its caller gives no start path, and the name last
// confirmed in it.
struct FileDialogStart {
  std::string initial;
  std::string lastName;
};

// The remembered choices of the power-curve manipulation dialog.
struct ManipulationSettings {
  std::string Option = "NONE";  // last chosen operation
  Integer HighRPM = 0;
  Integer LowRPM = 0;
  Single NewCR = 0;
  Single OldCR = 0;
  std::string TorqueAdd;
  std::string NewBoost;
  std::string OldBoost;
  Integer MoveRPM = 0;
  Integer MoveUp = True;
  Single MultFactor = -1.0f;
  Integer MultDiv = False;
  std::string NewNitrous;
  Integer NitrousMode = 0;  // 0 subtract, 1 add, 2 calculate
};

struct AppState {
  // One flag per vehicle section, True once its data were accepted.
  Integer TyreEntered = False;
  Integer EngineEntered = False;
  Integer ChassisEntered = False;
  Integer ClutchEntered = False;
  Integer AeroEntered = False;
  Integer TransmissionEntered = False;
  Integer InertiaEntered = False;
  Integer NitrousEntered = False;
  Integer ThrottleEntered = False;
  // The clutch no longer fits what a command changed: not entered until it fits again.
  Integer ClutchRefused = False;
  // The span (MinRPMIndex, MaxRPMIndex) that the transmission's upshifts were last checked against.
  std::array<Integer, 2> TransmissionSpan{};

  // What is going on.
  Integer AutoAccept = False;     // data forms accept their contents as they load
  Integer DataSequence = False;   // guided entry: each accepted form opens the next one
  Integer Calculating = False;
  Integer RunDone = False;
  Integer GraphDynRecalc = False;
  Integer NewRunPending = False;
  Integer BaselineSet = False;
  Integer ShowBaseline = False;
  Integer LoadFailed = False;
  Integer UnitsChanged = False;
  Integer CancelFlag = 0;         // 1 = stop the current operation
  Integer DataSaved = False;
  Integer DataLoaded = False;
  Integer IconCommandBusy = 0;    // icon command (1..17) being run, 0 = none
  Integer CalcRequested = True;   // the run set-up fills its boxes from the vehicle texts
  Integer VehicleLoadDone = False;
  // The entry sequence under way, and the arguments it resumes with.
  Integer InputDataPending = False;
  Integer InputDataMode = 0;
  Integer InputDataOption = False;
  // The entry chain checks the transmission and the clutch against the curves that replaced
  // theirs, as the automatic pass checks them.
  Integer CheckAgainstNewCurves = False;
  // Per data form: its first paint has put the focus on its first field.
  Integer ChassisFocusDone = False;
  Integer TyreFocusDone = False;
  Integer AeroFocusDone = False;
  Integer GearsFocusDone = False;
  Integer ClutchFocusDone = False;
  Integer InertiaFocusDone = False;
  Integer NitrousFormPending = False;
  Integer ShowCalcProgress = True;
  Integer EstimateShowProgress = False;
  Integer SplashDone = True;      // False only while the About box runs as the start-up splash

  // Display units: labels and factors of one consistent set (imperial until set from DUnits).
  std::string LengthUnit = "ft";
  std::string LengthUnitName = "feet";
  Single LengthFactor = static_cast<Single>(39.37 / 12);  // display units per metre
  std::string SmallLengthUnit = "in";
  Single SmallLengthFactor = 39.37f;
  std::string ForceUnit = "lbf";
  Single ForceFactor = 2.204f;     // display force per kilogram of load
  std::string SpeedUnit = "mph";
  Single SpeedFactor = 0.447f;     // metres per second per display unit
  std::string PowerUnit = "BHP";
  std::string TorqueUnits = "lb/ft";

  // The current vehicle and power files and their one-line descriptions.
  std::string VehicleFileName;
  std::string PowerFileName;
  std::string VehicleName;            // the vehicle file's name without folder and extension
  std::string DataDescription;        // description of the data in memory
  std::string VehicleFileDescription; // as read from, or last written to, a vehicle file
  std::string PowerFileDescription;   // as read from, or last written to, a power file
  std::string SaveFileName;           // the vehicle file name chosen for the last save

  // Hand-over between the file dialog's callers and the dialog itself.
  std::string FileDialogPattern;      // "*.WCD", "*.VCD", "*.SD9", "*.*" or "*"
  std::string FileDialogInitial;      // start path; kept until a caller passes another
  std::string FileDialogResult;       // the chosen path, "" when cancelled
  std::string FileDialogLastName;     // the name last confirmed, offered at the next opening
  Integer FileDialogDescEditable = False;  // the description may be typed (saving)
  std::map<std::string, FileDialogStart> FileDialogStarts;  // by the dialog's title

  // The expression evaluator's operators, in the order they are looked for.
  std::string OperatorChars = "+-*/^";
  Integer OperatorCount = 5;

  // Results of the last ParseValueWithUnits call.
  Integer UnitsParseOK = 0;        // 1 accepted, 0 not
  std::string UnitsErrorText;
  Integer UnitsLastIndex = 0;      // unit table row applied, 0 = none
  std::string UnitCode;

  // Plot scales until the first paint.
  Single DynXPerUnit = 1.0f;
  Single DynYPerUnit = 1.0f;
  Single GraphXPerUnit = 1.0f;
  Single GraphYPerUnit = 1.0f;
  Single GraphXPerRPMIndex = 1.0f;
  Single GraphZoom = 1.0f;
  Single CascadeGradient = 0;      // percent

  // The one-value dialog: the starting value as text in, the typed text out; the limits are the
  // caller's own, the dialog does not read them.
  std::string InputItemValue;
  Single InputItemMax = 0;
  Single InputItemMin = 0;

  // A throttle-stop stage timed at this many seconds or later is not in use.
  Integer ThrottleStepCount = 2000;
  ManipulationSettings ManipSettings;

  // Folder of dynamometer imports, with its trailing "/" (empty = current folder).
  std::string SuperFlowDataPath;
  // The export last picked by a curve import; the graph's next Engine Analyser import starts there.
  std::string PowerImportFileName;

  // The command line, split.
  std::array<std::string, MaxCommandArgs + 1> CommandArgs{};
  Integer CommandArgCount = 0;
  std::string CommandLineText;     // each argument after one blank

  // Places of the data forms, kept while the program runs; -1 = centre on the screen.
  Long AeroFormTop = -1, AeroFormLeft = -1;
  Long LaunchFormTop = -1, LaunchFormLeft = -1;
  Long ClutchFormTop = -1, ClutchFormLeft = -1;
  Long ClutchTimersFormTop = -1, ClutchTimersFormLeft = -1;
  Long GearsFormTop = -1, GearsFormLeft = -1;
  Long TyreFormTop = -1, TyreFormLeft = -1;
  Long NitrousFormTop = -1, NitrousFormLeft = -1;
  Long InertiaFormTop = -1, InertiaFormLeft = -1;
  Long ChassisFormTop = -1, ChassisFormLeft = -1;
  Long ThrottleFormTop = -1, ThrottleFormLeft = -1;
  Long PowerManipulateTop = -1, PowerManipulateLeft = -1;
};

}  // namespace kestrelon
