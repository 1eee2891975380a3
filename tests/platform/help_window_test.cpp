// The help window as a racer uses it: pages turned back and forth, the index, Escape, and
// reading help while a modal dialog waits.
#include "platform/qt/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "platform/qt/form.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

QPushButton* Button(const QString& text) {
  for (QPushButton* b : HelpWindow()->window()->findChildren<QPushButton*>())
    if (b->text().remove('&') == text) return b;
  return nullptr;
}

QString Page() { return HelpWindow()->source().toString(); }

TEST(HelpWindow, BackForwardIndexAndEscape) {
  test::ScriptedUi scripted;
  test::ScopedUi guard(scripted);
  ShowHelpTopic(3);
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_FALSE(Button("Back")->isEnabled());
  Button("Index")->click();
  EXPECT_TRUE(Page().endsWith("19.html"));
  Button("Back")->click();
  EXPECT_TRUE(Page().endsWith("3.html"));
  ASSERT_TRUE(Button("Forward")->isEnabled());
  Button("Forward")->click();
  EXPECT_TRUE(Page().endsWith("19.html"));
  QTest::keyClick(HelpWindow(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(HelpWindow() == nullptr || !HelpWindow()->isVisible());
}

// A dialog shown modal, as the program shows Setup, with its own Help button.
class ModalDialog : public Form {
 public:
  ModalDialog() : Form("ModalDialogForHelp", QStringLiteral("Modal")) {
    help = new QPushButton(QStringLiteral("Help"), this);
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(14); });
  }
  QPushButton* help;
};

// The help window opened from a modal dialog, first opened there or left out of reach before,
// shows its caption bar on the screen and takes input while the dialog waits.
TEST(HelpWindow, OpenedFromAModalDialogIsOnTheScreenAndTakesInput) {
  test::ScriptedUi scripted;
  test::ScopedUi guard(scripted);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const bool leftOutOfReach : {false, true}) {
    if (leftOutOfReach) {
      ShowHelpTopic(3);
      HelpWindow()->window()->move(screen.width() / 2, screen.height() + 500);
    }
    ModalDialog dialog;
    QRect frame;
    bool closedByEscape = false;
    QTimer::singleShot(0, &dialog, [&] {
      dialog.help->click();
      QWidget* help = HelpWindow()->window();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
      frame = help->frameGeometry();
      // Escape as the window system sends it.
      QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
      QApplication::processEvents();
      closedByEscape = HelpWindow() == nullptr || !HelpWindow()->isVisible();
      dialog.Unload();
    });
    dialog.ShowModal();
    EXPECT_TRUE(screen.contains(QRect(frame.topLeft(), QSize(frame.width(), 24)))) << leftOutOfReach;
    EXPECT_TRUE(closedByEscape) << leftOutOfReach;
    CloseAllHelp();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace
}  // namespace kestrelon
