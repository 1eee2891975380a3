#pragma once
// The curve graph's axes: the tops of the speed and value axes, the grid step and number of
// divisions chosen from the axis-step table, and the picture units per rpm, per curve row and
// per display value that map the curve onto the 1280 x 960 plot area.

#include <string_view>

#include "core/numbers.h"

namespace kestrelon {

inline constexpr double PlotWidth = 1280;   // picture units from the speed axis' 0 to its top
inline constexpr double PlotHeight = 960;   // picture units from the value axis' 0 to its top

struct GridChoice {
  Single step = 0;  // grid step in axis units
  Long count = 0;   // divisions
};

// Value grid: the first step from the table's second entry up that gives at most 10 divisions
// of Int(top / step + 1).
GridChoice ChooseValueGrid(double valueTop);
// Speed grid: the first step that gives at most 12 divisions, plus one when they fall short of
// the top.
GridChoice ChooseSpeedGrid(double speedTop);

struct PowerGraphScale {
  double speedTop = 0;  // rpm
  double valueTop = 0;  // display units
  GridChoice x, y;
  Single xPerUnit = 1;      // picture units per rpm
  Single yPerUnit = 1;      // picture units per display value
  Single xPerRPMIndex = 1;  // picture units per curve row
  double xExtent = 0;       // right end of the grid
  double yExtent = 0;       // top of the grid
};

// The scale for the present axis tops (GraphRPMTop, CurvePeakValue) and display unit. Under KW
// a speed top below 14500 rpm stretches the value axis by 14500 / top. A speed top below 1000
// rpm (none preset yet) is taken as 1000.
PowerGraphScale ComputePowerGraphScale(double graphRPMTop, double curvePeakValue,
                                       std::string_view powerUnit, Single powerUnitDivisor);

// Speed-axis top for a span: the next whole 1000 rpm above MaxRPMIndex x 100 (65 gives 7000).
Long GraphRPMTopFor(int maxRPMIndex);

// The value-axis top for a column: the larger of its peak power (BHP) and its peak torque
// (lb-ft) over the span, as a whole number; 0 for an empty span.
Integer PowerCurveScaleMax(int column);

}  // namespace kestrelon
