#include "platform/qt/spin_button.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionSpinBox>

namespace kestrelon {

SpinButton::SpinButton(QWidget* parent, int lowest, int highest, int step) : QSpinBox(parent) {
  setRange(lowest, highest);
  setSingleStep(step);
  setFrame(false);
  // The arrows take the focus; typed characters would edit the hidden text, so they are refused.
  lineEdit()->setReadOnly(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize SpinButton::sizeHint() const {
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  option.rect = QRect(0, 0, 100, QSpinBox::sizeHint().height());
  const QRect up = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
  return {option.rect.right() - up.left() + 1, option.rect.height()};
}

void SpinButton::resizeEvent(QResizeEvent* event) {
  QSpinBox::resizeEvent(event);
  lineEdit()->setGeometry(QRect());  // only the arrows are seen
}

void SpinButton::paintEvent(QPaintEvent*) {
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  option.frame = false;
  QPainter painter(this);
  style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, this);
}

}  // namespace kestrelon
