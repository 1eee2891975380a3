#pragma once
// The one-value dialog: a prompt, a box with an up-down spin, OK and Cancel. The caller puts
// the starting value into InputItemValue and the prompt into ItemLabel, shows it modal, then
// reads CancelFlag (1 = cancelled) and the typed text from InputItemValue.

#include "platform/qt/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrelon {

class SpinButton;

class frmDataInput : public Form {
  Q_OBJECT

 public:
  frmDataInput();

  QLabel* ItemLabel;
  QLineEdit* ItemValue;
  SpinButton* ItemSpin;
  QPushButton *ItemOK, *ItemCancel;

  void ItemOK_Click();
  void ItemCancel_Click();
  void ItemSpin_Change();

 protected:
  void Form_Load() override;
};

}  // namespace kestrelon
