#pragma once
// The curve graph drawn on a canvas: the user scale with room for the labels, the axes, the
// dotted grid, the axis names and labels, each row's torque dot and power cross (or, for the
// printer, both curves as joined lines), and the range marks with the rev-limit line.

#include "platform/canvas.h"
#include "power/curve_graph_scale.h"
#include "power/power_graph_state.h"

namespace kestrelon {

// Two pixels of the picture in its own units; the height is negative on the upward scale.
struct MarkerSize {
  Integer halfWidth = 0, halfHeight = 0;
  Integer width() const { return static_cast<Integer>(2 * halfWidth); }
  Integer height() const { return static_cast<Integer>(2 * halfHeight); }
};

// Sets the picture's user scale: x -140..1320, y 1000 at the top down to -80.
void SetPowerGraphUserScale(Canvas& pic);
MarkerSize MarkerSizeOf(const Canvas& pic);

// Picture font from the picture's size: size in points and whether bold.
struct FontChoice {
  int size = 0;
  bool bold = false;
};
FontChoice PictureFontFor(int pixelWidth, int pixelHeight);
// The font of the three read-out labels below the picture.
FontChoice ReadoutFontFor(int pixelWidth);

// Axes, grid, axis names and labels for the scale, in the display unit PowerUnit.
void DrawPowerGraphFrame(Canvas& pic, const PowerGraphScale& scale);

// Draws (draw true) or paints over in white the torque dot and power cross of one row of
// column PowerCurveIndex, at the scales GraphXPerRPMIndex and GraphYPerUnit.
void PlotCurvePoint(Canvas& pic, const MarkerSize& marker, int row, bool draw);
// Every row of the column with a torque above 0: dots and crosses, or joined lines for the
// printer (torque red, power green).
void DrawPowerCurve(Canvas& pic, const MarkerSize& marker, bool printing);

// The range marks (black) and the rev-limit line (red) from the model; a mark on the limiter's
// row gives way to it.
void DrawMarkLines(Canvas& pic, const PowerGraphState& graph);

}  // namespace kestrelon
