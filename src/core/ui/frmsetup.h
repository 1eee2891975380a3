#pragma once
// The setup dialog: power and display units, the change history and tooltip switches, the
// splash and its picture, the two data folders, and the printer set-up. OK stores the choices
// in the settings, which are written when the program ends; Cancel leaves them as they were.

#include "platform/qt/form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrelon {

class frmsetup : public Form {
  Q_OBJECT

 public:
  frmsetup();

  QGroupBox* Frame1;
  QRadioButton *OptBHP, *OptKW;
  QGroupBox* Frame2;
  QRadioButton *OptImperial, *OptMetric;
  QCheckBox *HistoryLog, *ShowToolTips, *ShowKestrelonLogo;
  QLabel* Label1;
  QLineEdit* KobexDir;
  QLabel* Label2;
  QLineEdit* EADir;
  QGroupBox* SplashFrame;
  QCheckBox* SplashDefault;
  QLabel* SplashLabel;
  QLineEdit* SplashFile;
  QPushButton* SplashBrowse;
  QLabel* TestImage;
  QPushButton *PrintSetup, *OKButton, *CancelButton, *HelpButton;

  void OKButton_Click();
  void CancelButton_Click();
  void HelpButton_Click();
  void PrintSetup_Click();
  void SplashBrowse_Click();
  void SplashDefault_Click();

 protected:
  void Form_Load() override;

 private:
  // Shows the picture file in the preview; false when it cannot be read.
  bool Preview(const std::string& path);
};

}  // namespace kestrelon
