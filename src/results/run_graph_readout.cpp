#include "results/run_graph_readout.h"

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"

namespace kestrelon {
namespace {

struct PointAt {
  int i = 0;
  double f = 0;
};

// The recorded point at or before distance d (metres) in series r and the fraction to the next.
PointAt PointAtDistance(int r, int last, double d) {
  const auto& distance = S.RunResults[PtDistance][r];
  for (int i = 0; i < last; ++i) {
    if (distance[i] <= d && d < distance[i + 1])
      return {i, (d - distance[i]) / (static_cast<double>(distance[i + 1]) - distance[i])};
  }
  return {last, 0};
}

}  // namespace

std::optional<ReadOut> ReadOutAt(const RunGraph& g, double x) {
  if (!g.Drawn) return std::nullopt;
  const int series = g.SeriesCount;
  std::array<PointAt, 2> at{};
  ReadOut out;
  if (Cfg.XAxisTime != False) {
    std::array<double, 2> p{};
    for (int r = 0; r < series; ++r) {
      const GraphSeries& s = g.Series[r];
      if (s.pointStep <= 0) return std::nullopt;
      p[r] = Cfg.AlignRollout != False && s.rollout != 0 ? (x - s.gridOffset) / s.pointStep
                                                         : x / s.pointStep;
      if (p[r] < 0 || p[r] > s.pointCount) return std::nullopt;
      at[r].i = static_cast<int>(std::floor(p[r]));
      at[r].f = p[r] - at[r].i;
    }
    double t = S.PointCount > 0 ? S.LaunchTime * p[0] / S.PointCount : 0;
    if (Cfg.AlignRollout != False && S.RunRolloutTime != 0) t -= S.RunRolloutTime;
    out.position = Format(t, "##0.00") + " sec";
  } else {
    if (g.XPerUnit == 0 || S.LengthFactor == 0) return std::nullopt;
    const double d = (x / g.XPerUnit - g.TraceXOffset) / S.LengthFactor;
    double end = S.RunResults[PtDistance][CurrentRun][S.PointCount];
    if (series == 2)
      end = std::max<double>(end, S.RunResults[PtDistance][BaselineRun][g.Series[1].pointCount]);
    if (d < 0 || d >= end) return std::nullopt;
    for (int r = 0; r < series; ++r) at[r] = PointAtDistance(r, g.Series[r].pointCount, d);
    const bool aligned = Cfg.AlignRollout != False && S.RunRolloutTime != 0;
    const double shown = aligned ? d - S.LaunchStage : d;
    out.position = Format(shown * S.LengthFactor, "####0.0") + S.LengthUnit;
  }

  for (int k = 1; k <= GraphChannels; ++k) {
    if (GraphDisplay.TraceChoice[k] <= 0) continue;
    std::array<double, 2> v{};
    for (int r = 0; r < series; ++r) {
      const ChannelPoints& data = g.ChannelData[r][k];
      const int i = at[r].i;
      v[r] = i >= g.Series[r].pointCount ? data[i] : data[i] + (data[i + 1] - data[i]) * at[r].f;
    }
    out.values[k] = g.ChannelTitle[k] + " : " + Format(v[0], "####0.0#");
    if (series == 2) out.values[k] += " (" + Format(v[1], "####0.0#") + ")";
  }
  return out;
}

}  // namespace kestrelon
