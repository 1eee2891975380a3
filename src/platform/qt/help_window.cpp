#include "platform/qt/help_window.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>

#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

QPointer<QTextBrowser> helpWindow;

}  // namespace

void ShowHelpTopic(int contextId) {
  const QString page = QStringLiteral(":/help/%1.html").arg(contextId);
  if (!QFile::exists(page)) {
    ui().MsgBox(
        "No help page is available for this window (topic " + std::to_string(contextId) + ").",
        Msg::Exclamation, "Kestrelon Help");
    return;
  }
  if (!helpWindow) {
    helpWindow = new QTextBrowser;
    helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    helpWindow->setWindowTitle(QStringLiteral("Kestrelon Help"));
    helpWindow->setOpenLinks(true);
    helpWindow->resize(560, 480);
  }
  helpWindow->setSource(QUrl(QStringLiteral("qrc") + page));
  helpWindow->show();
  helpWindow->raise();
  helpWindow->activateWindow();
}

QTextBrowser* HelpWindow() { return helpWindow; }

void CloseAllHelp() {
  if (helpWindow) helpWindow->close();
}

}  // namespace kestrelon
