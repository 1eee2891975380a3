#include "power/ui/frmPNAData.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/state.h"
#include "entry/ui/data_form.h"
#include "platform/qt/help_window.h"
#include "platform/qt/text.h"
#include "power/peak_entry.h"

namespace kestrelon {

namespace {
constexpr int HelpContext = 11;
}  // namespace

frmPNAData::frmPNAData() : Form("frmPNAData", QStringLiteral("Power")) {
  Frame1 = new QGroupBox(QStringLiteral("Quick and Easy power curve"), this);
  auto* grid = new QGridLayout(Frame1);
  int row = 0;
  const auto field = [&](QLabel*& label, const char* caption, QLineEdit*& box) {
    label = new QLabel(QString::fromLatin1(caption), Frame1);
    box = new QLineEdit(Frame1);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row++, 1);
  };
  field(HighRPMLabel, "High RPM Limit", MaxRPM);
  field(Label1, "Maximum Power output", MaxBHP);
  field(Label3, "Maximum Power RPM", MaxPRPM);
  field(Label4, "Maximum Torque RPM", MaxTRPM);
  field(Label5, "Maximum Torque output", MaxTRQ);
  field(MinRPMLabel, "Minimum RPM", MinRPM);
  field(templabel, "Engine temperature at start of run", LaunchTemp);
  Label7 = new QLabel(QStringLiteral("Enter a brief description of power data;"), Frame1);
  PowerDescript = new QLineEdit(Frame1);
  grid->addWidget(Label7, row++, 0, 1, 2);
  grid->addWidget(PowerDescript, row++, 0, 1, 2);
  ErasePower = new QCheckBox(QStringLiteral("Erase existing power data"), Frame1);
  grid->addWidget(ErasePower, row++, 0, 1, 2);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  HelpButton = new QPushButton(QStringLiteral("Help"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  buttons->addWidget(HelpButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addLayout(buttons);

  connect(OKButton, &QPushButton::clicked, this, &frmPNAData::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmPNAData::CancelButton_Click);
  connect(HelpButton, &QPushButton::clicked, this, &frmPNAData::HelpButton_Click);
}

void frmPNAData::Form_Load() {
  SetCaption(QText(S.PowerCurveTitle));
  PowerUnitFactor = 1;
  FormPainted = false;
  S.ErasePower = False;
  S.MaxPRPM = S.MaxTRPM = S.MinRPM = 0;
  S.MaxTRQ = 0;

  const bool noNitrous = S.PowerCurveIndex == 0;
  for (QWidget* w : {static_cast<QWidget*>(MaxRPM), static_cast<QWidget*>(HighRPMLabel),
                     static_cast<QWidget*>(MinRPM), static_cast<QWidget*>(MinRPMLabel),
                     static_cast<QWidget*>(LaunchTemp), static_cast<QWidget*>(templabel)})
    w->setVisible(noNitrous);
  for (QLineEdit* box : {MaxPRPM, MaxTRPM, MaxTRQ, MinRPM}) box->clear();
  MaxRPM->setText(QText(Trim(S.VehicleData[6][1])));
  // The proposed peak power is held in BHP; a KW display shows it in KW, the unit OK reads.
  ProposedBHP = noNitrous ? S.VehicleData[6][2] : NumText(static_cast<double>(S.PowerMaxPower));
  MaxBHP->setText(QText(ShownPeakPower(ProposedBHP, PowerUnitFactorOf(S.PowerUnit))));
  LaunchTemp->setText(QText(S.VehicleData[8][18]));
  ErasePower->setChecked(false);
  CentreOnScreen();
  if (S.AutoAccept != False) {
    OKButton_Click();
    return;
  }
  if (Cfg.ShowToolTips != False) ApplyTags();
}

void frmPNAData::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (!FormPainted) Form_Paint();
}

void frmPNAData::Form_Paint() {
  FormPainted = false;
  PowerUnitFactor = PowerUnitFactorOf(S.PowerUnit);
  MaxBHP->setFocus();
  PowerDescript->setText(QText(S.PowerDescript[S.PowerCurveIndex]));
  FormPainted = true;
}

void frmPNAData::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return OKButton_Click();
    case Qt::Key_Escape: return CancelButton_Click();
    default: Form::keyPressEvent(event);
  }
}

void frmPNAData::closeEvent(QCloseEvent* event) {
  // The close box is the Cancel button: closed any other way the entry would go on to the
  // graph with none of the figures typed.
  event->ignore();
  if (IsLoaded()) CancelButton_Click();
}

void frmPNAData::OKButton_Click() {
  if (!FormPainted && S.AutoAccept == False) return;
  PeakEntryTexts texts{BoxText(MaxRPM),     BoxText(MaxBHP),        BoxText(MaxPRPM),
                       BoxText(MaxTRPM),    BoxText(MaxTRQ),        BoxText(MinRPM),
                       BoxText(LaunchTemp), BoxText(PowerDescript), ErasePower->isChecked(),
                       ProposedBHP};
  const PeakEntryBox refused = AcceptPeakFigures(texts, PowerUnitFactor);
  LaunchTemp->setText(QText(texts.LaunchTemp));
  QLineEdit* focus = nullptr;
  switch (refused) {
    case PeakEntryBox::None: break;
    case PeakEntryBox::MaxRPM: focus = MaxRPM; break;
    case PeakEntryBox::MaxBHP: focus = MaxBHP; break;
    case PeakEntryBox::LaunchTemp: focus = LaunchTemp; break;
    case PeakEntryBox::MaxPRPM: focus = MaxPRPM; break;
    case PeakEntryBox::MaxTRPM: focus = MaxTRPM; break;
    case PeakEntryBox::MaxTRQ: focus = MaxTRQ; break;
    case PeakEntryBox::MinRPM: focus = MinRPM; break;
  }
  if (focus) {
    focus->setFocus();
    return;
  }
  FormPainted = false;
  Unload();
}

void frmPNAData::CancelButton_Click() {
  S.CancelFlag = 1;
  Unload();
}

void frmPNAData::HelpButton_Click() { ShowHelpTopic(HelpContext); }

}  // namespace kestrelon
