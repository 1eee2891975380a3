#include "power/ui/frmPowerText.h"

#include <algorithm>

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/state.h"
#include "core/units.h"
#include "platform/qt/help_window.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "power/import_text.h"

namespace kestrelon {

namespace {

constexpr int HelpContext = 11;

// Cell numbers follow the leading-number rule: blanks before the number skipped, 0 when none.
// Cells read as plain numbers, as the data forms read theirs: blanks anywhere are skipped ("5 000"
// is 5000), and a NUL or line end pasted in is a blank.
double CellNumber(const QLineEdit* cell) { return PlainNumber(BoxText(cell)); }
Long CellRPM(const QLineEdit* cell) { return CLng(CellNumber(cell)); }

}  // namespace

frmPowerText::frmPowerText() : Form("frmPowerText", QStringLiteral("Enter Power data")) {
  UnitsFrame = new QGroupBox(QStringLiteral("Units of power"), this);
  BHPUnits = new QRadioButton(QStringLiteral("BHP / lbft"), UnitsFrame);
  KWUnits = new QRadioButton(QStringLiteral("KW / Nm"), UnitsFrame);
  auto* units = new QHBoxLayout(UnitsFrame);
  units->addWidget(BHPUnits);
  units->addWidget(KWUnits);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("RPM"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Power"), this), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Torque"), this), 0, 2);
  QWidget* previous = KWUnits;
  setTabOrder(BHPUnits, KWUnits);
  for (int p = 0; p < PowerTableVisible; ++p) {
    RPMValue[p] = new QLineEdit(this);
    PowerValue[p] = new QLineEdit(this);
    TorqueValue[p] = new QLineEdit(this);
    grid->addWidget(RPMValue[p], p + 1, 0);
    grid->addWidget(PowerValue[p], p + 1, 1);
    grid->addWidget(TorqueValue[p], p + 1, 2);
    SetTag(RPMValue[p], QStringLiteral("RPM value for which you have a torque or power reading"));
    SetTag(PowerValue[p], QStringLiteral(
                              "The actual power reading. This will be calculated if you enter a "
                              "torque value"));
    SetTag(TorqueValue[p], QStringLiteral(
                               "The actual torque reading. This will be calculated if you enter "
                               "a power reading"));
    for (QLineEdit* cell : {RPMValue[p], TorqueValue[p], PowerValue[p]}) {
      setTabOrder(previous, cell);
      previous = cell;
      cell->installEventFilter(this);
    }
  }
  UpArrow = new QToolButton(this);
  DownArrow = new QToolButton(this);
  UpArrow->setArrowType(Qt::UpArrow);
  DownArrow->setArrowType(Qt::DownArrow);
  for (QToolButton* arrow : {UpArrow, DownArrow}) arrow->setFocusPolicy(Qt::NoFocus);
  SetTag(DownArrow, QStringLiteral("Press this to move down the list"));
  SetTag(UpArrow, QStringLiteral("Press this to move back up the list"));
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(UpArrow);
  arrows->addStretch();
  arrows->addWidget(DownArrow);
  grid->addLayout(arrows, 1, 3, PowerTableVisible, 1);

  EraseData = new QCheckBox(QStringLiteral("Erase existing data"), this);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  HelpButton = new QPushButton(QStringLiteral("Help"), this);
  OKButton->setDefault(true);
  for (QWidget* w : {static_cast<QWidget*>(EraseData), static_cast<QWidget*>(OKButton),
                     static_cast<QWidget*>(CancelButton), static_cast<QWidget*>(HelpButton)}) {
    setTabOrder(previous, w);
    previous = w;
  }
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(EraseData);
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  buttons->addWidget(HelpButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(UnitsFrame);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(UpArrow, &QToolButton::clicked, this, &frmPowerText::UpArrow_Click);
  connect(DownArrow, &QToolButton::clicked, this, &frmPowerText::DownArrow_Click);
  connect(BHPUnits, &QRadioButton::clicked, this, &frmPowerText::BHPUnits_Click);
  connect(KWUnits, &QRadioButton::clicked, this, &frmPowerText::KWUnits_Click);
  connect(OKButton, &QPushButton::clicked, this, &frmPowerText::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmPowerText::CancelButton_Click);
  connect(HelpButton, &QPushButton::clicked, this, &frmPowerText::HelpButton_Click);
}

void frmPowerText::Form_Load() {
  CentreOnScreen();
  table = PowerTable{};
  UnitsReady = false;
  topRow = 20;
  EraseData->setChecked(true);
  ShowVisibleRows();
  if (Cfg.ShowToolTips != False) ApplyTags();
}

void frmPowerText::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  const bool kw = S.PowerUnit != "BHP";
  (kw ? KWUnits : BHPUnits)->setChecked(true);
  table.TorqueFactor = kw ? TableTorqueFactorNm : 1;
  table.PowerFactor = kw ? TablePowerFactorKW : 1;
  UnitsReady = true;
  RPMValue[0]->setFocus();  // typing starts at the first point
}

