#include "power/ui/power_graph_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrelon {

PowerGraphPicture::PowerGraphPicture(QWidget* parent) : PictureBox(parent) {
  setMouseTracking(true);
}

void PowerGraphPicture::paintEvent(QPaintEvent* event) {
  PictureBox::paintEvent(event);
  if (!Overlay) return;
  QPainter painter(this);
  QtCanvas overlay(painter);
  const Canvas& pic = canvas();
  overlay.Scale(pic.ScaleLeft(), pic.ScaleTop(), pic.ScaleLeft() + pic.ScaleWidth(),
                pic.ScaleTop() + pic.ScaleHeight());
  Overlay(overlay);
}

double PowerGraphPicture::UserX(double pixelX) {
  const Canvas& pic = canvas();
  return pic.ScaleLeft() + pixelX * pic.ScaleWidth() / std::max(1, width());
}

double PowerGraphPicture::UserY(double pixelY) {
  const Canvas& pic = canvas();
  return pic.ScaleTop() + pixelY * pic.ScaleHeight() / std::max(1, height());
}

void PowerGraphPicture::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseDown(static_cast<int>(event->button()), UserX(p.x()), UserY(p.y()));
}

void PowerGraphPicture::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  emit MouseMove(static_cast<int>(event->buttons()), UserX(p.x()), UserY(p.y()));
}

}  // namespace kestrelon
