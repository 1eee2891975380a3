#pragma once
// The reference tables that the rest of the program only reads: units, the standard
// atmosphere, clutch materials, graph axis steps, trace names, bit masks, the vehicle item
// descriptions, the example catalogue and the help file. Built once at start-up by InitTables;
// they live apart from the model state, so a model reset keeps them.

#include <array>
#include <string>

#include "core/numbers.h"
#include "core/state/vehicle_text.h"

namespace kestrelon {

inline constexpr Single Pi = 3.1415927f;

// A typed value converts to its type's base unit as (value + Offset) x Factor.
struct UnitRecord {
  std::string Code;
  Single Factor = 0;
  std::string Type;
  Single Offset = 0;
  std::string Description;
};
inline constexpr int UnitRows = 51;    // rows 1..49 units, row 50 the end row "ZZZ"
inline constexpr int UnitEndRow = 50;

struct AtmosphereRow {
  Single Pressure = 0;     // Pa
  Single Altitude = 0;     // m
  Single Temperature = 0;  // K
};

// A friction-facing material and an intermediate plate material under one index.
struct ClutchMaterialRecord {
  std::string FrictionName;
  Single Density = 0;        // g/cm3
  Single DryFriction = 0;    // coefficient
  Single WetFriction = 0;
  Single SpecificHeat = 0;   // J/(kg K)
  std::string PlateName;
  Single Conductivity = 0;     // W/(m K)
  Single MaxTemperature = 0;   // deg C
  Single FadeTemperature = 0;  // deg C
  Single FadeRate = 0;         // percent of friction lost per degree above FadeTemperature
};
inline constexpr int OtherClutchMaterial = 6;  // "other": a vehicle may store a dry friction of its own

inline constexpr int ExampleSlots = 101;  // examples 1..25 used

struct ReferenceTables {
  std::array<UnitRecord, UnitRows> UnitTable{};
  std::array<AtmosphereRow, 41> AtmosphereTable{};  // rows 1..26, row 26 the end row
  std::array<ClutchMaterialRecord, 11> ClutchMaterial{};
  Integer ClutchMaterialCount = 0;                  // highest index in use
  std::array<Single, 51> AxisStepTable{};           // steps 1..45, 0 after the last
  std::array<std::string, 26> TraceNames{};         // trace id = index + 1
  Integer TraceNameTotal = 0;
  Integer TraceNameCount = 0;
  std::array<Integer, 9> BitMask{};
  VehicleTable VehicleDataDesc{};                   // description of each vehicle item
  std::array<std::string, ExampleSlots> ExampleKey{};
  std::array<std::string, ExampleSlots> ExampleDescription{};
  std::string HelpFile;                             // the program's help file
};

extern ReferenceTables Tbl;

// Fills the example catalogue (ExampleKey, ExampleDescription); the vehicle files part installs
// it at start-up. Until then the catalogue stays empty.
inline void (*InitExampleCatalogueHook)() = nullptr;

// The data folder as start-up completes it: the stored one, else WCDPATH, ready to have a file
// name appended.
std::string CompletedDataPath();

// Completes the data folders from the environment (WCDPATH, EADATA), fills the example
// catalogue, builds every table and sets the run-time values that start with the tables.
void InitTables();

}  // namespace kestrelon
