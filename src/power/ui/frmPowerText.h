#pragma once
// The power table entry: the racer types the curve as up to 101 points of engine speed with a
// power or a torque, ten at a time, in BHP and lb-ft or KW and N m. Leaving a cell fills the
// other value of its point; OK writes the edited column by straight lines between the points.

#include <array>

#include "platform/qt/form.h"
#include "power/power_table.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace kestrelon {

class frmPowerText : public Form {
  Q_OBJECT

 public:
  frmPowerText();

  std::array<QLineEdit*, PowerTableVisible> RPMValue{}, PowerValue{}, TorqueValue{};
  QToolButton *UpArrow, *DownArrow;
  QGroupBox* UnitsFrame;
  QRadioButton *BHPUnits, *KWUnits;
  QCheckBox* EraseData;
  QPushButton *OKButton, *CancelButton, *HelpButton;

  int TopRow() const { return topRow; }
  const PowerTable& Table() const { return table; }

  void UpArrow_Click();
  void DownArrow_Click();
  void BHPUnits_Click();
  void KWUnits_Click();
  void OKButton_Click();
  void CancelButton_Click();
  void HelpButton_Click();

 protected:
  void Form_Load() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowVisibleRows();
  void ReadVisibleRows();
  void ChooseUnits(bool kw);
  void Scroll(int step);
  TablePoint CellPoint(int p) const;
  QLineEdit* CellAt(int p, TableCell cell) const;
  // The check when the focus leaves a cell at position p: a refusal sends the focus back, a
  // point that passes fills its other value.
  void CheckLeftCell(int p, TableCell cell);
  // OK refused: the message, the row scrolled into view and the focus on the refused cell.
  void RefuseRow(const RowRefusal& refusal);

  PowerTable table;
  int topRow = 20;
  bool UnitsReady = false;
  bool checking = false;  // a cell check's message box is up
};

}  // namespace kestrelon
