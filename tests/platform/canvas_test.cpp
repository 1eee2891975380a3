#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <tuple>

#include "platform/qt/qt_canvas.h"
#include "platform/recording_canvas.h"

namespace kestrelon {
namespace {

TEST(Palette, SixteenColoursAndBlackOutside) {
  const std::pair<int, Color> rows[] = {
      {3, Rgb(0, 128, 128)},    {4, Rgb(128, 0, 0)}, {9, Rgb(0, 0, 255)}, {12, Rgb(255, 0, 0)},
      {15, Rgb(255, 255, 255)}, {16, Rgb(0, 0, 0)},  {-1, Rgb(0, 0, 0)}};
  for (const auto& [index, colour] : rows) EXPECT_EQ(QBColor(index), colour) << index;
}

TEST(CanvasScale, UpwardScaleMapsCornersAndSignsTextExtent) {
  RecordingCanvas c(500, 100);
  EXPECT_DOUBLE_EQ(c.ScaleWidth(), 500);  // pixels until a scale is set
  c.Scale(-140, 1000, 1320, -80);
  EXPECT_DOUBLE_EQ(c.ScaleWidth(), 1460);
  EXPECT_DOUBLE_EQ(c.ScaleHeight(), -1080);
  EXPECT_EQ(std::tuple(c.ToPixelX(-140), c.ToPixelX(1320), c.ToPixelY(1000), c.ToPixelY(-80)),
            std::tuple(0, 500, 0, 100));
  // 3 characters of 8 pixels, one line of 16 pixels, in user units; height negative upward.
  EXPECT_DOUBLE_EQ(c.TextWidth("RPM"), 24 * 1460.0 / 500);
  EXPECT_DOUBLE_EQ(c.TextHeight("RPM"), -16 * 1080.0 / 100);

  c.Scale(0, 0, 0, 10);  // no width: ignored, the previous scale stays
  EXPECT_DOUBLE_EQ(c.ScaleLeft(), -140);
  c.ScalePixels();
  EXPECT_DOUBLE_EQ(c.ToPixelY(30), 30);
}

TEST(CanvasPosition, DrawingCallsMoveTheCurrentPosition) {
  RecordingCanvas c(100, 100);
  c.Scale(0, 20, 1000, 0);
  c.ForeColor = QBColor(4);
  c.DrawWidth = 2;
  c.DrawStyle = PenStyle::Dot;
  c.Line(10, 1, 20, 2);
  c.LineTo(30, 3, QBColor(2));
  c.PSet(40, 4);
  c.FillBox(0, 0, 7, 20, QBColor(9));
  ASSERT_EQ(c.ops.size(), 4u);
  // No colour named: the fore colour, and the pen it was drawn with.
  EXPECT_EQ(std::tuple(c.ops[0].kind, c.ops[0].color, c.ops[0].width, c.ops[0].style),
            std::tuple(DrawOp::Line, QBColor(4), 2, PenStyle::Dot));
  // From the end of the previous line.
  EXPECT_EQ(std::tuple(c.ops[1].x1, c.ops[1].y1, c.ops[1].color), std::tuple(20, 2, QBColor(2)));
  EXPECT_EQ(std::tuple(c.ops[2].kind, c.ops[3].kind, c.ops[3].x2, c.CurrentX),
            std::tuple(DrawOp::Point, DrawOp::FillBox, 7, 7));

  c.Cls();
  EXPECT_EQ(std::tuple(c.ops.back().kind, c.ops.back().color, c.CurrentX, c.CurrentY),
            std::tuple(DrawOp::Clear, QBColor(15), 0, 0));
}

TEST(CanvasPosition, PrintGoesToTheNextLineOrStaysOnIt) {
  RecordingCanvas c(100, 100);
  c.Scale(0, 100, 100, 0);  // one unit per pixel, y upward
  c.CurrentX = 10;
  c.CurrentY = 90;
  c.Print("ab", false);
  EXPECT_EQ(std::tuple(c.CurrentX, c.CurrentY), std::tuple(26, 90));
  c.Print("cd");
  EXPECT_EQ(std::tuple(c.CurrentX, c.CurrentY), std::tuple(0, 74));  // one line lower on screen
  ASSERT_EQ(c.ops.size(), 2u);
  EXPECT_EQ(std::tuple(c.ops[1].text, c.ops[1].x1), std::tuple("cd", 26));
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(QtCanvasImage, FilledBoxOnAnUpwardScaleCoversTheRightPixels) {
  QImage image(200, 20, QImage::Format_RGB32);
  QtCanvas c(image);
  c.Scale(0, 20, 1000, 0);
  c.Cls();
  c.FillBox(0, 0, 500, 20, QBColor(9));
  EXPECT_EQ(std::tuple(At(image, 0, 0), At(image, 99, 19), At(image, 101, 10)),
            std::tuple(0x0000FFu, 0x0000FFu, 0xFFFFFFu));
  c.FillBox(0, 0, 1000, 20, QBColor(9));
  EXPECT_EQ(At(image, 199, 19), 0x0000FFu);  // the whole bar at the right edge
}

TEST(QtCanvasImage, LinesPointsOutlinesTextAndTheXorPen) {
  QImage image(100, 100, QImage::Format_RGB32);
  QtCanvas c(image);
  c.Scale(0, 100, 100, 0);
  c.Cls();
  c.Line(10, 50.5, 90, 50.5, QBColor(4));  // y 50.5 upward is pixel row 49
  c.PSet(5.5, 5.5, QBColor(2));
  c.Box(20, 80, 40, 60, QBColor(0));  // an outline: inside stays clear
  EXPECT_EQ(std::tuple(At(image, 50, 49), At(image, 5, 94), At(image, 20, 30), At(image, 30, 30)),
            std::tuple(0x800000u, 0x008000u, 0x000000u, 0xFFFFFFu));

  c.XorPen = true;
  c.Line(10, 10.5, 90, 10.5, QBColor(3));
  EXPECT_NE(At(image, 50, 89), 0xFFFFFFu);
  c.Line(10, 10.5, 90, 10.5, QBColor(3));
  EXPECT_EQ(At(image, 50, 89), 0xFFFFFFu);  // drawn twice: gone

  c.XorPen = false;
  c.CurrentX = 0;
  c.CurrentY = 100;
  c.FontSize = 14;
  EXPECT_GT(c.TextWidth("MMMM"), c.TextWidth("M"));
  EXPECT_LT(c.TextHeight("M"), 0);
  c.Print("MMMM");
  int dark = 0;
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 20; ++y) dark += At(image, x, y) == 0 ? 1 : 0;
  EXPECT_GT(dark, 10);  // the text hangs down from the top-left corner
}

TEST(QtCanvasPainter, DrawsThroughAPainterKeptOpenAcrossPrintedPages) {
  QImage image(100, 50, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas c(painter);
    EXPECT_EQ(c.PixelWidth(), 100);
    c.Scale(0, 0, 10, 5);
    c.FillBox(5, 0, 10, 5, QBColor(12));
  }
  EXPECT_EQ(std::tuple(At(image, 75, 25), At(image, 25, 25)), std::tuple(0xFF0000u, 0xFFFFFFu));

  QTemporaryDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("page.pdf"));
  {
    QPainter painter(&printer);
    QtCanvas c(painter);
    EXPECT_GT(c.PixelWidth(), 100);
    c.Scale(0, 100, 100, 0);
    c.Line(0, 0, 100, 100);
    printer.newPage();
    c.Print("second page");
  }
  EXPECT_GT(QFileInfo(dir.filePath("page.pdf")).size(), 0);
}

TEST(PictureBoxWidget, KeepsItsDrawingAndAsksForARedrawWhenResized) {
  PictureBox box;
  QSignalSpy spy(&box, &PictureBox::resized);
  box.resize(50, 10);
  box.show();
  ASSERT_GE(spy.count(), 1);
  EXPECT_EQ(box.image().width(), 50);
  box.canvas().Scale(0, 20, 1000, 0);
  box.canvas().FillBox(0, 0, 1000, 20, QBColor(9));
  EXPECT_EQ(At(box.image(), 49, 9), 0x0000FFu);
  box.resize(60, 10);
  EXPECT_EQ(At(box.image(), 10, 5), 0xFFFFFFu);       // a new size starts clear
  EXPECT_DOUBLE_EQ(box.canvas().ToPixelX(1000), 60);  // the scale follows the size
}

}  // namespace
}  // namespace kestrelon
