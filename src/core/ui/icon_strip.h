#pragma once
// The main bar's strip of 17 command icons. It draws the icon picture and reports the mouse in
// the strip's own scale: x from 1 at the left edge to 544 at the right, y from 31 at the top to
// 0 at the bottom, with the button (1 left, 2 right, 4 middle, 0 none) and shift state
// (1 Shift, 2 Ctrl, 4 Alt) of the event.

#include <QImage>
#include <QWidget>
#include <functional>

#include "core/numbers.h"

namespace kestrelon {

class IconStrip : public QWidget {
 public:
  using MouseHandler = std::function<void(int button, int shift, Single x, Single y)>;

  explicit IconStrip(QWidget* parent);

  MouseHandler MouseDown, MouseMove, MouseUp;

  // The strip's scale at a pixel position.
  Single ScaleX(double px) const;
  Single ScaleY(double py) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Report(const MouseHandler& handler, QMouseEvent* event, int button) const;

  QImage picture_;
};

}  // namespace kestrelon
