#pragma once
// The SuperFlow import: a dynamometer export (*.SD9) read into one column of the torque curve.
// Lines end at a carriage return (a line feed after it belongs to the line end, one on its own
// belongs to the next line's text). After the header each reading takes four lines: the speed
// in characters 1-5 of the first, the torque in characters 21-29 of the second. The reading is
// a plain function over the file's bytes; the import checks everything before it writes.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"

namespace kestrelon {

inline constexpr int SuperFlowMaxReadings = 101;

struct SuperFlowReading {
  Single RPM = 0;
  Single torque = 0;
};

struct SuperFlowData {
  std::vector<SuperFlowReading> readings;  // at most 101
  bool tooMuch = false;                    // the 101st reading was read and reading stopped
};

SuperFlowData ReadSuperFlowExport(std::string_view bytes);

// Asks which column the dynamometer data are for: sets CurrentStage to the chosen column, or
// CancelFlag to 1. Filled by the window that asks; empty, the import reads nothing.
struct SuperFlowWindows {
  std::function<void()> ChooseCurve;
};
extern SuperFlowWindows SuperFlowChoice;

// With askForCurve not 0 asks for the column first; then reads the file into
// PowerCurve(CurrentStage): the whole column is emptied and the readings joined by straight
// lines onto the 100 rpm rows. For column 0 the span becomes the one a power file saved then
// gives back (its first row with a torque above 0 to the row before its next empty one); a
// nitrous column leaves the span of a no-nitrous curve as it is. Refusals (no torque above 0
// included, a text marked as UTF-16, a file that cannot be read, told as its file error, and a
// cancelled choice) set CancelFlag to 1 and leave the curve and its span as they were.
void ImportSuperFlowPower(const std::string& fileName, Integer askForCurve);

}  // namespace kestrelon
