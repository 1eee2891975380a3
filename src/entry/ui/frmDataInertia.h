#pragma once
// The crankshaft inertia data form: the crank's stroke and mass, or its inertia typed directly;
// the clutch's diameter, weight and inertia are shown for reference and cannot be edited.

#include "entry/inertia_calc.h"
#include "entry/ui/data_form.h"

class QGroupBox;
class QPushButton;

namespace kestrelon {

class frmDataInertia : public DataForm {
  Q_OBJECT

 public:
  frmDataInertia();

  QLineEdit *InertiaCrankStroke, *InertiaCrankMass, *InertiaCrank, *InertiaClutchDia,
      *InertiaClutchMass, *InertiaClutch;
  QGroupBox* Frame2;  // the clutch, for reference
  QPushButton *InertiaOKButton, *InertiaCancelButton, *InertiaHelpButton;

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override { return InertiaCrankStroke; }
};

}  // namespace kestrelon
