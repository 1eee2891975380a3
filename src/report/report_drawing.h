#pragma once
// The report drawn on a canvas: the listing picture and the printer's pages. A column is the
// average character width of the font in effect, so a bold label and a plain value can start a
// little apart for the same column.

#include <functional>

#include "platform/canvas.h"
#include "report/report_ops.h"

namespace kestrelon {

// The listing's sizes: its font size made whole, or without a chosen list font 8 points on a
// fine screen (12 twips per pixel or fewer) and 10 otherwise; the title half as large again.
ReportSizes ListingSizes(double fontSize, bool listFontSet, int twipsPerPixel);

// The printer's sizes.
inline constexpr ReportSizes PrinterSizes{8, 14};

// Draws from the canvas's current position; returns the position below the last line. With
// newPage, a line that would pass the bottom of the canvas starts a new page at its top;
// newPage answers false to stop drawing.
double DrawReport(Canvas& canvas, const ReportOps& ops, const std::function<bool()>& newPage = {});

}  // namespace kestrelon
