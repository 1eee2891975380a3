// The report on a canvas: columns in average character widths of the font in effect, bold and
// underline passed to the text, and page breaks that a printer may stop.
#include <gtest/gtest.h>

#include <vector>

#include "platform/recording_canvas.h"
#include "report/report_drawing.h"

namespace kestrelon {
namespace {

// Remembers the font each text was drawn with.
class FontRecordingCanvas : public RecordingCanvas {
 public:
  using RecordingCanvas::RecordingCanvas;
  struct Drawn {
    std::string text;
    double x, y;
    bool bold, underline;
    double size;
  };
  std::vector<Drawn> texts;

 protected:
  void DeviceText(double x, double y, std::string_view text, Color color) override {
    texts.push_back({std::string(text), x, y, FontBold, FontUnderline, FontSize});
    RecordingCanvas::DeviceText(x, y, text, color);
  }
};

TEST(ReportDrawing, ColumnsFollowTheAverageCharacterWidthAndTheFont) {
  FontRecordingCanvas canvas;
  ReportWriter out(ReportSink::Listing, {10, 15});
  out.TitleLine("TITLE");
  out.LabelledValue("Label", {"value"}, 10);
  out.LabelledValue("A label past it", {"next"}, 10);
  out.Number(3);
  const double bottom = DrawReport(canvas, out.ops());

  const double w = RecordingCanvas::CharPixelWidth, h = RecordingCanvas::LinePixelHeight;
  ASSERT_EQ(canvas.texts.size(), 6u);
  EXPECT_TRUE(canvas.texts[0].bold && canvas.texts[0].underline);
  EXPECT_EQ(canvas.texts[0].size, 15);
  EXPECT_EQ(canvas.texts[1].text, "Label");
  EXPECT_TRUE(canvas.texts[1].bold && !canvas.texts[1].underline);
  EXPECT_EQ(canvas.texts[1].size, 10);
  EXPECT_EQ(canvas.texts[2].text, "value");
  EXPECT_FALSE(canvas.texts[2].bold);
  EXPECT_EQ(canvas.texts[2].x, 9 * w);
  EXPECT_EQ(canvas.texts[2].y, h);
  // Past the column: the value goes to the column on the next line.
  EXPECT_EQ(canvas.texts[4].text, "next");
  EXPECT_EQ(canvas.texts[4].x, 9 * w);
  EXPECT_EQ(canvas.texts[4].y, 3 * h);
  EXPECT_EQ(canvas.texts[5].text, " 3 ");
  EXPECT_EQ(bottom, 4 * h);
}

TEST(ReportDrawing, PagesBreakBeforeALineThatWouldPassTheBottom) {
  FontRecordingCanvas canvas(400, 100);  // six lines of 16 pixels a page
  ReportWriter out(ReportSink::Printer, PrinterSizes);
  for (int i = 0; i < 20; ++i) out.PlainLine("line " + std::to_string(i));
  int pages = 1;
  DrawReport(canvas, out.ops(), [&] { return ++pages, true; });
  EXPECT_EQ(pages, 4);
  ASSERT_EQ(canvas.texts.size(), 20u);
  EXPECT_EQ(canvas.texts[6].y, 0);  // the seventh line tops the second page
  for (const auto& text : canvas.texts) EXPECT_LE(text.y + 16, 100) << text.text;

  // A printer that stops takes no more lines.
  FontRecordingCanvas stopped(400, 100);
  DrawReport(stopped, out.ops(), [] { return false; });
  EXPECT_EQ(stopped.texts.size(), 6u);
}

}  // namespace
}  // namespace kestrelon
