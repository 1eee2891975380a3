#include "power/power_graph_drawing.h"

#include <algorithm>
#include <string>

#include "core/state.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

constexpr int TwipsPerScreenPixel = 15;
constexpr int TorqueColour = 4;
constexpr int PowerColour = 2;
constexpr int BackgroundColour = 15;

double TorqueY(int row) {
  return S.GraphYPerUnit * S.PowerCurve[S.PowerCurveIndex][row] / S.TorqueUnitDivisor;
}
double PowerY(int row) {
  return S.GraphYPerUnit * S.PowerCurve[S.PowerCurveIndex][row] * row /
         (S.PowerUnitDivisor * RowTorqueToBHP);
}

void Label(Canvas& pic, const std::string& text, double left, double top) {
  pic.CurrentX = left;
  pic.CurrentY = top;
  pic.Print(text);
}

void DrawLabels(Canvas& pic, const PowerGraphScale& s) {
  const double h = pic.TextHeight("RPM");  // negative on the upward scale
  Label(pic, S.PowerUnit, -132, 990);
  Label(pic, "RPM", 1310 - pic.TextWidth("RPM"), h - 10);

  // Speed labels: every second line when the last label is wider than a division.
  const Single lastLine = static_cast<Single>(s.x.count) * s.x.step;
  const double lastWidth = RoundHalfEven(pic.TextWidth(NumText(lastLine)));
  const int n = 1100.0 / s.x.count < lastWidth ? 2 : 1;
  for (Long j = n; j <= s.x.count; j += n) {
    const Single rpm = static_cast<Single>(j) * s.x.step;
    if (rpm >= s.speedTop) continue;
    const std::string text = NumText(rpm);
    Label(pic, text, rpm * s.xPerUnit - pic.TextWidth(text) / 2, -8);
  }

  // Value labels, right-aligned 8 units left of the axis, centred on their lines.
  for (Long j = 1; j <= s.y.count; ++j) {
    const Single value = static_cast<Single>(j) * s.y.step;
    const std::string text = NumText(value);
    const double width = std::min(RoundHalfEven(pic.TextWidth(text) + 8), 140.0);
    Label(pic, text, -width, value * s.yPerUnit - h / 2);
  }
}

// A joined line through every row with a point, starting with a single dot.
template <typename YOf>
void JoinedCurve(Canvas& pic, Color colour, YOf yOf) {
  bool first = true;
  for (int row = 1; row <= S.MaxRPMIndex && row < CurveRows; ++row) {
    if (!(S.PowerCurve[S.PowerCurveIndex][row] > 0)) continue;
    const double x = row * S.GraphXPerRPMIndex;
    if (first)
      pic.PSet(x, yOf(row), colour);
    else
      pic.LineTo(x, yOf(row), colour);
    first = false;
  }
}

void MarkLine(Canvas& pic, int row, Color colour) {
  const double x = row * S.GraphXPerRPMIndex;
  pic.Line(x, 0, x, PlotHeight, colour);
}

}  // namespace

void SetPowerGraphUserScale(Canvas& pic) { pic.Scale(-140, 1000, 1320, -80); }

MarkerSize MarkerSizeOf(const Canvas& pic) {
  MarkerSize m;
  m.halfWidth = CInt(2.0 * pic.ScaleWidth() / std::max(pic.PixelWidth(), 1));
  m.halfHeight = CInt(2.0 * pic.ScaleHeight() / std::max(pic.PixelHeight(), 1));
  return m;
}

FontChoice PictureFontFor(int pixelWidth, int pixelHeight) {
  const double widthTwips = pixelWidth * TwipsPerScreenPixel;
  const double heightTwips = pixelHeight * TwipsPerScreenPixel;
  FontChoice f{std::min(CInt(widthTwips / 1000), CInt(heightTwips / 750)), true};
  if (f.size / double(TwipsPerScreenPixel) < 0.4) f = {CInt(0.4 * TwipsPerScreenPixel), false};
  return f;
}

FontChoice ReadoutFontFor(int pixelWidth) {
  FontChoice f{CInt(pixelWidth * TwipsPerScreenPixel / 1000.0), true};
  if (f.size / double(TwipsPerScreenPixel) <= 0.5) f = {CInt(0.5 * TwipsPerScreenPixel), false};
  return f;
}

void DrawPowerGraphFrame(Canvas& pic, const PowerGraphScale& s) {
  pic.ForeColor = QBColor(0);
  pic.DrawWidth = 2;
  pic.Line(0, 0, s.xExtent, 0, QBColor(0));
  pic.Line(0, 0, 0, s.yExtent, QBColor(0));

  pic.DrawWidth = 1;
  pic.DrawStyle = PenStyle::Dot;
  for (Long j = 1; j <= s.x.count; ++j) {
    const double x = j * static_cast<double>(s.x.step) * s.xPerUnit;
    pic.Line(x, 0, x, s.yExtent, QBColor(3));
  }
  for (Long j = 1; j <= s.y.count; ++j) {
    const double y = j * static_cast<double>(s.y.step) * s.yPerUnit;
    pic.Line(0, y, s.xExtent, y, QBColor(3));
  }
  pic.DrawStyle = PenStyle::Solid;

  const FontChoice font = PictureFontFor(pic.PixelWidth(), pic.PixelHeight());
  pic.FontSize = font.size;
  pic.FontBold = font.bold;
  DrawLabels(pic, s);
}

void PlotCurvePoint(Canvas& pic, const MarkerSize& marker, int row, bool draw) {
  if (row < 0 || row >= CurveRows) return;
  const double x = row * S.GraphXPerRPMIndex;
  const Color torque = QBColor(draw ? TorqueColour : BackgroundColour);
  const Color power = QBColor(draw ? PowerColour : BackgroundColour);
  pic.DrawWidth = 2;
  pic.PSet(x, TorqueY(row), torque);
  pic.DrawWidth = 1;
  const double py = PowerY(row);
  pic.Line(x - marker.halfWidth, py, x - marker.halfWidth + marker.width(), py, power);
  pic.Line(x, py - marker.halfHeight, x, py - marker.halfHeight + marker.height(), power);
}

void DrawPowerCurve(Canvas& pic, const MarkerSize& marker, bool printing) {
  if (!printing) {
    for (int row = 1; row <= S.MaxRPMIndex && row < CurveRows; ++row)
      if (S.PowerCurve[S.PowerCurveIndex][row] > 0) PlotCurvePoint(pic, marker, row, true);
    return;
  }
  pic.DrawWidth = 1;
  JoinedCurve(pic, QBColor(TorqueColour), TorqueY);
  JoinedCurve(pic, QBColor(PowerColour), PowerY);
}

void DrawMarkLines(Canvas& pic, const PowerGraphState& graph) {
  pic.DrawWidth = 1;
  for (const Integer mark : {graph.RangeMark1, graph.RangeMark2})
    if (mark > 0 && mark != S.RevLimitIndex) MarkLine(pic, mark, QBColor(0));
  if (S.RevLimitIndex > 0) MarkLine(pic, S.RevLimitIndex, Rgb(255, 0, 0));
}

}  // namespace kestrelon
