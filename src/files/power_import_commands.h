#pragma once
// The File menu's two curve imports: SuperFlow Power Data (asks which curve, then hands the
// vehicle to the data-entry sequence) and Engine Analyser Power Data (fills the no-nitrous
// curve and joins its readings with straight lines). An unexpected failure inside either is
// shown and the program goes on.

#include <functional>
#include <string>

namespace kestrelon {

void FilePowerSuper();
void FilePowerEA();

// Runs a command; an exception it throws is shown as an unexpected error under the title.
void RunGuarded(const std::string& title, const std::function<void()>& command);

}  // namespace kestrelon
