#pragma once
// The nitrous power calculator dialog: engine and nitrous hardware of one stage, and the base
// curve the stage's torque is built on. A fresh instance serves each use; with SuppressDisplay
// it accepts itself in its load, unseen unless a figure is refused.

#include <QLineEdit>

#include "entry/nitrous_power_calc.h"
#include "platform/qt/form.h"

class QComboBox;
class QPushButton;

namespace kestrelon {

class frmNitrousAdjust : public Form {
  Q_OBJECT

 public:
  frmNitrousAdjust();

  // Set before the dialog loads: the stage (1 or 2) and whether the load accepts at once.
  void NitrousStage(Integer stage) { stage_ = stage; }
  void SuppressDisplay(Integer flag) { suppress_ = flag; }

  QLineEdit *Capacity, *Cylinders, *VolEff, *TransEff, *NumJets, *JetSize, *Percentage,
      *BottlePress;
  QComboBox* PCurve;
  QPushButton *cmdOK, *cmdCancel;

  void cmdOK_Click();
  void cmdCancel_Click();
  bool Accepted() const { return accepted_; }

 protected:
  void Form_Load() override;

 private:
  QWidget* FieldControl(int field);

  Integer stage_ = 0;
  Integer suppress_ = False;
  bool accepted_ = false;
};

// Runs the calculator of a stage as a modal dialog: during the automatic pass it accepts itself
// unseen and shows itself only when it refuses a figure. True when its OK built the stage.
bool RunNitrousCalculator(Integer stage);

}  // namespace kestrelon
