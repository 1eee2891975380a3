#include "results/run_graph_readout.h"

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"

namespace kestrelon {
namespace {

// A series' recorded point under the pointer and the fraction to the next; not read where the
// pointer is beyond the series' own ends.
struct PointAt {
  bool read = false;
  int i = 0;
  double f = 0;
};

PointAt PointAtPosition(double p, int last) {
  if (!(p >= 0 && p <= last)) return {};
  const int i = static_cast<int>(std::floor(p));
  return {true, i, p - i};
}

// The recorded point at or before distance d (metres) in series r and the fraction to the next.
PointAt PointAtDistance(int r, int last, double d) {
  const auto& distance = S.RunResults[PtDistance][r];
  if (!(d >= 0 && d < distance[last])) return {};
  for (int i = 0; i < last; ++i) {
    if (distance[i] <= d && d < distance[i + 1])
      return {true, i, (d - distance[i]) / (static_cast<double>(distance[i + 1]) - distance[i])};
  }
  return {true, last, 0};
}

}  // namespace

std::optional<ReadOut> ReadOutAt(const RunGraph& g, double x) {
  if (!g.Drawn) return std::nullopt;
  const int series = g.SeriesCount;
  const bool aligned = Cfg.AlignRollout != False && S.RunRolloutTime != 0;
  std::array<PointAt, 2> at{};
  ReadOut out;
  // Each series is read with its own offset over its own length.
  if (Cfg.XAxisTime != False) {
    std::array<double, 2> p{};
    for (int r = 0; r < series; ++r) {
      const GraphSeries& s = g.Series[r];
      if (!(s.pointStep > 0)) return std::nullopt;
      p[r] = (Cfg.AlignRollout != False && s.rollout != 0 ? x - s.gridOffset : x) / s.pointStep;
      at[r] = PointAtPosition(p[r], s.pointCount);
    }
    double t = S.PointCount > 0 ? S.RecordedWith.LaunchTime * p[0] / S.PointCount : 0;
    if (aligned) t -= S.RunRolloutTime;
    out.position = Format(t, "##0.00") + " sec";
  } else {
    if (g.XPerUnit == 0 || S.LengthFactor == 0) return std::nullopt;
    std::array<double, 2> d{};
    for (int r = 0; r < series; ++r) {
      d[r] = (x / g.XPerUnit - g.Series[r].traceXOffset) / S.LengthFactor;
      at[r] = PointAtDistance(r, g.Series[r].pointCount, d[r]);
    }
    out.position = Format((aligned ? d[0] - S.RecordedWith.LaunchStage : d[0]) * S.LengthFactor, "####0.0") + S.LengthUnit;
  }
  if (!at[0].read && !at[1].read) return std::nullopt;

  // Past the end of one series its value (or its bracket) is left blank.
  const auto value = [&](int r, int k) -> std::string {
    const ChannelPoints& data = g.ChannelData[r][k];
    const auto [read, i, f] = at[r];
    if (!read) return {};
    return Format(i >= g.Series[r].pointCount ? data[i] : data[i] + (data[i + 1] - data[i]) * f, "####0.0#");
  };
  for (int k = 1; k <= GraphChannels; ++k) {
    if (GraphDisplay.TraceChoice[k] <= 0) continue;
    out.values[k] = g.ChannelTitle[k] + " : " + value(CurrentRun, k);
    if (series == 2 && at[1].read) out.values[k] += " (" + value(BaselineRun, k) + ")";
  }
  return out;
}

}  // namespace kestrelon
