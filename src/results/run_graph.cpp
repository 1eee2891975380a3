#include "results/run_graph.h"

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "platform/canvas.h"
#include "results/axis_steps.h"
#include "results/run_graph_timing_box.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

bool TimeAxis() { return Cfg.XAxisTime != False; }
bool Aligned() { return Cfg.AlignRollout != False && S.RunRolloutTime != 0; }

// The first grid division (at least `minimum`) at or after a rollout time. The search starts
// just below it, so a rollout far beyond the grid costs no more than one near it.
int RolloutDivision(double rollout, double step, int minimum) {
  constexpr double Farthest = 1e6;
  if (!(step > 0) || !std::isfinite(rollout)) return minimum;
  int m = static_cast<int>(std::clamp(std::floor(rollout / step) - 1, double(minimum), Farthest));
  while (m * step - rollout < 0 && m < Farthest) ++m;
  return m;
}

// Axis units added to every point of a series: on an aligned axis the end of its rollout (time)
// or of its staging distance (distance) lands on a grid line.
Single TraceOffset(const GraphSeries& s, double step) {
  if (Cfg.AlignRollout == False || s.rollout == 0) return 0;
  if (TimeAxis()) return static_cast<Single>(RolloutDivision(s.rollout, step, 0) * step - s.rollout);
  return static_cast<Single>(step - S.LengthFactor * s.launchStage);
}

// The farthest end of a shifted series on the X axis: the time axis holds every shown series,
// the distance axis the current run (a farther baseline ends at the grid's edge).
double ShiftedEnd(const RunGraph& g, double step) {
  double end = 0;
  for (int r = 0; r < (TimeAxis() ? g.SeriesCount : 1); ++r) {
    const GraphSeries& s = g.Series[r];
    if (Cfg.AlignRollout == False || s.rollout == 0) continue;
    const double length = TimeAxis() ? s.launchTime
                                     : S.LengthFactor * double(S.RunResults[PtDistance][r][s.pointCount]);
    end = std::max(end, length + TraceOffset(s, step));
  }
  return end;
}

// Font of the plot: bold and sized to the picture, or small and plain on a tiny one.
void SetPlotFontSize(Canvas& pic) {
  const double twips = 15;
  Integer size = std::min(CInt(pic.PixelWidth() * twips / 1000), CInt(pic.PixelHeight() * twips / 750));
  if (size / twips < 0.4) {
    pic.FontBold = false;
    size = CInt(2 * twips / 5);
  } else {
    pic.FontBold = true;
  }
  pic.FontSize = size;
}

void SetPlotScale(Canvas& pic, const RunGraph& g) {
  const double right = GraphDisplay.TraceCount == 1 ? 1300 : 1280 + g.AxisLabelWidth;
  pic.Scale(-g.AxisLabelWidth, 990 - g.AxisLabelHeight, right, g.AxisLabelHeight - 40);
}

void PrintCentred(Canvas& pic, const std::string& text, double x, double top) {
  pic.CurrentX = x - pic.TextWidth(text) / 2;
  pic.CurrentY = top;
  pic.Print(text);
}

