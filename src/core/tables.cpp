#include "core/tables.h"

#include <cmath>

#include "core/settings.h"
#include "core/vehicle_data_desc.h"
#include "platform/paths.h"

namespace kestrelon {

ReferenceTables Tbl;

std::string CompletedDataPath() {
  return CompleteFolder(Trim(Cfg.DataPath).empty() ? EnvironmentText("WCDPATH") : Cfg.DataPath);
}

namespace {

void CompleteDataFolders() {
  Cfg.DataPath = CompletedDataPath();
  if (Trim(Cfg.EADataPath).empty()) Cfg.EADataPath = EnvironmentText("EADATA");
  if (Trim(Cfg.EADataPath).empty()) Cfg.EADataPath = Cfg.DataPath;
  Cfg.EADataPath = CompleteFolder(Cfg.EADataPath);
}

// 1, 2, 3, 4, 5 times each power of ten from 0.01 to 1000000; 0 after the last step.
void BuildAxisSteps() {
  Tbl.AxisStepTable = {};
  int k = 1;
  for (int n = -2; n <= 6; ++n)
    for (int m = 1; m <= 5; ++m)
      Tbl.AxisStepTable[k++] = static_cast<Single>(m * std::pow(10.0, n));
}

void BuildUnitTable() {
  Tbl.UnitTable = {{
      {},
      {"NM", 1, "torque", 0, "Newton metres"},
      {"N/M", 1, "rate", 0, "Newtons per metre"},
      {"LB/IN", 175.2, "rate", 0, "Pounds force per inch"},
      {"SQM", 1, "area", 0, "Square metres"},
      {"M", 1, "length", 0, "Metres"},
      {"KM", 1000, "length", 0, "Kilometres"},
      {"MI", 1609.3, "length", 0, "Miles"},
      {"KG", 1, "mass", 0, "Kilogrammes"},
      {"PA", 1, "pressure", 0, "Pascals (Newtons per square metre)"},
      {"M/S", 1, "speed", 0, "Metres per second"},
      {"MM", 0.001, "length", 0, "Millimetres"},
      {"IN", 0.0254, "length", 0, "Inches"},
      {"FT", 0.3048, "length", 0, "Feet"},
      {"LB", 0.4537, "mass", 0, "Pounds"},
      {"LB", 4.4507, "force", 0, "Pounds force"},
      {"LBF", 4.4507, "force", 0, "Pounds force"},
      {"LB/FT", 1.3567, "torque", 0, "Pound feet"},
      {"LBFT", 1.3567, "torque", 0, "Pound feet"},
      {"FT/LB", 1.3567, "torque", 0, "Foot pounds"},
      {"FTLB", 1.3567, "torque", 0, "Foot pounds"},
      {"BAR", 100000, "pressure", 0, "Bars (atmospheres)"},
      {"IN", 3388.7, "pressure", 0, "Inches of mercury"},
      {"MB", 100, "pressure", 0, "Millibars"},
      {"PSI", 6899, "pressure", 0, "Pounds per square inch"},
      {"KGMSQ", 1, "inertia", 0, "Kilogramme metres squared"},
      {"LBINSQ", 0.00029272, "inertia", 0, "Pound inches squared"},
      {"LBFTSQ", 0.042152, "inertia", 0, "Pound feet squared"},
      {"KGM", 9.81, "torque", 0, "Kilogramme metres"},
      {"MPH", 0.447, "speed", 0, "Miles per hour"},
      {"KPH", 0.2778, "speed", 0, "Kilometres per hour"},
      {"SQFT", 0.0929, "area", 0, "Square feet"},
      {"KGF", 9.81, "force", 0, "Kilogrammes force"},
      {"N", 1, "force", 0, "Newtons"},
      {"C", 1, "temp", 0, "Degrees Celcius"},
      {"F", 0.5556, "temp", -32, "Degrees Fahrenheit"},
      {"BHP", 0.74617, "power", 0, "Brake Horsepower"},
      {"KW", 1, "power", 0, "KiloWatt"},
      {"N/MM", 1000, "rate", 0, "Newtons per millimetre"},
      {"N/M", 1, "torque", 0, "Newton metres"},
      {"KG/M", 9.81, "torque", 0, "Kilogramme metres"},
      {"CM", 0.01, "length", 0, "Centimetres"},
      {"G", 0.001, "mass", 0, "Grammes"},
      {"OZ", 0.02836, "mass", 0, "Ounces"},
      {"K", 1, "temp", -273, "Degrees Kelvin"},
      {"L", 1, "volume", 0, "Litres"},
      {"CC", 0.001, "volume", 0, "Cubic Centimetres"},
      {"CI", 0.016387, "volume", 0, "Cubic Inches"},
      {"Gall", 4.5372, "volume", 0, "Gallons"},
      {"Pint", 0.56715, "volume", 0, "Pints"},
      {"ZZZ", 0, "ZZZ", 0, "End of List"},
  }};
}

// One row per 1000 ft from 4000 ft below sea level to 20000 ft, then the end row.
void BuildAtmosphereTable() {
  Tbl.AtmosphereTable = {{
      {},
      {116585, -1219, 298.3},
      {112588, -914, 295.7},
      {108728, -610, 293.2},
      {105000, -305, 290.8},
      {101400, 0, 288.5},
      {97798, 305, 286.2},
      {94274, 610, 284.2},
      {90851, 914, 282.2},
      {87564, 1219, 280.2},
      {84379, 1524, 278.3},
      {81261, 1828, 276.3},
      {78245, 2134, 274.3},
      {75330, 2438, 272.3},
      {72484, 2743, 270.3},
      {69739, 3048, 268.4},
      {67096, 3352, 266.4},
      {64487, 3658, 264.4},
      {62013, 3962, 262.4},
      {59573, 4267, 260.4},
      {57235, 4572, 258.5},
      {54965, 4877, 256.5},
      {52796, 5182, 254.5},
      {50661, 5486, 252.5},
      {48628, 5791, 250.5},
      {46628, 6096, 248.6},
      {10000, 20001, 150},
  }};
}

void BuildClutchMaterials() {
  Tbl.ClutchMaterial = {{
      {"(none)", 0, 0, 0, 0, "(none)", 0, 0, 0, 0},
      {"Aluminium/Asbestos", 2.7, 0.35, 0.28, 900, "Aluminium", 180, 550, 160, 0.45},
      {"Sintered Bronze", 8.4, 0.33, 0.25, 400, "Bronze", 75, 800, 350, 0.3},
      {"Carbon fibre", 2.3, 0.5, 0.4, 1300, "Carbon fibre", 27, 2300, 800, 0.2},
      {"Steel/Asbestos", 7.8, 0.35, 0.28, 500, "Steel", 50, 1200, 160, 0.45},
      {"titanium", 4.7, 0.32, 0.24, 500, "titanium", 7, 1500, 400, 0.35},
      {"other", 2.7, 0.35, 0.28, 900, "other", 180, 550, 160, 0.45},
  }};
  Tbl.ClutchMaterialCount = 6;
}

void BuildTraceNames() {
  Tbl.TraceNames = {"Acceleration",       "Vehicle speed",       "Distance Travelled",
                    "Rear Wheel speed",   "Wheel spin%",         "Corrected tyre mu",
                    "Wheelie bar load",   "Rear wheel load",     "Front wheel load",
                    "Engine RPM",         "Rear axle height",    "Wheelie bar height",
                    "Front wheel height", "CG Height",           "Front wheel speed",
                    "Clutch drive RPM",   "Clutch driven RPM",   "Throttle opening%",
                    "Clutch engagement%", "Rear wheel RPM",      "Clutch torque capacity",
                    "Clutch slip%",       "Lift/Downforce",      "Tyre temperature",
                    "Clutch temperature", ""};
  Tbl.TraceNameTotal = 25;
  Tbl.TraceNameCount = 25;
}

void BuildBitMasks() {
  Tbl.BitMask = {};
  for (int i = 0; i < 8; ++i) Tbl.BitMask[i] = static_cast<Integer>(1 << i);
}

}  // namespace

void InitTables() {
  CompleteDataFolders();
  if (InitExampleCatalogueHook) InitExampleCatalogueHook();
  BuildAxisSteps();
  BuildUnitTable();
  BuildAtmosphereTable();
  BuildVehicleDataDesc(Tbl.VehicleDataDesc);
  BuildTraceNames();
  BuildClutchMaterials();
  BuildBitMasks();
  Tbl.HelpFile = ProgramFolder() + "/kobexhlp.chm";
  // GraphZoom, ShowCalcProgress, EstimateShowProgress, ThrottleStepCount and ManipSettings
  // start with the tables: they are the state's start values.
}

}  // namespace kestrelon
