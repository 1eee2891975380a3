#pragma once
// The example chooser "Examples": the built-in examples listed by their descriptions; OK
// chooses the selected one, Cancel (or Esc, or the close box) chooses none.

#include <string>

#include "platform/qt/form.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kestrelon {

class frmExample : public Form {
  Q_OBJECT

 public:
  frmExample();

  QListWidget* ExList;
  QLabel* Label1;
  QPushButton *OKButton, *CancelButton;

  void OKButton_Click();
  void CancelButton_Click();
  void ExList_Click();
  void ExList_DblClick();

  // The key of the example OK chose; "" until then and after Cancel.
  const std::string& ChosenKey() const { return chosenKey_; }

 protected:
  void Form_Load() override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string chosenKey_;
};

}  // namespace kestrelon
