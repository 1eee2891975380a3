#pragma once
// The answerer the running program installs: message boxes with the requested buttons, icon,
// default button and title, pending events, the busy cursor and windows shown by name.

#include <QObject>
#include <chrono>

#include "platform/ui_seam.h"

namespace kestrelon {

class QtUi : public UiSeam {
 public:
  int MsgBox(const std::string& text, int style, const std::string& title) override;
  void DoEvents() override;
  void SetBusyCursor(bool busy) override;
  void ShowForm(const std::string& formName) override;
  // The run's progress window "frmCalcProgress", reached by its form name.
  void ShowRunProgress(bool show) override;
  void SetRunProgress(int point) override;
  // Every open window that shows the vehicle's values ("ShowVehicleData").
  void ShowVehicleData() override;
  // The curve entry's windows "frmPNAData" (modal) and "frmGraphPower", by their form names.
  void ShowClutchCapacities(const std::string& staticText, const std::string& lockedText) override;
  void ShowPowerEntryForm() override;
  void ShowPowerGraph(int mode) override;
  // The estimate dialog "frmEstimate" and its results window "frmEstResult", by form name.
  void SetEstimateProgress(int attempt) override;
  void ShowEstimateResult() override;
  // The end of a run: the run graph "frmGraphDyn" and the display options "frmSimDisplay".
  bool RefreshRunGraph() override;
  bool RefreshSimDisplay() override;
  void ShowSimDisplay() override;
  void UnloadRunGraph() override;
  // Every visible, not minimised window that answers "RedrawFromModel()" (the listing, the
  // cascade, the history log). Requests in a row (each form of an automatic entry pass) are
  // drawn once, when pending events next run, from the model as it is then.
  void RefreshResultWindows() override;

 private:
  // While a run shows its progress, the bar and the pending events are taken at most once
  // every ProgressInterval of wall time: between two such points the run's DoEvents passes.
  static constexpr std::chrono::milliseconds ProgressInterval{25};
  bool runShown_ = false;
  bool eventsDue_ = true;
  std::chrono::steady_clock::time_point lastProgress_{};
  bool resultsDue_ = false;
  QObject resultsContext_;  // a redraw still pending goes with the answerer
};

}  // namespace kestrelon
