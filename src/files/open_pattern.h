#pragma once
// What every command that brings in a vehicle or a curve shares: the offer to save unsaved
// data first, the reset of the model, the closing of the windows that show the old data, the
// menus a loaded vehicle enables, and the tooltips of the three curve icons.

#include <string>
#include <vector>

namespace kestrelon {

// When DataSaved is False asks "Would you like to save data first?" under the command's title
// and icon, and saves on Yes. False when the command is to stop with nothing changed: the
// question was closed (Esc or its close box), or the user chose to stop after a failed save.
bool OfferSaveFirst(const std::string& title, int icon);

// The section flags, the entry state and every figure the data forms work out, all as the
// program starts.
void ClearEntryFlags();

// Empties rows 0..200 of the three curve columns, their flags, summaries and titles.
void ClearCurves();

// Empties every vehicle text.
void ClearVehicleTexts();

// The model reset of New (everything, the comparison copies and the history too) or of Open
// Complete Vehicle (the vehicle and its curves).
enum class ResetKind { New, OpenVehicle };
void ResetModelForLoad(ResetKind kind);

// The windows each command closes, in order.
extern const std::vector<std::string> WindowsClosedByLoad;         // New, Open Complete Vehicle
extern const std::vector<std::string> WindowsClosedByOpenChassis;
extern const std::vector<std::string> WindowsClosedByExample;
extern const std::vector<std::string> WindowsClosedByBaseline;
// Closes them, leaving CancelFlag as it was before.
void CloseWindows(const std::vector<std::string>& formNames);

// Enables the menus that need a vehicle.
void EnableVehicleMenus();

// The tooltip of curve icon 6, 7 or 8 for column 0, 1 or 2, from the column's title.
std::string CurveIconTip(int column);
void SetCurveIconTips();

// File > Exit, run when a command ends with CancelFlag 1.
void RunFileExit();

}  // namespace kestrelon
