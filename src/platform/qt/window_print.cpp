#include "platform/qt/window_print.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

#include "core/numbers.h"
#include "platform/qt/printer.h"
#include "platform/ui_seam.h"

namespace kestrelon {

bool PrintWindowImage(QWidget& window, const std::string& title) {
  if (!ReadyToPrint(&window)) return false;
  QPrinter& printer = ProgramPrinter();
  const QPixmap image = window.grab();
  QPainter painter;
  if (!painter.begin(&printer)) {
    ui().MsgBox("Printer not ready", Msg::OKOnly | Msg::Exclamation, title);
    return false;
  }
  const QRect page = painter.viewport();
  const QSize fitted = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(page.topLeft(), fitted), image);
  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    printer.abort();
    ui().MsgBox("Unexpected Error #" + Str(static_cast<int>(QPrinter::Error)) +
                    " : The print job failed",
                Msg::Critical, title);
    return false;
  }
  return true;
}

}  // namespace kestrelon
