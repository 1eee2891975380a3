#pragma once
// A canvas that draws nothing and remembers every call, in user units, with the pen it was
// drawn with; tests of drawing code assert on the list. Text is measured with a fixed pixel
// font (CharPixelWidth per character, LinePixelHeight per line), so text layout is predictable.

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace kestrelon {

struct DrawOp {
  enum Kind { Clear, Line, Box, FillBox, Point, Text };
  Kind kind = Clear;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a point or text uses (x1, y1)
  Color color = 0;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  bool xorPen = false;
  std::string text;
};

class RecordingCanvas : public Canvas {
 public:
  static constexpr double CharPixelWidth = 8;
  static constexpr double LinePixelHeight = 16;

  explicit RecordingCanvas(int pixelWidth = 1000, int pixelHeight = 1000)
      : width_(pixelWidth), height_(pixelHeight) {}

  int PixelWidth() const override { return width_; }
  int PixelHeight() const override { return height_; }

  std::vector<DrawOp> ops;

 protected:
  void DeviceClear(Color color) override;
  void DeviceLine(double x1, double y1, double x2, double y2, Color color) override;
  void DeviceBox(double x1, double y1, double x2, double y2, Color color, bool filled) override;
  void DevicePoint(double x, double y, Color color) override;
  void DeviceText(double x, double y, std::string_view text, Color color) override;
  double TextPixelWidth(std::string_view text) const override;
  double TextPixelHeight(std::string_view text) const override;

 private:
  void Record(DrawOp::Kind kind, double x1, double y1, double x2, double y2, Color color,
              std::string_view text = {});

  int width_;
  int height_;
};

}  // namespace kestrelon
