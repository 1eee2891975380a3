#include "platform/qt/window_print.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "platform/qt/printer.h"

namespace kestrelon {

bool PrintWindowImage(QWidget& window, const std::string& title) {
  const QPixmap image = window.grab();
  return PrintJob(&window, title, [&image](QPainter& painter) {
    const QRect page = painter.viewport();
    painter.drawPixmap(QRect(page.topLeft(), image.size().scaled(page.size(), Qt::KeepAspectRatio)), image);
  });
}

}  // namespace kestrelon
