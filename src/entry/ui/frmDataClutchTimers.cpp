#include "entry/ui/frmDataClutchTimers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/state.h"
#include "entry/ui/data_form.h"
#include "platform/qt/help_window.h"
#include "platform/ui_seam.h"
#include "power/vehicle_change.h"

namespace kestrelon {

frmDataClutchTimers::frmDataClutchTimers() : Form("frmDataClutchTimers", "Clutch Timers") {
  // Modal as the clutch form's Timers button shows it, also when the automatic pass brings it
  // forward to correct a figure.
  HoldInputWhenShown();
  auto* layout = new QVBoxLayout(this);
  auto* launch = new QHBoxLayout;
  launch->addWidget(new QLabel("Percentage of clutch lockup weight available at launch", this));
  ClTimerLPercent = new QLineEdit(this);
  ClTimerLPercent->setObjectName("ClTimerLPercent");
  launch->addWidget(ClTimerLPercent);
  layout->addLayout(launch);

  auto* frame = new QGroupBox("Clutch Timer specs", this);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(new QLabel("% of lockup weight added by timer", frame), 0, 1);
  grid->addWidget(new QLabel("Start Time", frame), 0, 2);
  grid->addWidget(new QLabel("Time taken to engage", frame), 0, 3);
  auto box = [&](const char* name, int stage, int column) {
    auto* b = new QLineEdit(frame);
    b->setObjectName(QString("%1_%2").arg(name).arg(stage));
    grid->addWidget(b, stage, column);
    return b;
  };
  for (int i = 1; i < ClutchTimerStages; ++i) {
    grid->addWidget(new QLabel(QString::number(i), frame), i, 0);
    ClTimerPC[i] = box("ClTimerPC", i, 1);
    ClTimerStart[i] = box("ClTimerStart", i, 2);
    ClTimerBuild[i] = box("ClTimerBuild", i, 3);
    SetTag(ClTimerStart[i], "The time after launch that this timer will activate");
    SetTag(ClTimerBuild[i], "How long does it take this clutch stage to fully engage");
  }
  layout->addWidget(frame);

  auto* buttons = new QHBoxLayout;
  ClTimerOK = new QPushButton("OK", this);
  ClTimerCancel = new QPushButton("Cancel", this);
  ClTimerHelp = new QPushButton("Help", this);
  ClTimerOK->setDefault(true);
  SetCancelButton(ClTimerCancel);
  for (QPushButton* b : {ClTimerOK, ClTimerCancel, ClTimerHelp}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(ClTimerOK, &QPushButton::clicked, this, &frmDataClutchTimers::ClTimerOK_Click);
  connect(ClTimerCancel, &QPushButton::clicked, this, [this] { Unload(); });
  connect(ClTimerHelp, &QPushButton::clicked, this, [] { ShowHelpTopic(5); });
}

void frmDataClutchTimers::Form_Load() {
  FormReady = False;
  KeyboardAccept = False;
  PlaceAt(S.ClutchTimersFormTop, S.ClutchTimersFormLeft);
  const ClutchTimerTexts t = LoadClutchTimerTexts();
  SetBoxText(ClTimerLPercent, t.LPercent);
  for (int i = 1; i < ClutchTimerStages; ++i) {
    SetBoxText(ClTimerPC[i], t.PC[i]);
    SetBoxText(ClTimerStart[i], t.Start[i]);
    SetBoxText(ClTimerBuild[i], t.Build[i]);
  }
  FormReady = True;
  if (S.AutoAccept) {
    ClTimerOK_Click();
    return;
  }
  if (Cfg.ShowToolTips) ApplyTags();
}

void frmDataClutchTimers::ClTimerOK_Click() {
  if (!FormReady && !S.AutoAccept) return;
  FieldRejected = True;
  ClutchTimerTexts t;
  t.LPercent = BoxText(ClTimerLPercent);
  for (int i = 1; i < ClutchTimerStages; ++i) {
    t.PC[i] = BoxText(ClTimerPC[i]);
    t.Start[i] = BoxText(ClTimerStart[i]);
    t.Build[i] = BoxText(ClTimerBuild[i]);
  }
  if (const Verdict refusal = AcceptClutchTimers(t)) {
    // Loaded by the automatic pass: the form comes forward, modal as the Timers button shows
    // it, so that the figure is corrected before the clutch form goes on.
    if (!isVisible()) Show();
    ui().MsgBox(refusal->message, Msg::Question, "Clutch Timers");
    if (QWidget* field = FieldControl(refusal->field)) field->setFocus();
    return;
  }
  FieldRejected = False;
  VehicleChanged();
  if (KeyboardAccept) return;
  SavePlace(S.ClutchTimersFormTop, S.ClutchTimersFormLeft);
  FormReady = False;
  Unload();
}

QWidget* frmDataClutchTimers::FieldControl(int field) {
  if (field >= ClTimerBuildField) return ClTimerBuild[field - ClTimerBuildField];
  if (field >= ClTimerStartField) return ClTimerStart[field - ClTimerStartField];
  if (field == ClTimerLPercentField) return ClTimerLPercent;
  return ClTimerPC[field - ClTimerPCField];
}

void frmDataClutchTimers::Form_KeyDown(int keyCode, int shift) {
  if (keyCode != Qt::Key_F2) return;
  KeyboardAccept = True;
  ClTimerOK_Click();
  KeyboardAccept = False;
  if (FieldRejected) return;
  if (auto* clutch = qobject_cast<DataForm*>(Form::FindLoaded("frmDataClutch")))
    clutch->Form_KeyDown(keyCode, shift);
}

void frmDataClutchTimers::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F2) return Form::keyPressEvent(event);
  Form_KeyDown(event->key(), event->modifiers() & Qt::ShiftModifier ? 1 : 0);
}

}  // namespace kestrelon
