#include "platform/qt/qt_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/qt/text.h"

namespace kestrelon {
namespace {

QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

Qt::PenStyle ToQtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::Solid: break;
  }
  return Qt::SolidLine;
}

// The pixel a fractional pixel position falls in, kept to a range QRect can hold.
int PixelOf(double p) { return static_cast<int>(std::clamp(std::floor(p), -1.0e6, 1.0e6)); }

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device) : device_(&device) {}

QtCanvas::QtCanvas(QPainter& painter) : device_(painter.device()), painter_(&painter) {}

QPaintDevice& QtCanvas::Device() const { return *device_; }

int QtCanvas::PixelWidth() const { return Device().width(); }
int QtCanvas::PixelHeight() const { return Device().height(); }

void QtCanvas::Paint(Color color, const std::function<void(QPainter&)>& draw) {
  if (PixelWidth() <= 0 || PixelHeight() <= 0) return;
  auto setUp = [&](QPainter& p) {
    QPen pen(ToQColor(color));
    pen.setWidth(std::max(1, DrawWidth));
    pen.setStyle(ToQtStyle(DrawStyle));
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (XorPen) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setFont(Font());
  };
  if (painter_) {
    painter_->save();
    setUp(*painter_);
    draw(*painter_);
    painter_->restore();
  } else {
    QPainter p(device_);
    setUp(p);
    draw(p);
  }
  if (Drawn) Drawn();
}

void QtCanvas::DeviceClear(Color color) {
  Paint(color, [&](QPainter& p) {
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);  // whatever the pen
    p.fillRect(0, 0, PixelWidth(), PixelHeight(), ToQColor(color));
  });
}

void QtCanvas::DeviceLine(double x1, double y1, double x2, double y2, Color color) {
  Paint(color, [&](QPainter& p) {
    p.drawLine(QPoint(PixelOf(ToPixelX(x1)), PixelOf(ToPixelY(y1))),
               QPoint(PixelOf(ToPixelX(x2)), PixelOf(ToPixelY(y2))));
  });
}

void QtCanvas::DeviceBox(double x1, double y1, double x2, double y2, Color color, bool filled) {
  const int a = PixelOf(ToPixelX(x1)), b = PixelOf(ToPixelX(x2));
  const int c = PixelOf(ToPixelY(y1)), d = PixelOf(ToPixelY(y2));
  const QRect box(QPoint(std::min(a, b), std::min(c, d)), QPoint(std::max(a, b), std::max(c, d)));
  Paint(color, [&](QPainter& p) {
    if (filled) {
      p.fillRect(box, ToQColor(color));
    } else {
      p.setBrush(Qt::NoBrush);
      p.drawRect(box.adjusted(0, 0, -1, -1));
    }
  });
}

void QtCanvas::DevicePoint(double x, double y, Color color) {
  Paint(color, [&](QPainter& p) { p.drawPoint(QPoint(PixelOf(ToPixelX(x)), PixelOf(ToPixelY(y)))); });
}

void QtCanvas::DeviceText(double x, double y, std::string_view text, Color color) {
  Paint(color, [&](QPainter& p) {
    const QFontMetricsF metrics(p.font(), device_);
    p.drawText(QPointF(ToPixelX(x), ToPixelY(y) + metrics.ascent()), QText(text));
  });
}

QFont QtCanvas::Font() const {
  QFont font;
  if (!FontName.empty()) font.setFamily(QText(FontName));
  font.setPointSizeF(FontSize > 0 ? FontSize : 8.25);
  font.setBold(FontBold);
  font.setItalic(FontItalic);
  font.setUnderline(FontUnderline);
  return font;
}

double QtCanvas::TextPixelWidth(std::string_view text) const {
  return QFontMetricsF(Font(), device_).horizontalAdvance(QText(text));
}

double QtCanvas::TextPixelHeight(std::string_view) const {
  return QFontMetricsF(Font(), device_).height();
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), image_(1, 1, QImage::Format_RGB32), canvas_(image_) {
  image_.fill(ToQColor(canvas_.BackColor));
  canvas_.Drawn = [this] { update(); };
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), image_, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent*) {
  QImage resized(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
  resized.fill(ToQColor(canvas_.BackColor));
  image_ = resized;
  emit this->resized();
}

}  // namespace kestrelon
