#pragma once
// Answers the program's next PDF file question as a racer would, while the print waits for it:
// notes the name the dialog offers, then accepts `path` (the offered name when `path` is "offered",
// Cancel when it is empty). Gives up after two seconds without a question.

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

namespace kestrelon::test {

class PdfAnswer {
 public:
  explicit PdfAnswer(QString path) : path_(std::move(path)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Answer(); });
    poll_.start(5);
  }

  static inline const QString Offered = QStringLiteral("offered");

  bool asked = false;
  QString offered;  // the full path the dialog offered

 private:
  void Answer() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog && ++polls_ < 400) return;
    poll_.stop();
    if (!dialog) return;
    asked = true;
    offered = dialog->selectedFiles().value(0);
    if (path_.isEmpty()) return dialog->reject();
    if (path_ != Offered) dialog->selectFile(path_);
    static_cast<QDialog*>(dialog)->accept();  // the file dialog checks the name as its OK does
  }

  QString path_;
  QTimer poll_;
  int polls_ = 0;
};

}  // namespace kestrelon::test
