#pragma once
// The chassis data form: wheelbase, weight and centre of gravity (as a distance or as the rear
// wheels' share of the weight), the crankshaft of a bike, wheelie bars, drive layout and front
// suspension with its Hard, Medium and Soft presets.

#include "entry/chassis_calc.h"
#include "entry/ui/data_form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kestrelon {

class frmDataChassis : public DataForm {
  Q_OBJECT

 public:
  frmDataChassis();

  QLineEdit *ChassisWheelbase, *ChassisWeight, *ChassisCGL, *ChassisCGP, *ChassisCGH,
      *ChassisCrankL, *ChassisWBL, *ChassisWBH, *ChassisDrive, *ChassisFTravel, *ChassisFRate,
      *ChassisFPrel;
  QGroupBox* WheelieFrame;
  QCheckBox* UseWheelieBarCheck;
  QLabel *LabelWBL, *LabelWBH;
  QRadioButton *AWDOpt, *FWDOpt, *RWDOpt;
  QComboBox* ChassisFDamp;
  QRadioButton *SuspHard, *SuspMedium, *SuspSoft, *SuspCustom;
  QPushButton *ChassisOKButton, *ChassisCancelButton, *ChassisHelpButton;

  void AWDOpt_Click();
  void FWDOpt_Click();
  void RWDOpt_Click();
  void UseWheelieBarCheck_Click();
  void SuspPreset_Click(SuspensionPreset preset);

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override { return ChassisWheelbase; }
  bool OKAllowed() override;

 private:
  ChassisEntry Entry() const;
  void ShowEntry(const ChassisEntry& entry);
  void SetWheelieControls(bool enabled);
  // Runs a GUI-free handler on the form's texts, while the form has been painted.
  void WhenReady(void (*handler)(ChassisEntry&, ChassisBase&));

  ChassisBase base_;
};

}  // namespace kestrelon
