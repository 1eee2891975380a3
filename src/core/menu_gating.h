#pragma once
// Which vehicle sections, or a finished run, each Data, Calculate and Display command needs, and
// the 17 icons of the main bar's strip that run those commands. A command tests its needs in a
// fixed order and names the first that is missing in a titled message box.

#include <array>

#include "core/numbers.h"

namespace kestrelon {

enum class MenuCommand {
  DataAero,
  DataChassis,
  DataTyre,
  DataTrans,
  DataNitrous,
  DataClutch,
  DataInertia,
  DataThrottle,
  DataPowerNA,
  DataPowerN1,
  DataPowerN2,
  CalcAcc,
  CalcTree,
  CalcEstimate,
  DisplayCascade,
  DisplayGraph,
  DisplayPerf,
  DisplayHist,
};

// True when the command may go ahead; otherwise its refusal has been shown (question icon, OK
// only) and nothing else changed, except that a vehicle without a first-stage nitrous curve has
// its nitrous section marked done.
bool CommandAllowed(MenuCommand command);

// One cell of the icon strip.
struct IconCommand {
  MenuCommand command;
  const char* tip;
  bool clearsCancel;  // the cancel flag is cleared after the command returns
};

inline constexpr int IconCount = 17;
inline constexpr int IconCellWidth = 32;
// Icons 1..17 in strip order; entry 0 stands for icon 1.
extern const std::array<IconCommand, IconCount> IconTable;

// The icon under a pointer at x on the strip's scale (1 at its left edge, 544 at its right):
// x up to below 31.5 is icon 1, each next 32 units the next icon, 543.5 and above 18.
Integer IconAt(Single x);

}  // namespace kestrelon
