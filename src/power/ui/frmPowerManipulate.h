#pragma once
// The manipulation dialog: the racer picks one of eight operations on the edited curve, fills
// in its fields and presses OK. The dialog checks the input and hands the graph window an
// action with its parameters; the maximum-rpm change and the nitrous calculation finish their
// work here. The fields and the chosen operation are remembered for the rest of the run.

#include "platform/qt/form.h"
#include "power/curve_manipulation.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrelon {

class frmPowerManipulate : public Form {
  Q_OBJECT

 public:
  frmPowerManipulate();

  // What the last close asks of the graph window; ManipulateOK is False unless OK accepted.
  ManipulationRequest Request;

  QGroupBox* Frame1;
  QRadioButton *ManFill, *ManMult, *ManShift, *ManComp, *ManAddBoost, *ManRPM, *ManTorque,
      *ManAddN2O;
  QGroupBox *RPMAffectedFrame, *MultiplyFrame, *MovePowerFrame, *CompressionFrame, *TurboFrame,
      *NitrousFrame, *MaxRPMFrame, *TorqueAddFrame;
  QLabel *LowRPMLabel, *HighRPMLabel, *MultFactorLabel, *MoveRPMLabel, *OldCRLabel, *NewCRLabel,
      *OldBoostLabel, *NewBoostLabel, *NewNitrousLabel, *MaxRPMLabel, *TorqueAddLabel;
  QLineEdit *LowRPM, *HighRPM, *MultFactor, *MoveRPM, *OldCR, *NewCR, *OldBoost, *NewBoost,
      *NewNitrous, *MaxRPM, *TorqueAdd;
  QRadioButton *MultMult, *MultDiv, *MoveUp, *MoveDown, *NitrousAdd, *NitrousSubtract,
      *NitrousCalculate;
  QPushButton *OKButton, *CancelButton, *HelpButton;
  QLabel* Image1;

  void OKButton_Click();
  void CancelButton_Click();
  void HelpButton_Click();
  // Shows the operation's frames and remembers the choice (only once the window is ready).
  void ChooseOperation(const std::string& option);

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void showEvent(QShowEvent* event) override;

 private:
  void HideAllFrames();
  void SaveManipulationSettings();
  void RestoreManipulationSettings();
  // The range check; false (with the message and the focus) when refused.
  bool ValidateRPMRange();
  // Refuses with the dialog's message, focusing the field when one is named.
  bool Refuse(const std::string& text, QLineEdit* field = nullptr);
  // Decides the chosen operation; false keeps the dialog open.
  bool DecideOperation();
  void Accept();

  bool FormReady = false;
  bool closedByButton = false;
};

}  // namespace kestrelon
