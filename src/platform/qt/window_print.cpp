#include "platform/qt/window_print.h"

#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace kestrelon {

QPixmap WindowImage(QWidget& window, const std::vector<const QWidget*>& leftOut) {
  QRect area = window.rect();
  if (const auto* menus = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly); menus && menus->isVisible())
    area.setTop(menus->geometry().bottom() + 1);
  QPixmap image = window.grab(area);
  QPainter painter(&image);
  for (const QWidget* control : leftOut) {
    const QRect place(control->mapTo(&window, QPoint()), control->size());
    window.render(&painter, place.topLeft() - area.topLeft(), QRegion(place), QWidget::DrawWindowBackground);
  }
  return image;
}

bool PrintWindowImage(QWidget& window, const std::string& title, NotReady notReady,
                      const std::vector<const QWidget*>& leftOut) {
  const QPixmap image = WindowImage(window, leftOut);
  return PrintJob(
      &window, title,
      [&image](QPainter& painter) {
        const QRect page = painter.viewport();
        painter.drawPixmap(QRect(page.topLeft(), image.size().scaled(page.size(), Qt::KeepAspectRatio)), image);
      },
      notReady);
}

}  // namespace kestrelon
