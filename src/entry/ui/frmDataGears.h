#pragma once
// The transmission data form: primary and final drive, up to eight gear ratios with their
// upshift settings and lock-up, the starting gear, efficiency, default upshift duration and power
// shifts, with a live table of overall ratios and road speeds at the top of the engine curve.

#include <array>

#include "entry/gear_calc.h"
#include "entry/ui/data_form.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kestrelon {

class frmDataGears : public DataForm {
  Q_OBJECT

 public:
  frmDataGears();

  QLineEdit *TransPrimary, *TransFinal, *TransStart, *TransEff, *GearUpshiftDefault;
  std::array<QLineEdit*, GearRows> GearInternal{}, GearRPM{}, GearChange{}, GearSec{};
  std::array<QLabel*, GearRows> GearOverall{}, GearSpeed{};
  std::array<QCheckBox*, GearRows> GearLockup{};
  QLabel* GearSpeedLabel;
  QCheckBox* PowerShiftCheck;
  QPushButton *GearOKButton, *GearCancelButton, *GearHelpButton;

  void GearInternal_LostFocus(int index);
  void TransPrimary_LostFocus();
  void TransFinal_LostFocus();
  // What the speed column is worked out from changed behind the open form (new tyres accepted):
  // the figures follow.
  Q_INVOKABLE void RedrawFromModel();

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override { return TransPrimary; }
  void AfterAccepted() override;
  void Painted() override;
  void Cancelled() override { atOpen_.Restore(); }

 private:
  void TakeTexts();   // controls -> entry_
  void ShowTexts();   // entry_ -> controls
  void ShowTable();   // entry_ -> the overall ratio and speed labels
  void ShowDriveRatioRefusal(const Verdict& refusal);

  GearsEntry entry_;
  GearingValues atOpen_;
};

}  // namespace kestrelon
