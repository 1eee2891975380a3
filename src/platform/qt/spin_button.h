#pragma once
// The program's up-down spin: a pair of arrows beside a box, holding a whole number between its
// limits. The upper arrow, the Up key and the wheel turned up raise the value by its step; the
// lower arrow, the Down key and the wheel turned down lower it; Page Up and Page Down move ten
// steps. The value is never shown by the spin itself: its owner writes it into the box beside it.

#include <QSpinBox>

namespace kestrelon {

class SpinButton : public QSpinBox {
  Q_OBJECT

 public:
  SpinButton(QWidget* parent, int lowest, int highest, int step = 1);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace kestrelon
