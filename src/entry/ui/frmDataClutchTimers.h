#pragma once
// The clutch timers form: the share of the lock-up weight at launch and four timed stages. The
// clutch form opens it modal (or, during the automatic pass, only loads it); it sets no section
// flag, hands on to nobody, and passes F2 on to the clutch form.

#include <QLineEdit>
#include <array>

#include "entry/clutch_timers_calc.h"
#include "platform/qt/form.h"

class QPushButton;

namespace kestrelon {

class frmDataClutchTimers : public Form {
  Q_OBJECT

 public:
  frmDataClutchTimers();

  QLineEdit* ClTimerLPercent;
  std::array<QLineEdit*, ClutchTimerStages> ClTimerPC{}, ClTimerStart{}, ClTimerBuild{};  // 1..4
  QPushButton *ClTimerOK, *ClTimerCancel, *ClTimerHelp;

  Integer FormReady = False;
  Integer KeyboardAccept = False;
  Integer FieldRejected = True;

  void ClTimerOK_Click();
  void Form_KeyDown(int keyCode, int shift);

 protected:
  void Form_Load() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* FieldControl(int field);
};

}  // namespace kestrelon
