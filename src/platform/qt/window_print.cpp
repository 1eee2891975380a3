#include "platform/qt/window_print.h"

#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "platform/qt/printer.h"

namespace kestrelon {
namespace {

// What the window shows below its menu bar: its own picture, without the menus and the one the
// print command was chosen from drawn pressed.
QPixmap ImageBelowMenus(QWidget& window) {
  QRect area = window.rect();
  if (const auto* menus = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly); menus && menus->isVisible())
    area.setTop(menus->geometry().bottom() + 1);
  return window.grab(area);
}

}  // namespace

bool PrintWindowImage(QWidget& window, const std::string& title) {
  const QPixmap image = ImageBelowMenus(window);
  return PrintJob(&window, title, [&image](QPainter& painter) {
    const QRect page = painter.viewport();
    painter.drawPixmap(QRect(page.topLeft(), image.size().scaled(page.size(), Qt::KeepAspectRatio)), image);
  });
}

}  // namespace kestrelon
