#include "report/report_drawing.h"

#include <string>
#include <string_view>

#include "core/numbers.h"

namespace kestrelon {
namespace {

constexpr std::string_view Alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

double AverageCharWidth(const Canvas& canvas) {
  return canvas.TextWidth(Alphabet) / static_cast<double>(Alphabet.size());
}

}  // namespace

ReportSizes ListingSizes(double fontSize, bool listFontSet, int twipsPerPixel) {
  const int base = listFontSet ? CInt(fontSize) : (twipsPerPixel <= 12 ? 8 : 10);
  return {base, CInt(base * 1.5)};
}

double DrawReport(Canvas& canvas, const ReportOps& ops, const std::function<bool()>& newPage) {
  auto lineEnd = [&] {
    canvas.CurrentY += canvas.TextHeight("W");
    canvas.CurrentX = canvas.ScaleLeft();
  };
  // False once the pages were stopped.
  auto roomFor = [&](std::string_view text) {
    if (!newPage || canvas.CurrentY + canvas.TextHeight(text) <= canvas.ScaleTop() + canvas.ScaleHeight())
      return true;
    if (!newPage()) return false;
    canvas.CurrentY = canvas.ScaleTop();
    return true;
  };
  for (const ReportOp& op : ops) {
    switch (op.kind) {
      case ReportOp::Size: canvas.FontSize = op.value; break;
      case ReportOp::Bold: canvas.FontBold = op.value != 0; break;
      case ReportOp::Underline: canvas.FontUnderline = op.value != 0; break;
      case ReportOp::Text:
      case ReportOp::Number: {
        const std::string text = op.kind == ReportOp::Text ? op.text : Str(op.value) + " ";
        if (!roomFor(text)) return canvas.CurrentY;
        canvas.Print(text, false);
        break;
      }
      case ReportOp::Tab: {
        const double x = canvas.ScaleLeft() + (op.value - 1) * AverageCharWidth(canvas);
        if (canvas.CurrentX > x + 1e-6) lineEnd();
        canvas.CurrentX = x;
        break;
      }
      case ReportOp::LineEnd: lineEnd(); break;
    }
  }
  return canvas.CurrentY;
}

}  // namespace kestrelon
