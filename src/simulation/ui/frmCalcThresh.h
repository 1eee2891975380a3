#pragma once
// "Wheelie threshold": a small modal box with first gear's ratio, the engine torque at which the
// front wheels lift (kgf m and lb-ft) and the vehicle acceleration it gives.

#include "platform/qt/form.h"
#include "simulation/wheelie_threshold.h"

class QLabel;
class QPushButton;

namespace kestrelon {

class frmCalcThresh : public Form {
  Q_OBJECT

 public:
  frmCalcThresh();

  QLabel *GearRatio, *TorqueKGM, *TorqueLBFT, *Acceleration;
  QPushButton* ThreshOKButton;

  void ThreshOKButton_Click();
  // Fills the four captions, then sizes the box to them and centres it on the screen.
  void ShowCaptions(const WheelieCaptions& captions);

 protected:
  void Form_Load() override;
  void keyPressEvent(QKeyEvent* event) override;
};

// Calculate > Wheelie threshold: checks the sections it needs, works out the threshold from the
// model and shows it in the box, modal.
void mnuCalcWheelie_Click();

}  // namespace kestrelon
