#include "results/run_graph_channels.h"

#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "results/run_graph_display.h"

namespace kestrelon {

int SeriesPointCount(int series) {
  return series == BaselineRun ? S.BaselinePointCount : S.PointCount;
}

namespace {

constexpr Single Gravity = 9.81f;
const std::string Degrees = "\xB0" "C";  // the degree sign in the program's text encoding

// A factor the display unit set leaves at 0 before the first unit choice reads as 1.
Single Factor(Single f) { return f == 0 ? 1.0f : f; }

}  // namespace

ChannelText SetupChannels(int traceId, int series, ChannelPoints& values) {
  const int last = std::min(SeriesPointCount(series), static_cast<int>(LastRunPoint));
  const auto& run = S.RunResults;
  auto pt = [&](RunChannel channel, int i) { return run[channel][series][i]; };
  auto fill = [&](auto value) {
    for (int i = 0; i <= last; ++i) values[i] = static_cast<Single>(value(i));
  };
  const bool aligned = Cfg.AlignRollout != False && S.RunRolloutTime != 0;
  ChannelText text{TraceTitle(traceId), {}};

  switch (traceId) {
    case 1: fill([&](int i) { return pt(PtAcceleration, i) / Gravity; }); text.unit = "g"; break;
    case 2: fill([&](int i) { return pt(PtSpeed, i) / S.SpeedFactor; }); text.unit = S.SpeedUnit; break;
    case 3:
      if (Cfg.XAxisTime != False) {
        const Single stage = aligned ? S.RecordedWith.LaunchStage : 0;
        fill([&](int i) { return (pt(PtDistance, i) - stage) * S.LengthFactor; });
        text.unit = S.LengthUnit;
      } else {
        // Time of each point of this run (the baseline has its own length and spacing),
        // counted from the end of its rollout when it is aligned.
        const bool base = series == BaselineRun;
        const int points = SeriesPointCount(series);
        const double length = base ? S.BaselineLaunchTime : S.RecordedWith.LaunchTime;
        const double perPoint = points > 0 ? length / points : 0;
        const double rollout = !aligned ? 0 : base ? S.BaselineRolloutTime : S.RunRolloutTime;
        fill([&](int i) { return i * perPoint - rollout; });
        text.unit = "seconds";
      }
      break;
    case 4: fill([&](int i) { return pt(PtRearWheelSpeed, i) / S.SpeedFactor; }); text.unit = S.SpeedUnit; break;
    case 5: fill([&](int i) { return pt(PtSlipRatio, i) * 100; }); text.unit = "%"; break;
    case 6: fill([&](int i) { return pt(PtCorrectedTyreMu, i); }); break;
    case 7: fill([&](int i) { return pt(PtWheelieBarLoad, i) * S.ForceFactor; }); text.unit = S.ForceUnit; break;
    case 8: fill([&](int i) { return pt(PtRearWheelLoad, i) * 100 / S.ChassisWeight; }); text.unit = "%"; break;
    case 9: fill([&](int i) { return pt(PtFrontWheelLoad, i) * 100 / S.ChassisWeight; }); text.unit = "%"; break;
    case 10: fill([&](int i) { return pt(PtEngineSpeed, i) * 100; }); text.unit = "RPM"; break;
    case 11: fill([&](int i) { return pt(PtRearAxleHeight, i) * S.SmallLengthFactor; }); text.unit = S.SmallLengthUnit; break;
    case 12: fill([&](int i) { return pt(PtWheelieBarHeight, i) * S.SmallLengthFactor; }); text.unit = S.SmallLengthUnit; break;
    case 13: fill([&](int i) { return pt(PtFrontWheelHeight, i) * S.SmallLengthFactor; }); text.unit = S.SmallLengthUnit; break;
    case 14: fill([&](int i) { return pt(PtCGHeight, i) * S.SmallLengthFactor; }); text.unit = S.SmallLengthUnit; break;
    case 15: fill([&](int i) { return pt(PtFrontWheelSpeed, i) / S.SpeedFactor; }); text.unit = S.SpeedUnit; break;
    case 16: fill([&](int i) { return pt(PtEngineSpeed, i) * 100 / S.TransPrimary; }); text.unit = "RPM"; break;
    case 17: fill([&](int i) { return pt(PtClutchDrivenRPM, i) * 100; }); text.unit = "RPM"; break;
    case 18:
      fill([&](int i) { return std::max(0.0f, pt(PtThrottleOpening, i) * 100); });
      text.unit = "%";
      break;
    case 19: fill([&](int i) { return pt(PtClutchEngagement, i) * 100; }); text.unit = "%"; break;
    case 20: fill([&](int i) { return pt(PtRearWheelRPM, i) * 100; }); text.unit = "RPM"; break;
    case 21:
      fill([&](int i) { return pt(PtClutchTorqueCapacity, i) / Factor(S.TorqueUnitFactor); });
      text.unit = S.TorqueFactorUnit;
      break;
    case 22:
      // A stopped engine has no slip to speak of.
      fill([&](int i) {
        const Single engine = pt(PtEngineSpeed, i);
        return engine > 0 ? (1 - S.TransPrimary * pt(PtClutchDrivenRPM, i) / engine) * 100 : 0.0f;
      });
      text.unit = "%";
      break;
    case 23:
      fill([&](int i) { return pt(PtLiftForce, i) * S.ForceFactor / Gravity; });
      if (series == CurrentRun) {
        // The current run shows the force's size; the title follows its sign at the end.
        for (int i = 0; i <= last; ++i) {
          text.title = values[i] < 0 ? "Downforce" : "Lift";
          values[i] = std::fabs(values[i]);
        }
      }
      text.unit = S.ForceUnit;
      break;
    case 24: fill([&](int i) { return pt(PtTyreTemp, i); }); text.unit = Degrees; break;
    case 25: fill([&](int i) { return pt(PtClutchTemp, i); }); text.unit = Degrees; break;
    default:
      fill([](int) { return 0.0f; });
      text = {};
      break;
  }
  return text;
}

}  // namespace kestrelon