void DrawAxes(Canvas& pic, RunGraph& g, int windowHeightPx) {
  g.AxisLabelWidth = 140;
  g.AxisLabelHeight = 100;
  SetPlotScale(pic, g);
  SetPlotFontSize(pic);
  g.AxisLabelWidth = CLng(pic.TextWidth("100000"));
  g.AxisLabelHeight = CLng(2 * pic.TextHeight("100000"));
  SetPlotScale(pic, g);
  if (S.GraphDynRecalc != False) CalcTimingPoints();

  const AxisDivisions vertical = VerticalDivisions(g.GraphMax, VerticalLimit(windowHeightPx));
  g.YGridStep = vertical.step;
  g.YGridCount = vertical.count;
  g.YPerUnit = static_cast<Single>(GridHeight / (vertical.count * static_cast<double>(vertical.step)));

  for (int r = 0; r < 2; ++r) {
    GraphSeries& s = g.Series[r];
    const bool base = r == BaselineRun;
    s.rollout = base ? S.BaselineRolloutTime : S.RunRolloutTime;
    s.launchTime = base ? S.BaselineLaunchTime : S.RecordedWith.LaunchTime;
    s.launchStage = base ? S.BaselineLaunchStage : S.RecordedWith.LaunchStage;
    s.pointCount = std::clamp(SeriesPointCount(r), 0, static_cast<int>(LastRunPoint));
  }

  double span = S.RecordedWith.LaunchTime;
  if (S.ShowBaseline != False && S.BaselineLaunchTime > span) span = S.BaselineLaunchTime;
  const double extra = S.RunRolloutTime <= 2 ? 1 : 2;
  if (TimeAxis()) {
    g.AxisEnd = Aligned() ? span + extra : span;
  } else {
    g.AxisEnd = S.RunResults[PtDistance][CurrentRun][g.Series[CurrentRun].pointCount] * S.LengthFactor;
    if (Aligned() && span > 0) g.AxisEnd = g.AxisEnd * (span + extra) / span;
  }
  const double zoom = S.GraphZoom > 0 ? S.GraphZoom : 1;
  AxisDivisions horizontal = HorizontalDivisions(g.AxisEnd, zoom);
  // Aligned traces move right by up to a step, which the first pick may not leave room for.
  for (int again = 0; again < 8; ++again) {
    const double shifted = ShiftedEnd(g, horizontal.step);
    if (shifted <= horizontal.count * double(horizontal.step)) break;
    horizontal = HorizontalDivisions(shifted, zoom);
  }
  g.XGridStep = horizontal.step;
  g.XGridCount = horizontal.count;
  g.XPerUnit = static_cast<Single>(GridWidth / (horizontal.count * static_cast<double>(horizontal.step)));
  const double xs = g.XGridStep * static_cast<double>(g.XPerUnit);
  const double ys = g.YGridStep * static_cast<double>(g.YPerUnit);

  // Frame and ticks; no line along the top.
  const Color black = QBColor(0);
  pic.DrawWidth = 2;
  pic.Line(0, 0, GridWidth, 0, black);
  pic.Line(GridWidth, 0, GridWidth, GridHeight, black);
  pic.Line(0, 0, 0, GridHeight, black);
  for (int m = 1; m <= g.XGridCount - 1; ++m) pic.Line(m * xs, 0, m * xs, -5, black);
  for (int m = 1; m <= g.YGridCount; ++m) {
    pic.Line(0, m * ys, -5, m * ys, black);
    pic.Line(GridWidth, m * ys, GridWidth + 5, m * ys, black);
  }
  pic.DrawWidth = 1;
  if (Cfg.ShowGridLines != False) {
    pic.DrawStyle = PenStyle::Dot;
    for (int m = 1; m <= g.XGridCount - 1; ++m) pic.Line(m * xs, 0, m * xs, GridHeight, QBColor(3));
    for (int m = 1; m <= g.YGridCount; ++m) pic.Line(0, m * ys, GridWidth, m * ys, QBColor(3));
    pic.DrawStyle = PenStyle::Solid;
  }

  pic.ForeColor = black;
  PrintCentred(pic, TimeAxis() ? "seconds" : S.LengthUnitName, 640, g.AxisLabelHeight / 2 - 16);

  const std::string widest = NumText(static_cast<Single>(g.XGridCount * g.XGridStep));
  const int every = 1100.0 / g.XGridCount >= CLng(pic.TextWidth(widest)) ? 1 : 2;
  for (int d = FirstLabelledDivision(g, every); d <= g.XGridCount - 1; d += every)
    PrintCentred(pic, XLabelText(g, d), d * xs, -8);

  // Where each series lies, for the marks and the read-out.
  for (int r = 0; r < 2; ++r) {
    GraphSeries& s = g.Series[r];
    s.pointStep = (r == BaselineRun ? S.BaselinePointSpacing : S.RecordedWith.PointSpacing) * g.XPerUnit;
    s.gridOffset = static_cast<Single>(
        (RolloutDivision(s.rollout, g.XGridStep, 1) * static_cast<double>(g.XGridStep) - s.rollout) *
        g.XPerUnit);
    s.traceXOffset = TraceOffset(s, g.XGridStep);
  }
}

