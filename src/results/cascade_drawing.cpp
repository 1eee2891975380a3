#include "results/cascade_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/numbers.h"
#include "core/state.h"

namespace kestrelon {

namespace {

constexpr int Black = 0, Cyan = 3, Green = 2, Grey = 8, LightBlue = 9, LightRed = 12;
constexpr int TwipsPerScreenPixel = 15;

bool Finite(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

// Text that would start left of the picture starts at its edge, so it is never cut off.
void Text(Canvas& pic, const std::string& text, double left, double top, int colour = Black) {
  if (!Finite(left, top)) return;
  pic.ForeColor = QBColor(colour);
  pic.CurrentX = std::max(left, pic.ScaleLeft());
  pic.CurrentY = top;
  pic.Print(text);
  pic.ForeColor = QBColor(Black);
}

// A point that is not a number breaks the line: it goes on from the next point that is.
void Polyline(Canvas& pic, const std::vector<PlotPoint>& points, int colour) {
  bool drawing = false;
  for (const PlotPoint& p : points) {
    if (!Finite(p.x, p.y)) {
      drawing = false;
    } else if (drawing) {
      pic.LineTo(p.x, p.y, QBColor(colour));
    } else {
      pic.CurrentX = p.x;
      pic.CurrentY = p.y;
      drawing = true;
    }
  }
}

void DrawFrame(Canvas& pic, const CascadeScene& s) {
  pic.DrawWidth = 2;
  pic.Line(0, 0, s.CascadeXExtent, 0, QBColor(Black));
  pic.Line(s.CascadeXExtent, 0, s.CascadeXExtent, s.CascadeYExtent, QBColor(Black));
  pic.Line(0, 0, 0, s.CascadeYExtent, QBColor(Black));
  pic.DrawWidth = 1;
  pic.DrawStyle = PenStyle::Dot;
  for (Long k = 1; k <= s.X.count - 1; ++k) {
    const double x = k * double(s.X.step) * s.CascadeXPerUnit;
    pic.Line(x, 0, x, s.CascadeYExtent, QBColor(Cyan));
  }
  for (Long k = 1; k <= s.Y.count; ++k) {
    const double y = k * double(s.Y.step) * s.CascadeYPerUnit;
    pic.Line(0, y, s.CascadeXExtent, y, QBColor(Cyan));
  }
  pic.DrawStyle = PenStyle::Solid;
}

void DrawLabels(Canvas& pic, const CascadeScene& s) {
  const double h = pic.TextHeight("0");  // negative: y grows upward
  Text(pic, s.Units.ForceTitle, -136, 1040);
  Text(pic, "RPM/1000", 1350 - pic.TextWidth("RPM/1000"), 1040);
  Text(pic, s.Units.SpeedTitle, 640 - pic.TextWidth(s.Units.SpeedTitle) / 2, -108 - h);

  // Speed labels: every second line when the widest label is wider than a division.
  const std::string widest = NumText(static_cast<Single>(s.X.count) * s.X.step);
  const Long n = 1100.0 / s.X.count < RoundHalfEven(pic.TextWidth(widest)) ? 2 : 1;
  for (Long k = n; k <= s.X.count - n; k += n) {
    const std::string label = NumText(static_cast<Single>(k) * s.X.step);
    Text(pic, label, k * double(s.X.step) * s.CascadeXPerUnit - pic.TextWidth(label) / 2, -2);
  }
  for (Long k = 1; k <= s.Y.count; ++k) {
    const std::string label = NumText(static_cast<Single>(k) * s.Y.step);
    const double left = std::max(-140.0, -10 - pic.TextWidth(label));
    Text(pic, label, left, k * double(s.Y.step) * s.CascadeYPerUnit - h / 2);
  }

  // Engine speed in thousands of rpm on the right.
  for (Long k = 1; k <= CLng(double(S.MaxRPMIndex) / s.RowStep); ++k) {
    const double row = double(s.RowStep) * k;
    Text(pic, NumText(row / 10), s.CascadeXExtent + 10, row * s.RowYPerUnit - h / 2);
  }
  Text(pic, s.CorrectionText, 1350 - pic.TextWidth(s.CorrectionText), -108 - h, Green);
}

}  // namespace

void DrawCascade(Canvas& pic, const CascadeScene& s) {
  pic.Cls();
  if (!s.Drawable) return;
  pic.Scale(-110, 1040, 1360, -140);
  const FontChoice font = PictureFontFor(pic.PixelWidth(), pic.PixelHeight());
  pic.FontSize = font.size;
  pic.FontBold = font.bold;
  DrawFrame(pic, s);
  DrawLabels(pic, s);

  for (const CascadeGear& gear : s.Gears) {
    Polyline(pic, gear.RPMLine, LightBlue);
    Polyline(pic, gear.ForceCurve, Green);
    if (gear.ShiftMark && std::isfinite(gear.ShiftX)) {
      pic.Line(gear.ShiftX, 0, gear.ShiftX, s.CascadeYExtent, QBColor(Grey));
      const std::string rpm = Trim(Str(gear.ShiftRow * 100));
      Text(pic, rpm, gear.ShiftX - pic.TextWidth(rpm) / 2, 1030, Grey);
    }
  }
  Polyline(pic, s.LevelResistance, LightRed);
  Polyline(pic, s.GradientResistance, LightRed);
}

FontChoice CascadeReadoutFont(int pictureWidth) {
  FontChoice f{CInt(pictureWidth * double(TwipsPerScreenPixel) / 1000), true};
  if (f.size / double(TwipsPerScreenPixel) <= 0.4) f = {CInt(TwipsPerScreenPixel * 0.4), false};
  return f;
}

}  // namespace kestrelon
