#include "simulation/history_log.h"

#include <algorithm>

#include "core/state.h"
#include "core/tables.h"
#include "simulation/timing_points.h"

namespace kestrelon {

namespace {

std::string Padded(const std::string& text, std::size_t width) {
  std::string s = text.substr(0, std::min(text.size(), width));
  s.resize(width, ' ');
  return s;
}

// "Was" and "Now" lines of one engine peak of a curve column when its value or row changed.
void LogPeak(const std::string& prefix, Single oldValue, Single newValue, Single oldRow, Single newRow,
             Single divisor, const std::string& unit) {
  const Single d = divisor != 0 ? divisor : 1.0f;
  const std::string was = Format(oldValue / d, "###0.00");
  const std::string now = Format(newValue / d, "###0.00");
  const Integer wasRow = CInt(oldRow);
  const Integer nowRow = CInt(newRow);
  if (was == now && wasRow == nowRow) return;
  AddHistoryLine(prefix + "Was : " + was + " " + unit + " @ " + std::to_string(wasRow) + "00 RPM");
  AddHistoryLine(std::string(prefix.size(), ' ') + "Now : " + now + " " + unit + " @ " +
                 std::to_string(nowRow) + "00 RPM");
}

std::string TimingLine(const std::string& label, Single time, Single speed) {
  return label + Format(time, "#0.000") + "s / " + Format(speed, "##0.00") + S.SpeedUnit;
}

}  // namespace

void AddHistoryLine(const std::string& LineText) {
  if (S.HistoryHead == 1 && S.HistoryNext <= HistorySize) {
    S.HistoryLines[S.HistoryNext] = LineText;
    ++S.HistoryNext;
  } else {
    S.HistoryLines[std::clamp<int>(S.HistoryHead, 1, HistorySize)] = LineText;
    ++S.HistoryHead;
    if (S.HistoryHead > HistorySize) S.HistoryHead = 1;
  }
}

void LogChanges() {
  for (int g = 1; g < VehicleGroups; ++g) {
    for (int i = 1; i < VehicleItems; ++i) {
      const std::string& desc = Tbl.VehicleDataDesc[g][i];
      const std::string trimmedDesc = Trim(desc);
      if (trimmedDesc.empty() || Trim(S.LastRunVehicleData[g][i]) == Trim(S.VehicleData[g][i])) continue;
      const std::size_t w = std::max<std::size_t>(40, trimmedDesc.size());
      AddHistoryLine(Padded(desc, w) + " Was : " + S.LastRunVehicleData[g][i]);
      AddHistoryLine(std::string(w, ' ') + " Now : " + S.VehicleData[g][i]);
    }
  }
  for (int c = 0; c < CurveColumns; ++c) {
    const std::string title = c == 0 ? "No nitrous" : "Stage " + std::to_string(c) + " nitrous";
    const auto& was = S.LastRunEngineSummary[c];
    const auto& now = S.EngineSummary[c];
    LogPeak(title + " torque ", was[0], now[0], was[1], now[1], S.TorqueUnitDivisor, S.TorqueUnits);
    LogPeak(title + " power  ", was[2], now[2], was[3], now[3], S.PowerUnitDivisor, S.PowerUnit);
  }
}

void LogRunResults() {
  CalcTimingPoints();
  AddHistoryLine(" Rollout - " + Format(S.RunRolloutTime, "0.000") + "s");

  std::string spotLabel = Trim(Str(static_cast<int>(CInt(S.LengthFactor * S.SimDistance)))) + S.LengthUnit + " - ";
  if (spotLabel.size() < 10) spotLabel += std::string(std::min<std::size_t>(10 - spotLabel.size(), 6), ' ');
  const std::string spot = TimingLine(spotLabel, S.TimeSimDistance, S.SpeedSimDistance);
  const Single fpu = S.FeetPerUnit;
  const Single d = S.SimDistance;
  const Single ft60 = 60 / fpu, ft330 = 330 / fpu, ft660 = 660 / fpu, ft1320 = 1320 / fpu;

  if (d > 0 && d < ft60) AddHistoryLine(spot);
  AddHistoryLine(TimingLine("60ft -    ", S.Time60ft, S.Speed60ft));
  if (d >= ft60 && d < ft330) AddHistoryLine(spot);
  AddHistoryLine(TimingLine("330ft -   ", S.Time330ft, S.Speed330ft));
  if (d >= ft330 && d < ft660) AddHistoryLine(spot);
  AddHistoryLine(TimingLine("660ft -   ", S.Time660ft, S.Speed660ft));
  if (d >= ft660 && d < ft1320) AddHistoryLine(spot);
  AddHistoryLine(TimingLine("1320ft -  ", S.Time1320ft, S.Speed1320ft));
  if (d >= ft1320) AddHistoryLine(spot);
  AddHistoryLine(std::string(80, '-'));

  for (int g = 1; g < VehicleGroups; ++g)
    for (int i = 1; i < VehicleItems; ++i) S.LastRunVehicleData[g][i] = S.VehicleData[g][i];
  S.LastRunEngineSummary = S.EngineSummary;
}

}  // namespace kestrelon
