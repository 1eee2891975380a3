#pragma once
// "Estimate Power": the timing ticket the racer measured, what may be adjusted, the number of
// attempts and the tolerance. OK checks them and runs the search with a progress bar, holding
// the input of every other window meanwhile; Cancel, Escape or the close box end a running
// search after its current attempt and close the window.

#include "platform/qt/form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrelon {

class SpinButton;

class PictureBox;
struct EstimateBoxes;
enum class EstimateField;

class frmEstimate : public Form {
  Q_OBJECT

 public:
  frmEstimate();

  QLineEdit *Est60time, *Est330time, *Est660time, *Est660speed, *Est1320time, *Est1320speed;
  QCheckBox *EstGearAdjust, *EstCDAdjust, *EstMUAdjust, *EstBHPAdjust;
  QLineEdit* EstNumber;
  SpinButton* EstNoSpin;
  QLabel* EstError;
  SpinButton* EstErrSpin;
  PictureBox* EstProgress;
  QPushButton *OKButton, *CancelButton, *HelpButton;

  // The bar filled up to attempt n of the running search.
  Q_INVOKABLE void SetEstimateProgress(int attempt);

  void OKButton_Click();
  void CancelButton_Click();
  void HelpButton_Click();
  void EstErrSpin_Change();
  void EstNoSpin_Change();

  bool Searching() const { return searching_; }

 protected:
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel) override;
  void Form_Unload() override;
  void showEvent(QShowEvent* event) override;

 private:
  // Shows the estimate state in the controls: on show and after a search, never on a repaint,
  // so typed text is not lost.
  void Fill();
  EstimateBoxes ReadBoxes() const;
  QWidget* ControlOf(EstimateField field) const;
  void ClearProgress();

  bool ready_ = false;       // OK works once the controls are filled
  bool firstFill_ = false;   // until the first OK, a fill puts the focus on the 1/4 mile time
  bool searching_ = false;
  bool stopRequested_ = false;
};

}  // namespace kestrelon
