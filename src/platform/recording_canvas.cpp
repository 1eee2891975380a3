#include "platform/recording_canvas.h"

namespace kestrelon {

void RecordingCanvas::Record(DrawOp::Kind kind, double x1, double y1, double x2, double y2,
                             Color color, std::string_view text) {
  ops.push_back({kind, x1, y1, x2, y2, color, DrawWidth, DrawStyle, XorPen, std::string(text)});
}

void RecordingCanvas::DeviceClear(Color color) { Record(DrawOp::Clear, 0, 0, 0, 0, color); }

void RecordingCanvas::DeviceLine(double x1, double y1, double x2, double y2, Color color) {
  Record(DrawOp::Line, x1, y1, x2, y2, color);
}

void RecordingCanvas::DeviceBox(double x1, double y1, double x2, double y2, Color color,
                                bool filled) {
  Record(filled ? DrawOp::FillBox : DrawOp::Box, x1, y1, x2, y2, color);
}

void RecordingCanvas::DevicePoint(double x, double y, Color color) {
  Record(DrawOp::Point, x, y, x, y, color);
}

void RecordingCanvas::DeviceText(double x, double y, std::string_view text, Color color) {
  Record(DrawOp::Text, x, y, x, y, color, text);
}

double RecordingCanvas::TextPixelWidth(std::string_view text) const {
  return CharPixelWidth * static_cast<double>(text.size());
}

double RecordingCanvas::TextPixelHeight(std::string_view) const { return LinePixelHeight; }

}  // namespace kestrelon
