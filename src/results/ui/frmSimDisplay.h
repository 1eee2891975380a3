#pragma once
// The display options dialog "Display Options": the four traces of the run graph, time or
// distance along the X axis, the graph's switches, the baseline box, units, zoom and the spot
// distance. Display applies the choice and shows the graph; Set Baseline keeps the last run as
// the baseline. After a run with neither window open it loads and applies itself silently.

#include <array>
#include <string>

#include "platform/qt/form.h"
#include "results/display_options.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrelon {

class SpinButton;

class frmSimDisplay : public Form {
  Q_OBJECT

 public:
  frmSimDisplay();

  std::array<QComboBox*, GraphChannels> Trace{};
  QRadioButton *XTime, *XDistance;
  QCheckBox *CheckRollout, *CheckGridLines, *CheckGearChange, *CheckPerfBox, *CheckBaseline;
  QRadioButton *SimImperial, *SimMetric;
  QLineEdit* ZoomText;
  SpinButton* ZoomSpin;
  QLineEdit* SimDistance;
  QPushButton *SimOKButton, *SimBaselineButton, *SimHelpButton;

  int MaxZoomPercent() const { return maxZoomPercent_; }

  // The refresh: units, spot distance and switches back to the applied values, X axis lists.
  Q_INVOKABLE void Form_Paint();
  // The units in force changed behind the dialog (Setup's OK): its units option follows them.
  Q_INVOKABLE void RedrawFromModel();
  void SimOKButton_Click();
  void SimBaselineButton_Click();
  void SimHelpButton_Click();
  void SetXAxisLabels();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The trace index each list shows, -1 for "(none)".
  std::array<int, GraphChannels> ListTraces() const;
  void FillLists(const std::array<int, GraphChannels>& traces);
  void SetUnitOption(bool imperial, bool metric);
  // The units option from the units in force.
  void ShowUnitsInForce();

  TraceSort sort_;
  int offered_ = 25;
  bool silentApply_ = false;
  int maxZoomPercent_ = 370;
  std::string unitsShown_;  // the units in force when the option was last set from them
};

}  // namespace kestrelon