int LabelColumnOf(int k, int traces) {
  if (k == 1) return 1;
  if (k == 2) return traces == 2 ? 4 : 2;
  if (k == 3) return traces == 3 ? 4 : 3;
  return 4;
}

double UnitTitleX(int k, int traces, double titleWidth, double labelWidth) {
  switch (k) {
    case 1: return traces <= 2 ? 10 - labelWidth : -titleWidth - 10;
    case 2: return traces == 2 ? 1270 + labelWidth - titleWidth : 10;
    case 3: return traces == 3 ? 1270 + labelWidth - titleWidth : 1270 - titleWidth;
    default: return 1270 + labelWidth - titleWidth;
  }
}

// The unit title and the values of channel k's grid lines, on its own side of the grid.
void DrawYLabels(Canvas& pic, RunGraph& g, int k) {
  const int traces = GraphDisplay.TraceCount;
  const int column = LabelColumnOf(k, traces);
  g.LabelColumn[k] = column;
  pic.ForeColor = QBColor(GraphDisplay.ChannelColour[k]);
  const std::string& unit = g.ChannelUnit[k];
  double titleX = UnitTitleX(k, traces, pic.TextWidth(unit), g.AxisLabelWidth);
  if (k == 3 && traces == 4) {
    // Channel 4's title ends at the same height further right; a wide one ("seconds") would
    // run into this one, which then moves left of it.
    const double fourth = UnitTitleX(4, traces, pic.TextWidth(g.ChannelUnit[4]), g.AxisLabelWidth);
    titleX = std::min(titleX, fourth - pic.TextWidth(unit) - 10);
  }
  pic.CurrentX = titleX;
  pic.CurrentY = 980 - g.AxisLabelHeight;
  pic.Print(unit);

  const double top = g.YGridCount * static_cast<double>(g.YGridStep);
  for (int m = 1; m <= g.YGridCount; ++m) {
    const double y = m * g.YGridStep * static_cast<double>(g.YPerUnit);
    const Single value = static_cast<Single>(m * static_cast<double>(g.YGridStep));
    const std::string text = top < 1 ? Format(value, "0.00") : top < 10 ? Format(value, "0.0#") : NumText(value);
    const double w = std::min(static_cast<double>(CLng(pic.TextWidth(text) + 10)), g.AxisLabelWidth);
    const double hl = std::fabs(pic.TextHeight(text));
    double x = -w, labelTop = y + 1;
    switch (column) {
      case 1: labelTop = traces >= 3 ? y + hl - 1 : y + hl / 2; break;
      case 2: break;
      case 3: x = 1290; labelTop = y + hl - 1; break;
      default: x = 1290; labelTop = traces == 4 ? y + 1 : y + hl / 2; break;
    }
    pic.CurrentX = x;
    pic.CurrentY = labelTop;
    pic.Print(text);
  }
}

int BaselineStride(int pixelWidth) {
  for (int s : {1, 2, 4, 5, 8, 10, 12, 15, 20, 25})
    if (s * static_cast<double>(pixelWidth) >= 8000) return s;
  return 25;
}

