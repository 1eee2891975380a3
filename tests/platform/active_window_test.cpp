// The keeper of the active window, with the event loop running. The offscreen window system
// activates each window as it shows, as a desktop does; a test plays the activation a desktop
// delivers late, once the window it was asked for (the run's progress window) has hidden again.
#include "platform/qt/active_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <tuple>

namespace kestrelon {
namespace {

// A window of the program, with a line that takes the keys it gets; counts its activations.
class Window : public QWidget {
 public:
  Window() {
    line = new QLineEdit(this);
    resize(240, 80);
  }
  QLineEdit* line;
  int activations = 0;

 protected:
  bool event(QEvent* event) override {
    activations += event->type() == QEvent::WindowActivate;
    return QWidget::event(event);
  }
};

class KeptActiveWindow : public ::testing::Test {
 protected:
  void SetUp() override { KeepActiveWindowVisible(); }

  // Shows a window, or brings it forward, and lets the window system make it the active one.
  static void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // A window shown and hidden within one step of the program, as the progress window in a run:
  // the activation its showing asked for arrives once it has hidden.
  static void Flash(QWidget& window) {
    window.show();
    window.hide();
  }
  // Such an activation, delivered at once.
  static void LateActivation(QWidget& window) { QApplication::setActiveWindow(&window); }
  // The active window once the event loop has run until it is `expected`, or a while.
  static QWidget* ActiveOnceSettled(QWidget* expected) {
    static_cast<void>(QTest::qWaitFor([expected] { return QApplication::activeWindow() == expected; }, 500));
    QTest::qWait(20);
    return QApplication::activeWindow();
  }
};

// The activation of a hidden window goes to the visible window activated last, an earlier one
// when that has gone too.
TEST_F(KeptActiveWindow, ALateActivationGoesToTheVisibleWindowActivatedLast) {
  Window bar, form, progress;
  ShowActive(bar);
  ShowActive(form);
  Flash(progress);
  LateActivation(progress);
  EXPECT_EQ(ActiveOnceSettled(&form), &form);

  form.hide();
  Flash(progress);
  LateActivation(progress);
  EXPECT_EQ(ActiveOnceSettled(&bar), &bar);
}

// A window that holds the program's input takes it, though another was activated after it.
TEST_F(KeptActiveWindow, ALateActivationGoesToTheWindowThatHoldsTheInput) {
  Window bar, question, other, progress;
  ShowActive(bar);
  question.setWindowModality(Qt::ApplicationModal);
  ShowActive(question);
  ShowActive(other);
  Flash(progress);
  LateActivation(progress);
  EXPECT_EQ(ActiveOnceSettled(&question), &question);
}

// Before the hand-back: another program took the activation, or the window came back.
TEST_F(KeptActiveWindow, ALateActivationOvertakenMeanwhileIsLeftAlone) {
  Window bar, progress;
  ShowActive(bar);
  Flash(progress);
  ASSERT_EQ(ActiveOnceSettled(&bar), &bar);
  LateActivation(progress);
  QApplication::setActiveWindow(nullptr);
  EXPECT_EQ(ActiveOnceSettled(&bar), nullptr);

  ShowActive(bar);
  const int barActivations = bar.activations;
  LateActivation(progress);
  progress.show();
  EXPECT_EQ(std::tuple(ActiveOnceSettled(&progress), bar.activations), std::tuple(&progress, barActivations));
}

// Keys the window system sends to a hidden window reach the window the racer works in; the
// hidden one acts on none, and keys to a visible window stay there.
TEST_F(KeptActiveWindow, KeysToAHiddenWindowReachTheWindowTheRacerWorksIn) {
  Window bar, progress;
  ShowActive(bar);
  bar.line->setFocus();
  progress.line->setFocus();
  Flash(progress);
  QTest::keyClick(progress.windowHandle(), Qt::Key_A);
  QTest::keyClick(bar.windowHandle(), Qt::Key_B);
  EXPECT_EQ(std::tuple(bar.line->text(), progress.line->text()), std::tuple(QStringLiteral("ab"), QString()));

  // With no window on screen the key goes nowhere.
  bar.hide();
  QTest::keyClick(progress.windowHandle(), Qt::Key_C);
  EXPECT_EQ(std::tuple(bar.line->text(), progress.line->text()), std::tuple(QStringLiteral("ab"), QString()));
}

// Every window asks for the keeper as it is made; the application gets one.
TEST_F(KeptActiveWindow, IsInstalledOnce) {
  const auto helpers = qApp->children().size();
  KeepActiveWindowVisible();
  KeepActiveWindowVisible();
  EXPECT_EQ(qApp->children().size(), helpers);
}

}  // namespace
}  // namespace kestrelon
