#pragma once
// A racer's ways of working an up-down spin: a click on its upper or lower arrow, the Up and Down
// keys, and one notch of the mouse wheel. Each goes through the spin's own event handling.

#include <QApplication>
#include <QPoint>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

namespace kestrelon::test {

enum class SpinWay { Arrow, Key, Wheel };

// One step up (`up`) or down, the way `way` gives it.
inline void StepSpin(QWidget* spin, bool up, SpinWay way) {
  switch (way) {
    case SpinWay::Arrow: {
      // The arrows share the spin's height: the upper one at its top, the lower at its bottom.
      const QPoint at(spin->width() / 2, up ? 2 : spin->height() - 3);
      QTest::mouseClick(spin, Qt::LeftButton, {}, at);
      break;
    }
    case SpinWay::Key:
      spin->setFocus();
      QTest::keyClick(spin, up ? Qt::Key_Up : Qt::Key_Down);
      break;
    case SpinWay::Wheel: {
      const QPointF at(spin->width() / 2.0, spin->height() / 2.0);
      QWheelEvent wheel(at, spin->mapToGlobal(at), QPoint(), QPoint(0, up ? 120 : -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(spin, &wheel);
      break;
    }
  }
  QApplication::processEvents();
}

}  // namespace kestrelon::test