void DrawTraces(Canvas& pic, RunGraph& g, int k, int r) {
  SetPlotFontSize(pic);
  if (g.ChannelMax[k] != 0) {
    g.YGridStep = ChannelStep(g.YGridCount, g.ChannelMax[k]);
    g.YPerUnit = static_cast<Single>(GridHeight / (g.YGridCount * static_cast<double>(g.YGridStep)));
  }
  if (r == CurrentRun) DrawYLabels(pic, g, k);
  pic.ForeColor = QBColor(0);

  const Integer width = GraphDisplay.ChannelWidth[k];
  if (r == CurrentRun) {
    pic.DrawWidth = width >= 3 ? 2 : 1;
    pic.DrawStyle = width == 1 ? PenStyle::Dash : width == 2 ? PenStyle::Dot : PenStyle::Solid;
  } else {
    pic.DrawWidth = 1;
    pic.DrawStyle = PenStyle::Dot;
  }
  const int stride = r == CurrentRun ? 1 : BaselineStride(pic.PixelWidth());

  const GraphSeries& s = g.Series[r];
  g.TraceXOffset = s.traceXOffset;

  const ChannelPoints& data = g.ChannelData[r][k];
  const Color colour = QBColor(GraphDisplay.ChannelColour[k]);
  const double xpu = g.XPerUnit, ypu = g.YPerUnit;
  const Single first = data[0];
  const double x0 = xpu * s.traceXOffset;
  if (!std::isfinite(x0)) return;
  pic.PSet(x0, !(first > 0) || first > g.ChannelMax[k] ? 0 : ypu * first, colour);
  const double spacing = r == CurrentRun ? S.RecordedWith.PointSpacing : S.BaselinePointSpacing;
  const auto& distance = S.RunResults[PtDistance][r];
  for (int i = 1; i <= s.pointCount; i += stride) {
    const double v = std::max(0.0f, data[i]);
    const double x = TimeAxis() ? i * spacing + s.traceXOffset
                                : S.LengthFactor * static_cast<double>(distance[i]) + s.traceXOffset;
    if (!(x > 0)) continue;
    const double px = xpu * x, py = ypu * v;
    if (!std::isfinite(px) || !std::isfinite(py)) continue;  // no line to or from a non-number
    if (px > GridWidth) {
      // A run that went farther than the axis reaches (a longer baseline on a distance axis)
      // ends at the grid's right edge.
      const double x1 = pic.CurrentX, y1 = pic.CurrentY;
      if (x1 < GridWidth) pic.LineTo(GridWidth, y1 + (py - y1) * (GridWidth - x1) / (px - x1), colour);
      break;
    }
    pic.LineTo(px, py, colour);
  }
  pic.DrawStyle = PenStyle::Solid;
  pic.DrawWidth = 1;

  // The front wheel's full suspension travel, as a line to read the front wheel height against.
  if (GraphDisplay.TraceChoice[k] == 13 && r == CurrentRun) {
    const double h = S.SmallLengthFactor * S.ChassisFTravel * ypu;
    if (h <= GridHeight) pic.Line(0, h, GridWidth, h, QBColor(9));
  }
}

void DrawMark(Canvas& pic, int series, double x, Color colour, const std::string& label) {
  pic.DrawStyle = series == CurrentRun ? PenStyle::Solid : PenStyle::Dash;
  pic.Line(x, 0, x, GridHeight, colour);
  pic.DrawStyle = PenStyle::Solid;
  pic.ForeColor = colour;
  PrintCentred(pic, label, x, 1000);
  pic.ForeColor = QBColor(0);
}

void DrawGearShifts(Canvas& pic, const RunGraph& g) {
  const int marked = MarkedSeries();
  for (int r = 0; r < 2; ++r) {
    if (!(marked & (1 << r))) continue;
    for (int gear = 1; gear <= std::min<int>(CInt(S.GearCount), 10); ++gear) {
      const Single t = S.GearEngagedTime[r][gear];
      if (t <= 0) continue;
      const double x = MarkX(g, r, t);
      if (x < GridWidth)
        DrawMark(pic, r, x, QBColor(8), std::to_string(gear) + "-" + std::to_string(gear + 1));
    }
  }
}

void DrawWheelie(Canvas& pic, const RunGraph& g) {
  const int marked = MarkedSeries();
  for (int r = 0; r < 2; ++r) {
    if (!(marked & (1 << r))) continue;
    for (int n = 1; n <= std::min<int>(S.WheelieCount[r], 10); ++n) {
      const double x = MarkX(g, r, S.WheelieTime[r][n]);
      if (x > 0 && x < GridWidth) DrawMark(pic, r, x, QBColor(4), "Wheelie");
    }
  }
}

}  // namespace

int VerticalLimit(int windowHeightPx) { return std::min(windowHeightPx / 60, 10); }

