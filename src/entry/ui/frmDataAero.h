#pragma once
// The aerodynamics and weather data form: frontal area, drag and lift coefficients, air box,
// the weather of the run (or a standard day) and the wind.

#include "entry/aero_calc.h"
#include "entry/ui/data_form.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kestrelon {

class frmDataAero : public DataForm {
  Q_OBJECT

 public:
  frmDataAero();

  QLineEdit *AeroArea, *AeroCD, *AeroCL, *AeroBoxEff, *AeroPress, *AeroAlt, *AeroTemp, *AeroHumid,
      *AeroSpeed, *AeroDir;
  QLabel *AeroPressLabel, *AeroTempLabel, *AeroAltLabel, *AeroHumidLabel;
  QCheckBox* StandardDay;
  QPushButton *Command1, *Command2, *AeroHelpButton;

  void StandardDay_Click();

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override { return AeroArea; }

 private:
  AeroEntry Entry() const;
};

}  // namespace kestrelon
