#include "core/ui/icon_strip.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/ui/pictures.h"

namespace kestrelon {
namespace {

int ButtonBits(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftBits(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

IconStrip::IconStrip(QWidget* parent) : QWidget(parent), picture_(IconStripPicture()) {
  setFixedSize(picture_.size());
  setMouseTracking(true);  // the tooltip follows the pointer without a button down
}

Single IconStrip::ScaleX(double px) const {
  return static_cast<Single>(1.0 + px * (IconStripWidth - 1) / width());
}

Single IconStrip::ScaleY(double py) const {
  return static_cast<Single>((IconStripHeight - 1) * (1.0 - py / height()));
}

void IconStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

void IconStrip::mousePressEvent(QMouseEvent* event) {
  Report(MouseDown, event, ButtonBits(event->button()));
}

void IconStrip::mouseMoveEvent(QMouseEvent* event) {
  Report(MouseMove, event, ButtonBits(event->buttons()));
}

void IconStrip::mouseReleaseEvent(QMouseEvent* event) {
  Report(MouseUp, event, ButtonBits(event->button()));
}

void IconStrip::Report(const MouseHandler& handler, QMouseEvent* event, int button) const {
  if (!handler) return;
  const QPointF at = event->position();
  handler(button, ShiftBits(event->modifiers()), ScaleX(at.x()), ScaleY(at.y()));
}

}  // namespace kestrelon
