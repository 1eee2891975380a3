#include "platform/qt/screen_place.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <algorithm>

#include "core/settings.h"

namespace kestrelon {
namespace {

QRect MainScreen() { return QGuiApplication::primaryScreen()->geometry(); }

}  // namespace

bool CaptionBarOnScreen(QPoint frameTopLeft, int width) {
  const int height = static_cast<int>(std::clamp<Long>(Cfg.CaptionHeight, 1, 200));
  const QRect bar(frameTopLeft, QSize(std::max(width, 1), height));
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect shown = bar.intersected(screen->availableGeometry());
    if (shown.height() == bar.height() && shown.width() >= std::min(bar.width(), height)) return true;
  }
  return false;
}

QPoint CentredPlace(QSize frame) {
  const QRect screen = MainScreen();
  return {screen.x() + (screen.width() - frame.width()) / 2,
          screen.y() + (screen.height() - frame.height()) / 2};
}

QPoint RightEdgePlace(QSize frame) {
  const QRect screen = MainScreen();
  return {screen.x() + screen.width() - frame.width(), CentredPlace(frame).y()};
}

}  // namespace kestrelon
