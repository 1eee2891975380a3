#pragma once
// The canvas drawn with QPainter: on a picture box in a window, on a QImage (tests, pictures
// saved to disk) or on a printer page. PictureBox is the window's picture: it keeps what was
// drawn in an image of its own size and shows it, like a picture that redraws itself.

#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"

class QFont;
class QPaintDevice;
class QPainter;

namespace kestrelon {

class QtCanvas : public Canvas {
 public:
  // Draws on an image or another device, opening a painter for each call.
  explicit QtCanvas(QPaintDevice& device);
  // Draws through a painter the caller keeps open, as a print job needs (one painter from the
  // first page to the last).
  explicit QtCanvas(QPainter& painter);

  int PixelWidth() const override;
  int PixelHeight() const override;

  // Called after each drawing call (the picture box repaints itself).
  std::function<void()> Drawn;

 protected:
  void DeviceClear(Color color) override;
  void DeviceLine(double x1, double y1, double x2, double y2, Color color) override;
  void DeviceBox(double x1, double y1, double x2, double y2, Color color, bool filled) override;
  void DevicePoint(double x, double y, Color color) override;
  void DeviceText(double x, double y, std::string_view text, Color color) override;
  double TextPixelWidth(std::string_view text) const override;
  double TextPixelHeight(std::string_view text) const override;

 private:
  void Paint(Color color, const std::function<void(QPainter&)>& draw);
  QPaintDevice& Device() const;
  QFont Font() const;

  QPaintDevice* device_ = nullptr;
  QPainter* painter_ = nullptr;
};

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  Canvas& canvas() { return canvas_; }
  const QImage& image() const { return image_; }

 signals:
  // The picture changed size and was cleared to its background: draw it again.
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  QtCanvas canvas_;
};

}  // namespace kestrelon
