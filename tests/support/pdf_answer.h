#pragma once
// Answers the program's next PDF file question as a racer would, while the print waits for it:
// when the question's file name line gets the keyboard, notes the name the dialog offers, then
// types `path` over it and presses Enter (only Enter when `path` is "offered"; Escape, which
// cancels, when it is empty). It answers on the keyboard's arrival, not on a clock: the dialog
// leaves the name in a line that has the keyboard as it is, so a name set from outside (as
// selectFile does) would be taken or not depending on whether the dialog had become active yet.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace kestrelon::test {

class PdfAnswer : public QObject {
 public:
  explicit PdfAnswer(QString path) : path_(std::move(path)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { KeyboardAt(now); });
  }

  static inline const QString Offered = QStringLiteral("offered");

  bool asked = false;
  QString offered;  // the full path the dialog offered

 private:
  // The keyboard has come to `now`. A file dialog's name line that no answer has taken yet is
  // answered once the focus change is through, so the typing goes to a line that has the keyboard.
  void KeyboardAt(QWidget* now) {
    auto* line = qobject_cast<QLineEdit*>(now);
    auto* dialog = line ? qobject_cast<QFileDialog*>(line->window()) : nullptr;
    if (asked || !dialog || dialog->property(Taken).toBool()) return;
    dialog->setProperty(Taken, true);  // its line may get the keyboard again while it is answered
    asked = true;
    offered = dialog->selectedFiles().value(0);
    QMetaObject::invokeMethod(
        this, [this, line = QPointer<QLineEdit>(line)] { if (line) Type(line); }, Qt::QueuedConnection);
  }
  void Type(QLineEdit* line) const {
    if (path_.isEmpty()) return QTest::keyClick(line, Qt::Key_Escape);
    if (path_ != Offered) {
      QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);  // the offered name, to type over
      QTest::keyClicks(line, path_);
    }
    QTest::keyClick(line, Qt::Key_Return);  // the file dialog checks the name as its Save does
  }

  static constexpr const char* Taken = "kestrelonPdfAnswerTaken";
  QString path_;
};

}  // namespace kestrelon::test
