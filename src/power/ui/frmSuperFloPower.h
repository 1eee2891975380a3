#pragma once
// The question before a dynamometer import: which of the three curves the data are for. OK
// with a choice puts its column into CurrentStage; Cancel, Escape and the close box set
// CancelFlag to 1, so nothing is read.

#include <array>

#include "core/numbers.h"
#include "platform/qt/form.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kestrelon {

class frmSuperFloPower : public Form {
  Q_OBJECT

 public:
  frmSuperFloPower();

  QGroupBox* Frame1;
  std::array<QRadioButton*, 3> SuperFloNstage{};
  QPushButton *SuperFloOKButton, *SuperFloCancelButton;

  void SuperFloOKButton_Click();
  void SuperFloCancelButton_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  bool chosen = false;
  Integer stageBefore = 0;
};

}  // namespace kestrelon
