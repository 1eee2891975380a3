#pragma once
// The wheels and tyres data form: rear and front wheel and tyre sizes, grip, pressures, weights,
// the rear tyre's growth with speed and the tyre temperature after the burnout. The static
// diameter follows the aspect ratio, width and rim while the user types.

#include <array>

#include "entry/tyre_calc.h"
#include "entry/ui/data_form.h"

class QPushButton;

namespace kestrelon {

class frmDataTyre : public DataForm {
  Q_OBJECT

 public:
  frmDataTyre();

  QLineEdit *TyreDia, *TyreGrowthDia, *TyreGrowthSpeed, *TyreAspect, *TyreWidth, *TyreMu,
      *TyrePress, *TyreNum, *TyreWDia, *TyreWeight, *TyreFDia, *TyreFAspect, *TyreFWidth,
      *FTyreMu, *TyreFPress, *TyreFWeight, *TyreFTorque, *FTyreNum, *TyreStartTemp;
  QPushButton *TyreOKButton, *TyreCancelButton, *TyreHelpButton;

  void TyreAspect_LostFocus();

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override { return TyreDia; }
  void BeforeAutoAccept() override { TyreAspect_LostFocus(); }
  void Painted() override;

 private:
  TyreEntry Entry() const;
  void ShowEntry(const TyreEntry& entry);

  std::array<QLineEdit*, TyreItems + 1> boxes_{};  // by item (3, n)
};

}  // namespace kestrelon