void frmPowerText::ShowVisibleRows() {
  for (int p = 0; p < PowerTableVisible; ++p) {
    const int r = topRow + p;
    if (table.TableRPM[r] < 100) {
      RPMValue[p]->clear();
      TorqueValue[p]->clear();
      PowerValue[p]->clear();
      continue;
    }
    RPMValue[p]->setText(QString::number(table.TableRPM[r]));
    TorqueValue[p]->setText(QText(TableValueText(table.TableTorque[r])));
    PowerValue[p]->setText(QText(TableValueText(table.TablePower[r])));
  }
}

void frmPowerText::ReadVisibleRows() {
  for (int p = 0; p < PowerTableVisible; ++p) {
    const int r = topRow + p;
    table.TableRPM[r] = CellRPM(RPMValue[p]);
    table.TableTorque[r] = ToSingle(CellNumber(TorqueValue[p]));
    table.TablePower[r] = ToSingle(CellNumber(PowerValue[p]));
  }
}

void frmPowerText::ChooseUnits(bool kw) {
  const std::string before = S.PowerUnit;
  S.PowerUnit = kw ? "KW" : "BHP";
  if (kw) Cfg.PUnits = "M";
  ApplyPowerUnit(S.PowerUnit);
  table.TorqueFactor = kw ? TableTorqueFactorNm : 1;
  table.PowerFactor = kw ? TablePowerFactorKW : 1;
  if (before != S.PowerUnit) {
    ConvertRowUnits(table, kw);
    ShowVisibleRows();
  }
}

void frmPowerText::BHPUnits_Click() { ChooseUnits(false); }
void frmPowerText::KWUnits_Click() { ChooseUnits(true); }

void frmPowerText::Scroll(int step) {
  const int next = topRow + step;
  if (next >= 0 && next <= PowerTableLastTop) {
    ReadVisibleRows();
    topRow = next;
    ShowVisibleRows();
  }
  // The focus follows the row it was on.
  QWidget* focus = focusWidget();
  for (int p = 0; p < PowerTableVisible; ++p)
    if (focus == RPMValue[p] || focus == PowerValue[p] || focus == TorqueValue[p]) {
      const int to = (p - step + PowerTableVisible) % PowerTableVisible;
      RPMValue[to]->setFocus();
      return;
    }
}

void frmPowerText::DownArrow_Click() { Scroll(1); }
void frmPowerText::UpArrow_Click() { Scroll(-1); }

TablePoint frmPowerText::CellPoint(int p) const {
  return {CellNumber(RPMValue[p]), ToSingle(CellNumber(PowerValue[p])), ToSingle(CellNumber(TorqueValue[p]))};
}

QLineEdit* frmPowerText::CellAt(int p, TableCell cell) const {
  return (cell == TableCell::RPM ? RPMValue : cell == TableCell::Power ? PowerValue : TorqueValue)[p];
}

void frmPowerText::CheckLeftCell(int p, TableCell cell) {
  const TablePoint point = CellPoint(p);
  const CellCheck check = CheckCell(table, point, cell);
  if (check.refusal) {
    ui().MsgBox(check.refusal, Msg::Exclamation, PowerInputTitle);
    CellAt(p, cell)->setFocus();
  } else if (check.ran && cell == TableCell::Power) {
    TorqueValue[p]->setText(QText(TableValueText(TorqueFromPower(table, point.power, CLng(point.rpm)))));
  } else if (check.ran && cell == TableCell::Torque) {
    PowerValue[p]->setText(QText(TableValueText(PowerFromTorque(table, point.torque, CLng(point.rpm)))));
  }
}

bool frmPowerText::eventFilter(QObject* watched, QEvent* event) {
  // A message box or another window taking the focus is no leaving of the cell.
  if (event->type() == QEvent::FocusOut && !checking &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    checking = true;
    for (int p = 0; p < PowerTableVisible; ++p)
      for (TableCell cell : {TableCell::RPM, TableCell::Power, TableCell::Torque})
        if (watched == CellAt(p, cell)) CheckLeftCell(p, cell);
    checking = false;
  }
  return Form::eventFilter(watched, event);
}

void frmPowerText::RefuseRow(const RowRefusal& refusal) {
  // Moving the focus to the refused cell is no leaving of the cell it was in.
  checking = true;
  ui().MsgBox(refusal.message, Msg::Exclamation, PowerInputTitle);
  topRow = std::min(refusal.row, PowerTableLastTop);
  ShowVisibleRows();
  CellAt(refusal.row - topRow, refusal.cell)->setFocus();
  checking = false;
}

void frmPowerText::OKButton_Click() {
  if (!UnitsReady) return;
  ReadVisibleRows();
  // Enter leaves no cell, and rows scrolled out of view were never checked: every row is
  // checked here as leaving its cells would check it.
  if (const std::optional<RowRefusal> refused = FirstRefusedRow(table)) {
    RefuseRow(*refused);
    return;
  }
  if (const std::optional<int> bad = WritePowerTable(table, S.PowerCurveIndex, EraseData->isChecked())) {
    RefuseRow({*bad, TableCell::Torque, InvalidTorqueText});
    return;
  }
  Unload();
}

void frmPowerText::CancelButton_Click() {
  if (ui().MsgBox("All input data will by lost, are you sure?",
                  Msg::YesNo + Msg::Question + Msg::DefaultButton2, PowerInputTitle) == Msg::Yes)
    Unload();
}

void frmPowerText::HelpButton_Click() { ShowHelpTopic(HelpContext); }

}  // namespace kestrelon
