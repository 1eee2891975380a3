// The message boxes of the running program: buttons, icon, default button, title and answers.
#include "platform/qt/qt_ui.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <tuple>

#include "platform/qt/form.h"
#include "platform/qt/help_window.h"
#include "platform/qt/text.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

// What a message box showed.
struct Seen {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

TEST(QtMessageBox, StyleBitsGiveButtonsIconAndDefault) {
  QtUi qt;
  auto seen = std::make_shared<Seen>();
  QTimer::singleShot(0, [seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    for (QAbstractButton* b : box->buttons()) seen->buttons << box->standardButton(b);
    seen->defaultButton = box->standardButton(box->defaultButton());
    box->button(QMessageBox::No)->click();
  });
  const int answer =
      qt.MsgBox("Would you like to save data first?",
                Msg::YesNoCancel | Msg::Question | Msg::DefaultButton2, "Exit Kestrelon");
  EXPECT_EQ(answer, Msg::No);
  EXPECT_EQ(std::tuple(seen->title, seen->text),
            std::tuple(QStringLiteral("Exit Kestrelon"),
                       QStringLiteral("Would you like to save data first?")));
  EXPECT_EQ(std::tuple(seen->icon, seen->buttons.size(), seen->defaultButton),
            std::tuple(QMessageBox::Question, 3, QMessageBox::No));
  // Esc on the save-first question answers its Cancel.
  QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
  EXPECT_EQ(qt.MsgBox("Would you like to save data first?", Msg::YesNoCancel | Msg::Question, "Exit"), Msg::Cancel);

  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    box->button(QMessageBox::Retry)->click();
  });
  EXPECT_EQ(qt.MsgBox("Printer not ready", Msg::RetryCancel | Msg::Exclamation, "Print"),
            Msg::Retry);

  // A question that may be walked away from shows Yes and No only; Esc and its close box answer
  // Cancel, not No.
  for (const bool closeBox : {false, true}) {
    QTimer::singleShot(0, [closeBox] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      QList<QMessageBox::StandardButton> shown;
      for (QAbstractButton* b : box->buttons()) if (b->isVisible()) shown << box->standardButton(b);
      EXPECT_EQ(shown, (QList{QMessageBox::Yes, QMessageBox::No}));
      closeBox ? void(box->close()) : QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(qt.MsgBox("Would you like to save data first?", Msg::YesNo | Msg::DismissCancels, "Exit"), Msg::Cancel);
  }
}

TEST(QtMessageBox, AShortMessageLeavesRoomForTheWholeTitle) {
  QtUi qt;
  int width = 0;
  QTimer::singleShot(0, [&width] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    width = box->width();
    box->button(QMessageBox::Ok)->click();
  });
  qt.MsgBox("Done", Msg::OKOnly, "Performance Calculator");
  EXPECT_GE(width, Form::CaptionWidth(QStringLiteral("Performance Calculator")));
}

TEST(TextAtTheWindowEdge, WindowsCodePageRoundTrip) {
  const std::string stored = "45\xB0 \x80 \x93quoted\x94";
  const QString shown = QText(stored);
  EXPECT_EQ(shown, QString::fromUtf8("45° € “quoted”"));
  EXPECT_EQ(StdText(shown), stored);
}

TEST(ContextHelp, OpensThePageOfTheContextOrSaysThereIsNone) {
  test::ScriptedUi scripted;
  test::ScopedUi guard(scripted);
  ShowHelpTopic(14);
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_TRUE(HelpWindow()->isVisible());
  EXPECT_TRUE(HelpWindow()->toPlainText().contains(QStringLiteral("Setup")));
  EXPECT_TRUE(scripted.asked.empty());
  ShowHelpTopic(99);
  ASSERT_EQ(scripted.asked.size(), 1u);
  EXPECT_NE(scripted.asked[0].text.find("99"), std::string::npos);
  CloseAllHelp();
  QCoreApplication::processEvents();
  EXPECT_TRUE(HelpWindow() == nullptr || !HelpWindow()->isVisible());
}

// A result window that counts what it is asked to draw.
class RedrawCounter : public Form {
  Q_OBJECT
 public:
  explicit RedrawCounter(const char* name) : Form(name, QString::fromLatin1(name)) {}
  int redraws = 0, refills = 0;
  Q_INVOKABLE void RedrawFromModel() { ++redraws; }
  Q_INVOKABLE void ShowVehicleData() { ++refills; }
};

TEST(ResultWindowRefresh, DrawsEachShownWindowOnceForABurstAndLeavesTheRestAlone) {
  QtUi qt;
  RedrawCounter shown("frmShown"), minimised("frmMinimised"), hidden("frmHidden");
  shown.Show();
  minimised.Show();
  minimised.setWindowState(Qt::WindowMinimized);
  hidden.Load();
  QApplication::processEvents();
  qt.RefreshResultWindows();
  qt.RefreshResultWindows();  // an entry pass asks once a form
  EXPECT_EQ(shown.redraws, 0);  // drawn when pending events run, from the model as it is then
  QApplication::processEvents();
  EXPECT_EQ(std::tuple(shown.redraws, minimised.redraws, hidden.redraws), std::tuple(1, 0, 0));
  qt.RefreshResultWindows();  // a later change is drawn again
  QApplication::processEvents();
  EXPECT_EQ(shown.redraws, 2);
  // Vehicle values changed behind the data forms reach minimised ones as well: an OK there must
  // not write back what the model no longer holds.
  qt.ShowVehicleData();
  EXPECT_EQ(std::tuple(shown.refills, minimised.refills, hidden.refills), std::tuple(1, 1, 0));
  for (Form* form : {static_cast<Form*>(&shown), static_cast<Form*>(&minimised), static_cast<Form*>(&hidden)})
    form->Unload();
}

}  // namespace
}  // namespace kestrelon

#include "qt_ui_test.moc"
