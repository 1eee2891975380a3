#pragma once
// The OK of the quick curve entry: checks the typed peak figures in their fixed order, shows
// the first refusal ("Engine Data") and names the box to correct, and only when every figure
// passes derives the missing ones and stores them with the span, the launch temperature, the
// title and the engine items of the vehicle texts.

#include <string>
#include <string_view>

#include "core/numbers.h"

namespace kestrelon {

// The boxes of the entry form, as far as a refusal puts the focus on one of them.
enum class PeakEntryBox { None, MaxRPM, MaxBHP, LaunchTemp, MaxPRPM, MaxTRPM, MaxTRQ, MinRPM };

struct PeakEntryTexts {
  std::string MaxRPM, MaxBHP, MaxPRPM, MaxTRPM, MaxTRQ, MinRPM, LaunchTemp, PowerDescript;
  bool ErasePower = false;  // the "Erase existing power data" box is checked
  std::string ProposedBHP;  // the figure in BHP that the power box was filled with
};

// BHP per display power unit.
Single PowerUnitFactorOf(std::string_view powerUnit);

// The power box's text for a figure held in BHP: in kW the nearest whole kW.
std::string ShownPeakPower(const std::string& bhp, Single powerUnitFactor);

// Checks and, when all pass, stores the figures for column PowerCurveIndex; the maximum rpm,
// launch temperature and minimum rpm count only for column 0. An empty launch temperature box
// is given "70c". A power left as the box was filled keeps its BHP; one typed in kW is stored as
// the nearest whole BHP. Returns the box to correct, or None once everything is stored. A refusal
// changes nothing in the model.
PeakEntryBox AcceptPeakFigures(PeakEntryTexts& texts, Single powerUnitFactor);

}  // namespace kestrelon
