#include "simulation/ui/frmEstimate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/state.h"
#include "platform/qt/help_window.h"
#include "platform/qt/spin_button.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/text.h"
#include "simulation/estimate_search.h"
#include "simulation/estimate_ticket.h"
#include "simulation/launch_setup.h"

namespace kestrelon {
namespace {

constexpr int HelpContext = 6;
constexpr int ProgressColour = 9;  // light blue

}  // namespace

frmEstimate::frmEstimate() : Form("frmEstimate", QStringLiteral("Estimate Power")) {
  auto* ticket = new QGroupBox(QStringLiteral("Timing ticket"), this);
  auto* ticketGrid = new QGridLayout(ticket);
  int row = 0;
  const auto box = [&](const char* caption, QLineEdit*& edit) {
    ticketGrid->addWidget(new QLabel(QString::fromLatin1(caption), ticket), row, 0);
    edit = new QLineEdit(ticket);
    ticketGrid->addWidget(edit, row++, 1);
  };
  box("60ft time", Est60time);
  box("330ft time", Est330time);
  box("1/8 mile time", Est660time);
  box("1/8 mile speed", Est660speed);
  box("1/4 mile time", Est1320time);
  box("1/4 mile speed", Est1320speed);

  auto* adjust = new QGroupBox(QStringLiteral("What can be adjusted ?"), this);
  auto* adjustBox = new QVBoxLayout(adjust);
  EstGearAdjust = new QCheckBox(QStringLiteral("Adjust overall gearing"), adjust);
  EstCDAdjust = new QCheckBox(QStringLiteral("Adjust drag coefficient"), adjust);
  EstMUAdjust = new QCheckBox(QStringLiteral("Adjust tyre grip"), adjust);
  EstBHPAdjust = new QCheckBox(QStringLiteral("Adjust power"), adjust);
  for (QCheckBox* c : {EstGearAdjust, EstCDAdjust, EstMUAdjust, EstBHPAdjust}) adjustBox->addWidget(c);

  auto* settings = new QGridLayout;
  EstNumber = new QLineEdit(this);
  EstNoSpin = new SpinButton(this, 1, 100);
  EstError = new QLabel(this);
  EstError->setFrameShape(QFrame::Panel);
  EstError->setFrameShadow(QFrame::Sunken);
  EstErrSpin = new SpinButton(this, 1, 40);
  settings->addWidget(new QLabel(QStringLiteral("Matching Attempts"), this), 0, 0);
  settings->addWidget(EstNumber, 0, 1);
  settings->addWidget(EstNoSpin, 0, 2);
  settings->addWidget(new QLabel(QStringLiteral("Estimation Error %"), this), 1, 0);
  settings->addWidget(EstError, 1, 1);
  settings->addWidget(EstErrSpin, 1, 2);

  EstProgress = new PictureBox(this);
  EstProgress->setFixedHeight(16);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  HelpButton = new QPushButton(QStringLiteral("Help"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {OKButton, CancelButton, HelpButton}) buttons->addWidget(b);
  SetCancelButton(CancelButton);

  auto* right = new QVBoxLayout;
  right->addWidget(adjust);
  right->addLayout(settings);
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addWidget(ticket);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(EstProgress);
  layout->addLayout(buttons);

  SetTag(EstNumber, QStringLiteral("Number of calculation attempts to match the timing ticket data"));
  SetTag(EstError, QStringLiteral("The maximum error that is allowable "));

  connect(OKButton, &QPushButton::clicked, this, &frmEstimate::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmEstimate::CancelButton_Click);
  connect(HelpButton, &QPushButton::clicked, this, &frmEstimate::HelpButton_Click);
  connect(EstErrSpin, &SpinButton::valueChanged, this, &frmEstimate::EstErrSpin_Change);
  connect(EstNoSpin, &SpinButton::valueChanged, this, &frmEstimate::EstNoSpin_Change);
}

void frmEstimate::Form_Load() {
  ready_ = false;
  CentreOnScreen();
  firstFill_ = true;
  EstProgress->hide();
  for (QWidget* control : findChildren<QWidget*>()) control->setToolTip({});
  if (Cfg.ShowToolTips != False) ApplyTags();
}

void frmEstimate::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  // A window restored from the taskbar keeps what was typed; one shown again to hold the
  // input for its search keeps what OK has just stored.
  if (!event->spontaneous() && !searching_) Fill();
}

void frmEstimate::Fill() {
  ready_ = false;
  const EstimateBoxes b = FillEstimateBoxes();
  EstGearAdjust->setChecked(b.EstGearAdjust);
  EstCDAdjust->setChecked(b.EstCDAdjust);
  EstMUAdjust->setChecked(b.EstMUAdjust);
  EstBHPAdjust->setChecked(b.EstBHPAdjust);
  // The spins follow the stored values without writing into their boxes.
  for (SpinButton* spin : {EstErrSpin, EstNoSpin}) spin->blockSignals(true);
  EstError->setText(QText(b.EstError));
  EstErrSpin->setValue(CInt(S.EstError * 2.0));
  EstNumber->setText(QText(b.EstNumber));
  EstNoSpin->setValue(S.EstNumber);
  for (SpinButton* spin : {EstErrSpin, EstNoSpin}) spin->blockSignals(false);
  Est60time->setText(QText(b.Est60time));
  Est330time->setText(QText(b.Est330time));
  Est660time->setText(QText(b.Est660time));
  Est660speed->setText(QText(b.Est660speed));
  Est1320time->setText(QText(b.Est1320time));
  Est1320speed->setText(QText(b.Est1320speed));
  if (firstFill_) Est1320time->setFocus();
  OKButton->setDefault(true);
  ready_ = true;
}

EstimateBoxes frmEstimate::ReadBoxes() const {
  EstimateBoxes b;
  b.Est60time = StdText(Est60time->text());
  b.Est330time = StdText(Est330time->text());
  b.Est660time = StdText(Est660time->text());
  b.Est660speed = StdText(Est660speed->text());
  b.Est1320time = StdText(Est1320time->text());
  b.Est1320speed = StdText(Est1320speed->text());
  b.EstGearAdjust = EstGearAdjust->isChecked();
  b.EstCDAdjust = EstCDAdjust->isChecked();
  b.EstMUAdjust = EstMUAdjust->isChecked();
  b.EstBHPAdjust = EstBHPAdjust->isChecked();
  b.EstNumber = StdText(EstNumber->text());
  b.EstError = StdText(EstError->text());
  return b;
}

QWidget* frmEstimate::ControlOf(EstimateField field) const {
  switch (field) {
    case EstimateField::EstBHPAdjust: return EstBHPAdjust;
    case EstimateField::Est60time: return Est60time;
    case EstimateField::Est330time: return Est330time;
    case EstimateField::Est660time: return Est660time;
    case EstimateField::Est660speed: return Est660speed;
    case EstimateField::Est1320time: return Est1320time;
    case EstimateField::Est1320speed: return Est1320speed;
    case EstimateField::EstErrSpin: return EstErrSpin;
    case EstimateField::EstNumber: return EstNumber;
    case EstimateField::None: break;
  }
  return nullptr;
}

void frmEstimate::ClearProgress() {
  Canvas& bar = EstProgress->canvas();
  bar.Scale(0, 0, S.EstNumber, 1);
  bar.BackColor = QBColor(15);
  bar.Cls();
}

void frmEstimate::SetEstimateProgress(int attempt) {
  EstProgress->canvas().FillBox(0, 0, attempt, 1, QBColor(ProgressColour));
}

void frmEstimate::OKButton_Click() {
  // The search lets window events through after each attempt: no second search inside it.
  if (!ready_ || searching_) return;
  const EstimateCheck check = AcceptEstimateBoxes(ReadBoxes());
  if (!check.accepted) {
    if (QWidget* control = ControlOf(check.refused)) control->setFocus();
    return;
  }
  ready_ = false;
  firstFill_ = false;
  ClearProgress();
  EstProgress->show();

  searching_ = true;
  stopRequested_ = false;
  // The search lets window events through after each attempt: none but this dialog's own
  // Cancel, Escape and close box may act on the vehicle meanwhile (a load, a data form, a run).
  HoldInputWhenShown();
  const EstimateEnd end = EstimatePowerSearch([this] { return stopRequested_; });
  searching_ = false;
  // A close asked for while the results window was up still closes the dialog.
  const bool retry = end == EstimateEnd::Retry && !stopRequested_;
  if (!retry) Unload();
  HoldInputWhenShown(false);
  if (retry) {
    ClearProgress();
    EstProgress->hide();
    Fill();
  }
}

void frmEstimate::CancelButton_Click() {
  if (searching_)
    stopRequested_ = true;  // the search ends after its current attempt and closes the window
  else
    Unload();
}

void frmEstimate::HelpButton_Click() { ShowHelpTopic(HelpContext); }

void frmEstimate::Form_QueryUnload(bool& cancel) {
  if (!searching_) return;
  stopRequested_ = true;
  cancel = true;
}

void frmEstimate::Form_Unload() { S.CancelFlag = 1; }

void frmEstimate::EstErrSpin_Change() {
  EstError->setText(QText(GeneralNumber(static_cast<Single>(EstErrSpin->value() / 2.0))));
}

void frmEstimate::EstNoSpin_Change() { EstNumber->setText(QString::number(EstNoSpin->value())); }

}  // namespace kestrelon
