#pragma once
// "Estimation Results", shown modal when a search ends: the racer's ticket beside the simulated
// one with the error of each figure (green within the tolerance, red outside), and each changed
// quantity before and after with a switch to put it back. Finish ends the estimate, Retry keeps
// its dialog open for another try.

#include <array>

#include "platform/qt/form.h"
#include "simulation/estimate_results.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kestrelon {

class frmEstResult : public Form {
  Q_OBJECT

 public:
  frmEstResult();

  QLabel *Act60t, *Act330t, *Act660t, *Act660v, *Act1320t, *Act1320v;
  QLabel *Est60t, *Est330t, *Est660t, *Est660v, *Est1320t, *Est1320v;
  QLabel *Err60t, *Err330t, *Err660t, *Err660v, *Err1320t, *Err1320v;
  QCheckBox *EstCDRestore, *EstMURestore, *EstBHPRestore, *EstGearRestore;
  QLabel *Org_CD, *Est_CD, *Org_Mu, *Est_Mu, *Org_Power, *Est_Power, *Org_Gear, *Est_Gear;
  QPushButton *OKButton, *RetryButton;

  void OKButton_Click();
  void RetryButton_Click();
  void CloseResult();

 protected:
  void Form_Load() override;
  void showEvent(QShowEvent* event) override;

 private:
  // Shows the results on show, never on a repaint, so the racer's restore choices stay.
  void Fill();

  struct TicketCells {
    QLabel *actual, *estimated, *error;
  };
  struct RestoreCells {
    QCheckBox* restore;
    QLabel *original, *estimated;
  };
  std::array<TicketCells, TicketRows> ticket_{};
  std::array<RestoreCells, RestoreRows> restore_{};
  bool ready_ = false;  // Finish and Retry work once the results are shown
};

}  // namespace kestrelon
