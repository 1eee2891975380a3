#include "platform/qt/scroll_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

namespace kestrelon {

bool ScrollByKey(QScrollBar& bar, QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      break;
    default:
      return false;
  }
  // A bar that cannot take the key would hand it back to its window.
  if (!bar.isVisible() || !bar.isEnabled()) return false;
  // The toolkit's scroll bar steps on at Left and back at Right.
  if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)
    bar.triggerAction(event->key() == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                   : QAbstractSlider::SliderSingleStepAdd);
  else
    QCoreApplication::sendEvent(&bar, event);
  return true;
}

}  // namespace kestrelon
