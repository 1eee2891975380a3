#pragma once
// The model as it stands before any vehicle is loaded.

namespace kestrelon {

// Empties both vehicle text tables, the vehicle identity, the numeric model and the engine
// curve; clears every section flag; sets the plot scales to 1, the evaluator's operators, and
// the power and display units of the stored PUnits and DUnits settings. Run state, history,
// estimate settings and the command line are left alone.
void ResetModel();

}  // namespace kestrelon
