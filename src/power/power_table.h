#pragma once
// The power curve typed as a table: up to 101 points of engine speed with a power and a torque,
// in BHP and lb-ft or in KW and N m, turned into the edited column by straight lines onto the
// 100 rpm rows. The window keeps one table while it is open.

#include <array>
#include <optional>
#include <string>

#include "core/numbers.h"

namespace kestrelon {

inline constexpr int PowerTableRows = 101;
inline constexpr int PowerTableVisible = 10;
inline constexpr int PowerTableLastTop = PowerTableRows - PowerTableVisible;  // 91

// lb-ft per N m and BHP per KW as the table converts them.
inline constexpr Single TableTorqueFactorNm = 0.7371f;
inline constexpr Single TablePowerFactorKW = 1.340183f;

struct PowerTable {
  std::array<Long, PowerTableRows> TableRPM{};  // below 100: the row is not in use
  std::array<Single, PowerTableRows> TablePower{};
  std::array<Single, PowerTableRows> TableTorque{};
  Single TorqueFactor = 1;  // lb-ft per table torque unit
  Single PowerFactor = 1;   // BHP per table power unit
};

// A table cell's value as shown: "##0.00" below 1000, "#####.0" from there.
std::string TableValueText(Single value);

// The rows sorted by speed, equal speeds keeping their order, unused rows first.
std::array<int, PowerTableRows> TableOrder(const PowerTable& table);

// The table's units switched: torques and powers above 0 of the rows in use are converted,
// rows not in use are emptied.
void ConvertRowUnits(PowerTable& table, bool toKW);

// The torque for a power at an rpm, and the power for a torque, in the table's units.
Single TorqueFromPower(const PowerTable& table, Single power, Long rpm);
Single PowerFromTorque(const PowerTable& table, Single torque, Long rpm);

// OK: derives missing torques from powers, then writes the curve column (erasing it first when
// asked) and lowers MinRPMIndex to the table's first point. A negative torque stops it before
// the curve is touched and names the row.
std::optional<int> WritePowerTable(PowerTable& table, int column, bool eraseData);

}  // namespace kestrelon
