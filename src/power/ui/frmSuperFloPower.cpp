#include "power/ui/frmSuperFloPower.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/state.h"
#include "platform/ui_seam.h"

namespace kestrelon {

frmSuperFloPower::frmSuperFloPower()
    : Form("frmSuperFloPower", QStringLiteral("SuperFlow Power Data")) {
  Frame1 = new QGroupBox(QStringLiteral("Power Curve for SuperFlow Data"), this);
  auto* choices = new QVBoxLayout(Frame1);
  const char* captions[] = {"No Nitrous Oxide", "First stage Nitrous Oxide",
                            "Second Stage Nitrous Oxide"};
  for (int k = 0; k < 3; ++k) {
    SuperFloNstage[k] = new QRadioButton(QString::fromLatin1(captions[k]), Frame1);
    choices->addWidget(SuperFloNstage[k]);
  }
  SuperFloOKButton = new QPushButton(QStringLiteral("OK"), this);
  SuperFloCancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  // Enter answers no button here: only a click or the space bar on OK accepts.
  SuperFloOKButton->setAutoDefault(false);
  SuperFloCancelButton->setAutoDefault(false);
  SetCancelButton(SuperFloCancelButton);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(SuperFloOKButton);
  buttons->addWidget(SuperFloCancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addLayout(buttons);
  connect(SuperFloOKButton, &QPushButton::clicked, this, &frmSuperFloPower::SuperFloOKButton_Click);
  connect(SuperFloCancelButton, &QPushButton::clicked, this,
          &frmSuperFloPower::SuperFloCancelButton_Click);
}

void frmSuperFloPower::Form_Load() {
  CentreOnScreen();
  chosen = false;
  stageBefore = S.CurrentStage;
  // No choice is made when the window opens.
  for (QRadioButton* button : SuperFloNstage) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
  }
  SuperFloNstage[0]->setFocus();
}

void frmSuperFloPower::SuperFloOKButton_Click() {
  S.CurrentStage = -1;
  for (int k = 0; k < 3; ++k)
    if (SuperFloNstage[k]->isChecked()) S.CurrentStage = static_cast<Integer>(k);
  if (S.CurrentStage < 0) {
    ui().MsgBox("No Power curve selected", Msg::Question, "SuperFlow Power Data");
    return;
  }
  chosen = true;
  Unload();
}

void frmSuperFloPower::SuperFloCancelButton_Click() { Unload(); }

// Cancel and the close box alike leave no column chosen.
void frmSuperFloPower::Form_Unload() {
  if (chosen) return;
  // A refused OK named no column; the stage in use stays what it was.
  S.CurrentStage = stageBefore;
  S.CancelFlag = 1;
}

}  // namespace kestrelon
