#pragma once
// The nitrous data form: each of the two stages with its start gear and delay, atmospheric
// correction, progressive build-up and calculated curve; the bottle pressures both share.

#include <array>

#include "entry/nitrous_calc.h"
#include "entry/ui/data_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kestrelon {

class frmDataNitrous : public DataForm {
  Q_OBJECT

 public:
  frmDataNitrous();

  // Per-stage controls are indexed by the stage, 1 or 2 (element 0 unused).
  std::array<QGroupBox*, 3> Frame{};
  std::array<QCheckBox*, 3> UseStage{}, NCorrect{}, ProgStage{}, NCalculate{};
  std::array<QLineEdit*, 3> NitrousSG{}, NitrousDT{};
  std::array<QLabel*, 3> LabelSG{}, LabelDT{};
  std::array<QLineEdit*, 3> NStartRPM{}, NStartPower{}, NFinalPower{}, NFinalRPM{}, NProgTime{};
  std::array<std::array<QLabel*, 5>, 3> ProgLab{};
  std::array<QPushButton*, 3> cmdCalc{};
  QLineEdit *N2PowerPressure, *N2RunPressure, *N2DropPressure;
  QPushButton *Command1, *Command2, *NitrousHelpButton;

  void ProgStage_Click(int index);
  void NCalculate_Click(int index);
  void cmdCalc_Click(int index);

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override;
  void AfterAccepted() override;
  void Painted() override;
};

}  // namespace kestrelon
