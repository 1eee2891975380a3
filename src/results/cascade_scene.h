#pragma once
// The gear cascade worked out from the vehicle model and the torque curve, without a run: the
// tractive force of every gear against road speed (with the ram-air gain), the engine speed
// lines (with converter slip and tyre growth), the shift points, and the resistance to motion on
// the level and up a gradient, all in plot units of the 1280 x 960 plot. The gear curves are
// worked out in lbf and mph and the resistance in newtons and m/s; three unit factors turn them
// into the display units.
//
// The scene works on copies: it never writes the model, so the next run sees the values that the
// last one left (the tyre's grown radius included).

#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"
#include "power/curve_graph_scale.h"
#include "results/axis_steps.h"

namespace kestrelon {

// Display units of the cascade: imperial (mph, lbf) unless DUnits is "M" (km/h, N); power in hp
// unless PUnits is "M" (kW).
struct CascadeUnits {
  std::string SpeedTitle;
  std::string ForceTitle;
  Single SpeedUnitFactor = 1;
  Single ForceUnitFactor = 1;
  Single NewtonsPerForceUnit = 4.451f;
  Single PowerUnitFactor = 1;
};
CascadeUnits CascadeUnitsFor(std::string_view dUnits, std::string_view pUnits);

struct PlotPoint {
  double x = 0;
  double y = 0;
};

struct CascadeGear {
  Integer Stage = 0;                 // nitrous stage the gear reaches
  bool ConverterSlip = false;        // a torque converter not locked up in this gear
  std::vector<PlotPoint> RPMLine;    // engine speed line
  std::vector<PlotPoint> ForceCurve; // tractive force, one point per curve row
  bool ShiftMark = false;            // a shift point is drawn for this gear
  Integer ShiftRow = 0;              // engine row of the shift point
  double ShiftX = 0;
  Single GearRangeEnd = 0;           // plot x up to which the Auto read-out names this gear
};

// What a scene is drawn with: the window's height sets the number of force divisions.
struct CascadeOptions {
  int WindowPixelHeight = 600;
  bool ShowShiftPoints = false;
  bool ShowGradient = false;
};

struct CascadeScene {
  bool Drawable = false;  // every section entered and a model that can be drawn
  CascadeUnits Units;

  Single TractionWeightTerm = 0;  // weight x tyre width x tyres, N (rolling resistance term)
  Single RollingStaticTerm = 0;   // rolling resistance that does not depend on speed, N
  Single MaxForce = 0;            // largest force the force axis must show, lbf
  Single TopSpeed = 0;            // top gear at the last curve row, display speed units

  int ForceGridTarget = 0;
  AxisDivisions X, Y;  // speed and force grids
  Single CascadeXPerUnit = 0, CascadeYPerUnit = 0;
  Single CascadeXExtent = 0, CascadeYExtent = 0;
  Integer RowStep = 10;           // curve rows per label of the engine speed axis
  Single RowYPerUnit = 0;         // plot y per curve row
  Single RowXPerUnit = 0;         // plot x per curve row at overall ratio 1
  Single GearForceYScale = 0;     // plot y per lb-ft of torque at overall ratio 1
  std::string CorrectionText;     // "Power Correction Factor : 0.950"

  std::vector<CascadeGear> Gears;  // gear g at index g - 1

  // Resistance to motion, in display units.
  Single SpeedPerMps = 0;          // display speed units per m/s
  Single ResistanceYScale = 0;     // plot y per resistance unit (N x ForceUnitFactor)
  Single AeroCoeff = 0;
  Single WindDisplay = 0;          // head wind in display speed units
  Single RollingSpeedTerm = 0;     // rolling resistance per m/s, N
  Single RollingSpeedCoeff = 0;
  Single PowerFactor = 0;          // force x speed x PowerFactor = hp or kW
  std::vector<PlotPoint> LevelResistance;
  std::vector<PlotPoint> GradientResistance;  // empty unless a gradient is shown
};

// Works the scene out from the model, the torque curve, the display units and CascadeGradient.
CascadeScene ComputeCascadeScene(const CascadeOptions& options);

// The resistance curve for a gradient in percent: one point per display speed unit.
std::vector<PlotPoint> ResistanceCurve(const CascadeScene& scene, Single gradient);

}  // namespace kestrelon
