#pragma once
// Operations on the torque-curve model that every reader, editor and importer of a curve uses:
// the peak search, the rev-limit clamp and the data tests.

#include <array>

#include "core/numbers.h"
#include "core/state/curve_state.h"

namespace kestrelon {

// Power in BHP at a row from a torque in lb-ft (row = rpm / 100).
inline constexpr Single RowTorqueToBHP = 52.52f;

// Rebuilds EngineSummary(column) over MinRPMIndex..MaxRPMIndex and sets PowerMaxPower from
// column 0's peak power.
void UpdateEngineSummary(int column);
// The same peak search over rows firstRow..lastRow.
void UpdateEngineSummaryOver(int column, int firstRow, int lastRow);

// The span a load derives from a column: the first row with a point, up to the row before the
// next gap, or to the top row; a column without points gives 0..200.
struct CurveSpan {
  Integer first = 0;
  Integer last = CurveTopRow;
};
CurveSpan SpanOfColumn(const std::array<Single, CurveRows>& column);

// Puts RevLimitIndex back into MinRPMIndex..MaxRPMIndex; an unset or outside limit becomes
// MaxRPMIndex.
void ClampRevLimit();

// The vehicle's own rev limiter: a numeric text of item (9, 2), in rpm, sets RevLimitIndex,
// clamped into the curve; a code or an empty text leaves RevLimitIndex as it is.
void TakeRevLimitItem();

// True when any of rows 1..200 of the column holds a point.
Integer PowerColumnHasData(int column);

// The next row after start that holds a point in column PowerCurveIndex, or MaxRPMIndex.
Integer NextNonZeroPowerIndex(int start);

}  // namespace kestrelon
