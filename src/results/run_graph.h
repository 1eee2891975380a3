#pragma once
// The run graph as drawn: up to four channels of the current run, and of the baseline when it
// is shown, against run time or distance, each with its own vertical scale on a common grid,
// with gear-change and wheelie marks and the box of timing figures. PrepareRunGraph derives the
// channels from the recorded runs; DrawRunGraph draws everything on a canvas (the window's
// picture, an image, a page) and keeps the scales the read-out and the marks need.

#include <array>
#include <string>

#include "core/numbers.h"
#include "results/run_graph_channels.h"
#include "results/run_graph_display.h"

namespace kestrelon {

class Canvas;

inline constexpr double GridWidth = 1280;   // the grid spans x 0..1280
inline constexpr double GridHeight = 960;   // and y 0..960 of the plot's scale

// Where a series lies on the X axis.
struct GraphSeries {
  Single rollout = 0;      // s
  Single launchTime = 0;   // s
  Single launchStage = 0;  // m
  Single pointStep = 0;    // plot units from one recorded point to the next (time axis)
  Single gridOffset = 0;   // plot units from x 0 to the rollout's grid line (time axis)
  Single traceXOffset = 0; // axis units added to every point of the series
  int pointCount = 0;      // last recorded point
};

struct RunGraph {
  // Channels 1..4 of series 0 (current run) and 1 (baseline); element 0 unused.
  std::array<std::array<ChannelPoints, GraphChannels + 1>, 2> ChannelData{};
  std::array<std::string, GraphChannels + 1> ChannelTitle{};
  std::array<std::string, GraphChannels + 1> ChannelUnit{};
  std::array<Single, GraphChannels + 1> ChannelMax{};
  Single GraphMax = 0;
  int SeriesCount = 1;

  // Scales of the last drawing.
  double AxisLabelWidth = 140;
  double AxisLabelHeight = 100;
  double AxisEnd = 0;  // end of the X axis in axis units
  Single XGridStep = 0, YGridStep = 0;
  int XGridCount = 1, YGridCount = 1;
  Single XPerUnit = 1, YPerUnit = 1;
  std::array<GraphSeries, 2> Series{};
  Single TraceXOffset = 0;  // of the last series drawn
  std::array<int, GraphChannels + 1> LabelColumn{};
  bool Drawn = false;
};

// Packs the trace choices and fills the channels and their maxima (over the current run, and
// the baseline when it is shown).
void PrepareRunGraph(RunGraph& graph);

// Clears the canvas and draws the axes, the traces, the marks and the timing box.
// `windowHeightPx` is the height of the graph's window (one vertical division per 60 pixels).
void DrawRunGraph(Canvas& pic, RunGraph& graph, int windowHeightPx);

// Pieces of the drawing, for the window and the tests.
int VerticalLimit(int windowHeightPx);
// The text of the X label on division d.
std::string XLabelText(const RunGraph& graph, int division);
// The divisions that carry an X label, every e-th counted from the rollout's division when
// aligned.
int FirstLabelledDivision(const RunGraph& graph, int every);
// The series that get gear and wheelie marks: bit 0 the current run, bit 1 the baseline.
int MarkedSeries();
// Plot x of a mark at run time t of series r; a value at or beyond the grid's right end is not
// drawn.
double MarkX(const RunGraph& graph, int series, double t);

}  // namespace kestrelon