int FirstLabelledDivision(const RunGraph& g, int every) {
  if (!Aligned()) return every;
  int d = TimeAxis() ? RolloutDivision(S.RunRolloutTime, g.XGridStep, 1) : 1;
  while (d - every >= 1) d -= every;
  return d;
}

std::string XLabelText(const RunGraph& g, int division) {
  int zero = 0;
  if (Aligned()) zero = TimeAxis() ? RolloutDivision(S.RunRolloutTime, g.XGridStep, 1) : 1;
  const Single value = static_cast<Single>((division - zero) * static_cast<double>(g.XGridStep));
  return g.AxisEnd < g.XGridCount ? Format(value, "##0.0") : NumText(value);
}

int MarkedSeries() {
  if (S.ShowBaseline == False) return 1;
  const auto& choice = GraphDisplay.TraceChoice;
  if (choice[1] == 0 && choice[2] == 0) return 2;
  if (choice[3] == 0 && choice[4] == 0) return 1;
  return 3;
}

double MarkX(const RunGraph& g, int r, double t) {
  const GraphSeries& s = g.Series[r];
  if (TimeAxis()) {
    double x = g.XPerUnit * t;
    if (s.rollout != 0 && Cfg.AlignRollout != False) x += s.gridOffset;
    return x;
  }
  const auto& distance = S.RunResults[PtDistance][r];
  const int last = std::clamp(s.pointCount, 0, static_cast<int>(LastRunPoint));
  const double f = s.launchTime > 0 ? last * t / s.launchTime : 0;
  const int i = f > 0 ? static_cast<int>(std::min(std::floor(f), double(last))) : 0;
  double d = distance[i];
  if (i < last) d += (distance[i + 1] - distance[i]) * (f - i);
  if (s.rollout != 0 && Cfg.AlignRollout != False) d = g.XGridStep / S.LengthFactor + d - s.launchStage;
  return g.XPerUnit * d * S.LengthFactor;
}

void PrepareRunGraph(RunGraph& g) {
  // A new run's channels are counted from its own rollout, not the last run's.
  if (S.GraphDynRecalc != False) CalcTimingPoints();
  PackTraceChoices(GraphDisplay);
  g.SeriesCount = S.ShowBaseline != False ? 2 : 1;
  g.GraphMax = 0;
  for (int k = 1; k <= GraphChannels; ++k) {
    g.ChannelMax[k] = 0;
    g.LabelColumn[k] = 0;
    const int trace = GraphDisplay.TraceChoice[k];
    if (trace <= 0) {
      g.ChannelTitle[k].clear();
      g.ChannelUnit[k].clear();
      continue;
    }
    for (int r = 0; r < g.SeriesCount; ++r) {
      const ChannelText text = SetupChannels(trace, r, g.ChannelData[r][k]);
      if (r == CurrentRun) {
        g.ChannelTitle[k] = text.title;
        g.ChannelUnit[k] = text.unit;
      }
      for (int i = 0; i <= std::min(SeriesPointCount(r), static_cast<int>(LastRunPoint)); ++i)
        g.ChannelMax[k] = std::max(g.ChannelMax[k], g.ChannelData[r][k][i]);
    }
    g.GraphMax = std::max(g.GraphMax, g.ChannelMax[k]);
  }
}

void DrawRunGraph(Canvas& pic, RunGraph& g, int windowHeightPx) {
  g.Drawn = false;
  pic.ScalePixels();
  pic.BackColor = QBColor(15);
  pic.DrawStyle = PenStyle::Solid;
  pic.DrawWidth = 1;
  pic.Cls();
  DrawAxes(pic, g, windowHeightPx);
  for (int k = 1; k <= GraphChannels; ++k)
    if (GraphDisplay.TraceChoice[k] > 0)
      for (int r = 0; r < g.SeriesCount; ++r) DrawTraces(pic, g, k, r);
  if (Cfg.ShowGearShift != False) DrawGearShifts(pic, g);
  if (Cfg.ShowPerfBox != False) DrawPerfBox(pic);
  DrawWheelie(pic, g);
  S.GraphDynRecalc = False;
  g.Drawn = true;
}

}  // namespace kestrelon
