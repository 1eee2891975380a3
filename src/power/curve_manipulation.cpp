#include "power/curve_manipulation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/state.h"
#include "power/curve_graph_scale.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

constexpr Single MaximumPower = 19999;
constexpr Single KWPerBHP = 0.74617f;

// Row of an rpm in the range, truncated toward zero and held inside the curve table.
int RangeRow(Integer rpm) {
  return std::clamp(static_cast<int>(IntDiv(rpm, 100)), 0, CurveTopRow);
}

struct Range {
  int lo, hi;
};
Range ManipRange() { return {RangeRow(S.LowRPM), RangeRow(S.HighRPM)}; }

std::array<Single, CurveRows>& EditedColumn() { return S.PowerCurve[S.PowerCurveIndex]; }

void RaiseScaleTop() { S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex); }

// Adds a torque to each row of the range, never leaving a row below 0. Row 0 holds no point,
// and a power has no torque there, so it is left alone.
template <typename TorqueAt>
void AddOverRange(TorqueAt torqueAt) {
  auto& curve = EditedColumn();
  const Range r = ManipRange();
  for (int i = std::max(r.lo, 1); i <= r.hi; ++i)
    curve[i] = std::max(0.0f, curve[i] + torqueAt(i));
}

}  // namespace

Single CompressionFactor(Single oldCR, Single newCR) {
  const auto efficiency = [](Single cr) { return 1 - std::pow(1 / static_cast<double>(cr), 0.4); };
  return static_cast<Single>(efficiency(newCR) / efficiency(oldCR));
}

Single BoostFactor(Single ambientPa, Single oldBoostPa, Single newBoostPa) {
  const auto density = [ambientPa](Single boost) {
    const double ratio = (static_cast<double>(ambientPa) + boost) / ambientPa;
    const double x = std::pow(ratio, 0.283) - 1;
    return (static_cast<double>(ambientPa) + boost) / (x / 0.75 + 1);
  };
  return static_cast<Single>(density(newBoostPa) / density(oldBoostPa));
}

Single TorqueToTopRowBHP(Single torqueNm, Integer maxRPMIndex) {
  return static_cast<Single>(maxRPMIndex) * torqueNm / 95.49f / KWPerBHP;
}

RangeCheck CheckRPMRange(bool lowEmpty, Integer low, bool highEmpty, Integer high,
                         Integer minRPMIndex, Integer maxRPMIndex) {
  RangeCheck check;
  const int bottom = minRPMIndex * 100;
  const int top = maxRPMIndex * 100;
  const std::string bounds = Str(bottom) + " and " + Str(top);
  if (!lowEmpty && (low < bottom || low > top)) {
    check.message = "Low RPM not valid - should be between " + bounds;
    check.lowField = true;
    return check;
  }
  if (!highEmpty && (high < bottom || high > top)) {
    check.message = "High RPM not valid - should be between " + bounds;
    return check;
  }
  check.low = low == 0 ? static_cast<Integer>(bottom) : low;
  check.high = high == 0 ? static_cast<Integer>(top) : high;
  check.ok = check.low <= check.high;
  return check;
}

bool ExceedsMaximumPower(Single peak, Single added) { return peak + added > MaximumPower; }

bool ExceedsMaximumPowerByFactor(Single peak, Single factor) {
  return peak * factor > MaximumPower;
}

std::optional<Integer> MaxRPMRowFor(double typedRPM, Integer minRPMIndex) {
  const double row = RoundHalfEven(typedRPM / 100);
  if (row < minRPMIndex || row > CurveTopRow) return std::nullopt;
  return static_cast<Integer>(row);
}

void AddPowerRange(Single addBHP) {
  AddOverRange([addBHP](int row) { return addBHP * RowTorqueToBHP / static_cast<Single>(row); });
  if (addBHP > 0) RaiseScaleTop();
}

void AddTorqueRange(Single addBHP) {
  // Without a top row there is no torque for the power; the curve stays as it is.
  if (S.MaxRPMIndex > 0) {
    const Single torque = addBHP * RowTorqueToBHP / static_cast<Single>(S.MaxRPMIndex);
    AddOverRange([torque](int) { return torque; });
  }
  if (addBHP > 0) RaiseScaleTop();
}

void MultiplyCurve(Single factor) {
  auto& curve = EditedColumn();
  const Range r = ManipRange();
  for (int i = r.lo; i <= r.hi; ++i) curve[i] *= factor;
  if (factor > 1) RaiseScaleTop();
}

void ShiftCurve(Integer shiftRPM) {
  auto& curve = EditedColumn();
  const Range r = ManipRange();
  const int rows = IntDiv(shiftRPM, 100);
  std::array<Single, CurveTopRow + 1> moved{};
  for (int i = r.lo; i <= r.hi; ++i) {
    moved[i] = i <= S.MaxRPMIndex ? curve[i] : 0;
    curve[i] = 0;
  }
  // The nitrous columns keep to the span's bottom; the no-nitrous curve may pass below it.
  const bool mayGoBelowSpan = S.PowerCurveIndex == 0;
  for (int i = r.lo; i <= r.hi; ++i) {
    const int j = i + rows;
    if (j > 0 && j <= S.MaxRPMIndex && (j >= S.MinRPMIndex || mayGoBelowSpan)) curve[j] = moved[i];
  }
  if (rows > 0) RaiseScaleTop();
}

}  // namespace kestrelon
