#pragma once
// The quick entry of one torque-curve column: maximum rpm, peak power with its rpm, optionally
// the peak torque with its rpm, a minimum rpm, the launch temperature and a title. Its OK hands
// the figures to the checks; a refusal keeps the window open on the box to correct. Cancel
// (CancelFlag 1), Esc and the close box abandon the curve entry.

#include "core/numbers.h"
#include "platform/qt/form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrelon {

class frmPNAData : public Form {
  Q_OBJECT

 public:
  frmPNAData();

  QGroupBox* Frame1;
  QLabel *HighRPMLabel, *Label1, *Label3, *Label4, *Label5, *MinRPMLabel, *templabel, *Label7;
  QLineEdit *MaxRPM, *MaxBHP, *MaxPRPM, *MaxTRPM, *MaxTRQ, *MinRPM, *LaunchTemp, *PowerDescript;
  QCheckBox* ErasePower;
  QPushButton *OKButton, *CancelButton, *HelpButton;

  void OKButton_Click();
  void CancelButton_Click();
  void HelpButton_Click();

 protected:
  void Form_Load() override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // What the window does when it first shows: the power unit, the focus and the stored title.
  void Form_Paint();

  Single PowerUnitFactor = 1;  // BHP per display power unit
  bool FormPainted = false;    // OK works only once the window has shown
  std::string ProposedBHP;     // the power the box was filled with, in BHP
};

}  // namespace kestrelon
