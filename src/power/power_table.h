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

// The messages of the table's checks, all under one title.
inline constexpr const char* PowerInputTitle = "Power Input";
inline constexpr const char* RPMOutOfRangeText = "RPM value is out of range";
inline constexpr const char* TooMuchPowerText = "Kestrelon cannot handle that much power";
inline constexpr const char* TooMuchTorqueText = "Kestrelon cannot handle that much torque";
inline constexpr const char* InvalidTorqueText = "Invalid Torque Value";

// One point as its three cells give it: the speed as typed (its whole number is the point's
// rpm), the power and the torque in the table's units.
struct TablePoint {
  double rpm = 0;
  Single power = 0;
  Single torque = 0;
};

enum class TableCell { RPM, Power, Torque };

// How the check of one cell ended: whether the point gave it anything to check, and the
// message when it refused the cell.
struct CellCheck {
  bool ran = false;
  const char* refusal = nullptr;
};

// The check that leaving a cell runs: a speed other than 0 must lie from 100 rpm to the
// curve's top; a power the point's torque does not give, or a torque, must come to no more
// than 20,000 BHP at a speed in that range. Neither runs for a speed outside it.
CellCheck CheckCell(const PowerTable& table, const TablePoint& point, TableCell cell);

// The point a row of the table holds.
TablePoint RowPoint(const PowerTable& table, int row);

// A row the checks refuse, the cell they refuse and why.
struct RowRefusal {
  int row = 0;
  TableCell cell = TableCell::Torque;
  const char* message = nullptr;
};

// The first row, in the table's own order, whose cells a check refuses, each row's cells
// checked as leaving them would check them, so that OK takes only points the racer could have
// left; nothing when every row passes.
std::optional<RowRefusal> FirstRefusedRow(const PowerTable& table);

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
