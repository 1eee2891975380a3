#pragma once
// The run set-up dialog "Launch Information": the launch and track settings of the vehicle,
// checked and stored by Calculate, which then runs the simulation and closes the dialog. Under
// AutoAccept it accepts itself as it loads, so a command-line run starts without the user.

#include "platform/qt/form.h"
#include "simulation/launch_setup.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrelon {

class SpinButton;

class frmDataLaunch : public Form {
  Q_OBJECT

 public:
  frmDataLaunch();

  QLineEdit *LaunchThrottle, *LaunchRisetime, *LaunchRPM, *LaunchTime, *LaunchStage;
  QLineEdit *LaunchHeight, *Launch8Trap, *Launch4Trap;
  SpinButton *LaunchRPMSpin, *LaunchATSpin;
  QRadioButton *Trap8Before, *Trap8Straddle, *Trap8After;
  QRadioButton *Trap4Before, *Trap4Straddle, *Trap4After;
  QGroupBox *TrackFrame, *Trap8Frame, *Trap4Frame;
  QPushButton *LaunchCalculateButton, *LaunchCancelButton, *LaunchHelpButton;

  void LaunchCalculateButton_Click();
  void LaunchCancelButton_Click();
  void LaunchHelpButton_Click();
  void LaunchATSpin_Change();
  void LaunchRPMSpin_Change();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  LaunchBoxes ReadBoxes() const;
  void ShowBoxes(const LaunchBoxes& boxes);
  QLineEdit* BoxOf(LaunchField field) const;

  // Calculate works only once the dialog has been painted, unless it accepts itself.
  bool Ready = false;
  // The first paint after loading puts the focus in the throttle box.
  bool FocusPending = false;
};

}  // namespace kestrelon
