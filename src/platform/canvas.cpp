#include "platform/canvas.h"

#include <array>

namespace kestrelon {

Color QBColor(int index) {
  static constexpr std::array<Color, 16> palette = {
      Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),
      Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0),   Rgb(192, 192, 192),
      Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
      Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255)};
  if (index < 0 || index >= static_cast<int>(palette.size())) return palette[0];
  return palette[static_cast<std::size_t>(index)];
}

void Canvas::Scale(double left, double top, double right, double bottom) {
  // Two equal edges would leave no unit to map; such a scale is ignored.
  if (left == right || top == bottom) return;
  userScale_ = true;
  left_ = left;
  top_ = top;
  right_ = right;
  bottom_ = bottom;
}

void Canvas::ScalePixels() {
  userScale_ = false;
  left_ = 0;
  top_ = 0;
}

double Canvas::ScaleWidth() const { return userScale_ ? right_ - left_ : PixelWidth(); }
double Canvas::ScaleHeight() const { return userScale_ ? bottom_ - top_ : PixelHeight(); }

// A surface without pixels (a widget not yet laid out) maps everything to its corner.
double Canvas::ToPixelX(double x) const {
  const double units = ScaleWidth();
  return units == 0 ? 0 : (x - left_) * PixelWidth() / units;
}

double Canvas::ToPixelY(double y) const {
  const double units = ScaleHeight();
  return units == 0 ? 0 : (y - top_) * PixelHeight() / units;
}

void Canvas::Cls() {
  DeviceClear(BackColor);
  CurrentX = 0;
  CurrentY = 0;
}

void Canvas::Line(double x1, double y1, double x2, double y2, std::optional<Color> color) {
  DeviceLine(x1, y1, x2, y2, color.value_or(ForeColor));
  CurrentX = x2;
  CurrentY = y2;
}

void Canvas::LineTo(double x, double y, std::optional<Color> color) {
  Line(CurrentX, CurrentY, x, y, color);
}

void Canvas::Box(double x1, double y1, double x2, double y2, std::optional<Color> color) {
  DeviceBox(x1, y1, x2, y2, color.value_or(ForeColor), false);
  CurrentX = x2;
  CurrentY = y2;
}

void Canvas::FillBox(double x1, double y1, double x2, double y2, std::optional<Color> color) {
  DeviceBox(x1, y1, x2, y2, color.value_or(ForeColor), true);
  CurrentX = x2;
  CurrentY = y2;
}

void Canvas::PSet(double x, double y, std::optional<Color> color) {
  DevicePoint(x, y, color.value_or(ForeColor));
  CurrentX = x;
  CurrentY = y;
}

void Canvas::Print(std::string_view text, bool endLine) {
  DeviceText(CurrentX, CurrentY, text, ForeColor);
  if (endLine) {
    CurrentX = left_;
    CurrentY += TextHeight(text);
  } else {
    CurrentX += TextWidth(text);
  }
}

double Canvas::TextWidth(std::string_view text) const {
  return PixelWidth() > 0 ? TextPixelWidth(text) * ScaleWidth() / PixelWidth() : 0;
}

double Canvas::TextHeight(std::string_view text) const {
  return PixelHeight() > 0 ? TextPixelHeight(text) * ScaleHeight() / PixelHeight() : 0;
}

}  // namespace kestrelon
