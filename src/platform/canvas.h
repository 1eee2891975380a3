#pragma once
// The drawing surface every picture of the program draws on: graphs, the power curve, the
// cascade, the progress bar and the practice tree. A picture has a user scale set from two
// corners (y may grow upward), a current position, a pen (colour, width, style, exclusive-or)
// and a font (size, bold); it draws lines, outlined and filled boxes, points and text, and
// measures text in its own units.
//
// The base class keeps that state and the mapping from user units to pixels; a device (the
// Qt canvas on a widget, an image or a printer, or the recording canvas of the tests) supplies
// the primitives. Drawing calls reach the device in user units, so a recording shows the
// figures the drawing code used.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// 0xRRGGBB.
using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(((red & 0xFF) << 16) | ((green & 0xFF) << 8) | (blue & 0xFF));
}
constexpr int RedOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>(c & 0xFF); }

// Colour i (0..15) of the 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red,
// 5 magenta, 6 dark yellow, 7 light grey, 8 grey, 9 light blue, 10 light green, 11 light cyan,
// 12 light red, 13 light magenta, 14 light yellow, 15 white. Other numbers give black.
Color QBColor(int index);

enum class PenStyle { Solid, Dash, Dot };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The surface's size in pixels.
  virtual int PixelWidth() const = 0;
  virtual int PixelHeight() const = 0;

  // User scale: (left, top) is the top-left corner, (right, bottom) the bottom-right one, so a
  // top above the bottom makes y grow upward. Until it is set, one unit is one pixel from the
  // top-left corner.
  void Scale(double left, double top, double right, double bottom);
  void ScalePixels();
  double ScaleLeft() const { return left_; }
  double ScaleTop() const { return top_; }
  double ScaleWidth() const;   // negative when x grows leftward
  double ScaleHeight() const;  // negative when y grows upward

  // Pixel position of a user position (fractional; pixel k covers [k, k + 1)).
  double ToPixelX(double x) const;
  double ToPixelY(double y) const;

  // Where the next line without a start point, and the next text, begin.
  double CurrentX = 0;
  double CurrentY = 0;

  Color ForeColor = QBColor(0);   // pen and text colour when a call names none
  Color BackColor = QBColor(15);  // colour Cls fills with
  int DrawWidth = 1;              // pen width in pixels
  PenStyle DrawStyle = PenStyle::Solid;
  bool XorPen = false;            // drawing the same figure twice removes it
  double FontSize = 8.25;         // points
  bool FontBold = false;
  std::string FontName;           // empty = the device's own font
  bool FontItalic = false;
  bool FontUnderline = false;

  // Fills the surface with BackColor and puts the current position at (0, 0).
  void Cls();
  // A line from (x1, y1) to (x2, y2); the current position moves to its end.
  void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = {});
  // A line from the current position.
  void LineTo(double x, double y, std::optional<Color> color = {});
  // The outline of the box with corners (x1, y1) and (x2, y2), any two opposite corners.
  void Box(double x1, double y1, double x2, double y2, std::optional<Color> color = {});
  // The box filled, edges included.
  void FillBox(double x1, double y1, double x2, double y2, std::optional<Color> color = {});
  // One dot of DrawWidth pixels; the current position moves there.
  void PSet(double x, double y, std::optional<Color> color = {});
  // Text in ForeColor with its top-left corner at the current position. Afterwards the current
  // position is the start of the next line (left edge, one text height further down) or, with
  // endLine false, the end of the text on the same line.
  void Print(std::string_view text, bool endLine = true);

  // Text extent in user units of the current font: signed like ScaleWidth and ScaleHeight, so
  // the height is negative on a scale whose y grows upward.
  double TextWidth(std::string_view text) const;
  double TextHeight(std::string_view text) const;

 protected:
  // Device primitives. Positions are in user units (ToPixelX/ToPixelY map them); the pen and
  // font are the public members above.
  virtual void DeviceClear(Color color) = 0;
  virtual void DeviceLine(double x1, double y1, double x2, double y2, Color color) = 0;
  virtual void DeviceBox(double x1, double y1, double x2, double y2, Color color, bool filled) = 0;
  virtual void DevicePoint(double x, double y, Color color) = 0;
  virtual void DeviceText(double x, double y, std::string_view text, Color color) = 0;
  virtual double TextPixelWidth(std::string_view text) const = 0;
  virtual double TextPixelHeight(std::string_view text) const = 0;

 private:
  bool userScale_ = false;
  double left_ = 0;
  double top_ = 0;
  double right_ = 0;
  double bottom_ = 0;
};

}  // namespace kestrelon
