#pragma once
// The throttle controls form: six throttle-stop stages (time, opening, time to open) and the
// throttle-stop and traction-control switches.

#include <array>

#include "entry/throttle_calc.h"
#include "entry/ui/data_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kestrelon {

class frmDataThrottle : public DataForm {
  Q_OBJECT

 public:
  frmDataThrottle();

  std::array<QLineEdit*, ThrottleStopStages> TStopTimer{}, TStopOpening{}, TStopBuild{};
  std::array<QLabel*, 3> TLabel{};
  QGroupBox* Frame1;
  QCheckBox *UseThrottle, *UseTraction;
  QPushButton *OKButton, *CancelButton, *HelpButton;

  void UseThrottle_Click();

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override { return nullptr; }
  // The form unloads before it hands on, and resumes an interrupted vehicle entry first.
  void HandOn() override;

 private:
  ThrottleTexts Texts() const;
};

}  // namespace kestrelon
