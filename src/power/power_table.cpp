#include "power/power_table.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"

namespace kestrelon {

namespace {

constexpr Single HPConstant = 5252;
constexpr Single MostBHP = 20000;

bool InUse(const PowerTable& table, int row) { return table.TableRPM[row] >= 100; }

bool RPMInRange(Long rpm) { return rpm >= 100 && rpm <= S.MaxRPMIndex * 100; }

}  // namespace

std::string TableValueText(Single value) {
  return Format(value, value < 1000 ? "##0.00" : "#####.0");
}

std::array<int, PowerTableRows> TableOrder(const PowerTable& table) {
  std::array<int, PowerTableRows> order{};
  for (int i = 0; i < PowerTableRows; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return table.TableRPM[a] < table.TableRPM[b]; });
  return order;
}

void ConvertRowUnits(PowerTable& table, bool toKW) {
  for (int r = 0; r < PowerTableRows; ++r) {
    if (!InUse(table, r)) {
      table.TableTorque[r] = 0;
      table.TablePower[r] = 0;
      continue;
    }
    Single& torque = table.TableTorque[r];
    Single& power = table.TablePower[r];
    if (torque > 0) torque = toKW ? torque / TableTorqueFactorNm : torque * TableTorqueFactorNm;
    if (power > 0) power = toKW ? power / TablePowerFactorKW : power * TablePowerFactorKW;
  }
}

Single TorqueFromPower(const PowerTable& table, Single power, Long rpm) {
  return power * table.PowerFactor * HPConstant / (table.TorqueFactor * static_cast<Single>(rpm));
}

Single PowerFromTorque(const PowerTable& table, Single torque, Long rpm) {
  return static_cast<Single>(rpm) * torque * table.TorqueFactor / HPConstant / table.PowerFactor;
}

CellCheck CheckCell(const PowerTable& table, const TablePoint& point, TableCell cell) {
  const Long rpm = CLng(point.rpm);
  switch (cell) {
    case TableCell::RPM:
      if (point.rpm == 0) return {};
      return {true, RPMInRange(rpm) ? nullptr : RPMOutOfRangeText};
    case TableCell::Power:
      if (point.torque > 0 || !RPMInRange(rpm) || !(point.power > 0)) return {};
      return {true, point.power * table.PowerFactor > MostBHP ? TooMuchPowerText : nullptr};
    case TableCell::Torque:
      if (!(point.torque > 0) || !RPMInRange(rpm)) return {};
      return {true, PowerFromTorque(table, point.torque, rpm) * table.PowerFactor > MostBHP ? TooMuchTorqueText : nullptr};
  }
  return {};
}

TablePoint RowPoint(const PowerTable& table, int row) {
  return {static_cast<double>(table.TableRPM[row]), table.TablePower[row], table.TableTorque[row]};
}

std::optional<RowRefusal> FirstRefusedRow(const PowerTable& table) {
  for (int r = 0; r < PowerTableRows; ++r)
    for (TableCell cell : {TableCell::RPM, TableCell::Power, TableCell::Torque})
      if (const char* refusal = CheckCell(table, RowPoint(table, r), cell).refusal)
        return RowRefusal{r, cell, refusal};
  return std::nullopt;
}

std::optional<int> WritePowerTable(PowerTable& table, int column, bool eraseData) {
  const std::array<int, PowerTableRows> order = TableOrder(table);
  for (int r : order) {
    if (!InUse(table, r)) continue;
    if (table.TableTorque[r] == 0 && table.TablePower[r] != 0)
      table.TableTorque[r] = TorqueFromPower(table, table.TablePower[r], table.TableRPM[r]);
    if (table.TableTorque[r] < 0) return r;
  }
  auto& curve = S.PowerCurve[column];
  if (eraseData) std::fill(curve.begin() + 1, curve.begin() + CurveTopRow + 1, 0.0f);
  for (int k = 0; k + 1 < PowerTableRows; ++k) {
    const int a = order[k], b = order[k + 1];
    if (!InUse(table, a)) continue;
    const Long rpmA = table.TableRPM[a], rpmB = table.TableRPM[b];
    const Long firstRow = (rpmA - 1) / 100 + 1;  // the ceiling of rpm / 100 (rpm >= 100)
    S.MinRPMIndex = static_cast<Integer>(std::min<Long>(S.MinRPMIndex, firstRow));
    if (rpmA / 100 >= rpmB / 100) continue;
    const Single tA = table.TableTorque[a], tB = table.TableTorque[b];
    for (Long j = firstRow; j <= rpmB / 100 && j <= CurveTopRow; ++j)
      curve[j] = (tA + static_cast<Single>(100 * j - rpmA) * (tB - tA) /
                           static_cast<Single>(rpmB - rpmA)) *
                 table.TorqueFactor;
  }
  return std::nullopt;
}

}  // namespace kestrelon
