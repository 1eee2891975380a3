#pragma once
// The curve graph's picture: a picture box that reports mouse presses and moves in its user
// units and lays the range marks and the rev-limit line over the drawn graph at every repaint,
// so those lines move without the graph being drawn again.

#include <functional>

#include "platform/qt/qt_canvas.h"

namespace kestrelon {

class PowerGraphPicture : public PictureBox {
  Q_OBJECT

 public:
  explicit PowerGraphPicture(QWidget* parent = nullptr);

  // Draws the lines laid over the graph; the canvas carries the picture's user scale.
  std::function<void(Canvas&)> Overlay;

 signals:
  // button: 1 left, 2 right, 4 middle; buttons: those held, as bits; x, y in user units.
  void MouseDown(int button, double x, double y);
  void MouseMove(int buttons, double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  double UserX(double pixelX);
  double UserY(double pixelY);
};

}  // namespace kestrelon
