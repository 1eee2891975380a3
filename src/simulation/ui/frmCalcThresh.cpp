#include "simulation/ui/frmCalcThresh.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "platform/qt/text.h"

namespace kestrelon {

frmCalcThresh::frmCalcThresh() : Form("frmCalcThresh", QStringLiteral("Wheelie threshold")) {
  GearRatio = new QLabel(this);
  TorqueKGM = new QLabel(this);
  TorqueLBFT = new QLabel(this);
  Acceleration = new QLabel(this);
  ThreshOKButton = new QPushButton(QStringLiteral("OK"), this);
  ThreshOKButton->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Gear Ratio"), this), 0, 0);
  grid->addWidget(GearRatio, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Engine Torque"), this), 1, 0);
  grid->addWidget(TorqueKGM, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Engine Torque"), this), 2, 0);
  grid->addWidget(TorqueLBFT, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Acceleration"), this), 3, 0);
  grid->addWidget(Acceleration, 3, 1);
  grid->addWidget(ThreshOKButton, 4, 0, 1, 2, Qt::AlignHCenter);

  connect(ThreshOKButton, &QPushButton::clicked, this, &frmCalcThresh::ThreshOKButton_Click);
}

void frmCalcThresh::Form_Load() { CentreOnScreen(); }

void frmCalcThresh::ShowCaptions(const WheelieCaptions& captions) {
  GearRatio->setText(QText(captions.GearRatio));
  TorqueKGM->setText(QText(captions.TorqueKGM));
  TorqueLBFT->setText(QText(captions.TorqueLBFT));
  Acceleration->setText(QText(captions.Acceleration));
  // The load centred the box before the captions widened it: its layout, not yet shown, is told
  // of the new texts, and the box is sized to them and centred again.
  layout()->invalidate();
  layout()->activate();
  adjustSize();
  CentreOnScreen();
}

// The base's unload withdraws the caption from the Window list, however the box is closed.
void frmCalcThresh::ThreshOKButton_Click() { Unload(); }

void frmCalcThresh::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    ThreshOKButton->click();
  else
    Form::keyPressEvent(event);
}

void mnuCalcWheelie_Click() {
  if (!WheelieThresholdAllowed()) return;
  const WheelieCaptions captions = WheelieThresholdCaptions(CalcWheelieThreshold());
  auto* box = static_cast<frmCalcThresh*>(Form::Instance("frmCalcThresh"));
  if (!box) return;
  box->Load();
  box->ShowCaptions(captions);
  box->ShowModal();
}

}  // namespace kestrelon
