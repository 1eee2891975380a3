#include "entry/ui/frmDataThrottle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/state.h"
#include "entry/entry_chain.h"

namespace kestrelon {

frmDataThrottle::frmDataThrottle()
    : DataForm("frmDataThrottle", "Throttle controls",
               {&S.ThrottleEntered, nullptr, &S.ThrottleFormTop, &S.ThrottleFormLeft, 16,
                "Throttle stop"}) {
  auto* layout = new QVBoxLayout(this);
  Frame1 = new QGroupBox("Throttle Stop timer settings", this);
  Frame1->setObjectName("Frame1");
  auto* grid = new QGridLayout(Frame1);
  const char* captions[3] = {"Time (sec)", "Opening (%)", "Time to open"};
  for (int c = 0; c < 3; ++c) {
    TLabel[c] = new QLabel(captions[c], Frame1);
    TLabel[c]->setObjectName(QString("TLabel_%1").arg(c));
    grid->addWidget(TLabel[c], 0, c);
  }
  auto box = [&](const char* name, int stage, int column) {
    auto* b = new QLineEdit(Frame1);
    b->setObjectName(QString("%1_%2").arg(name).arg(stage));
    grid->addWidget(b, stage + 1, column);
    return b;
  };
  for (int i = 0; i < ThrottleStopStages; ++i) {
    TStopTimer[i] = box("TStopTimer", i, 0);
    TStopOpening[i] = box("TStopOpening", i, 1);
    TStopBuild[i] = box("TStopBuild", i, 2);
    SetTag(TStopTimer[i], "The time into the run at which this throttle setting takes effect");
    SetTag(TStopOpening[i], "The throttle opening (or percentage of full power) for this setting");
  }
  SetTag(TStopBuild[0],
         "How long it takes for the throttle stop to move from its previous setting to this "
         "setting");
  layout->addWidget(Frame1);

  UseThrottle = new QCheckBox("Use throttle stop", this);
  UseThrottle->setObjectName("UseThrottle");
  SetTag(UseThrottle, "Enable or disable the above throttle stop settings");
  UseTraction = new QCheckBox("Use Traction Control", this);
  UseTraction->setObjectName("UseTraction");
  SetTag(UseTraction, "Automatically control the throttle opening to minimise wheelspin");
  layout->addWidget(UseThrottle);
  layout->addWidget(UseTraction);

  auto* buttons = new QHBoxLayout;
  OKButton = new QPushButton("OK", this);
  CancelButton = new QPushButton("Cancel", this);
  HelpButton = new QPushButton("Help", this);
  OKButton->setDefault(true);
  SetCancelButton(CancelButton);
  for (QPushButton* b : {OKButton, CancelButton, HelpButton}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(OKButton, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] {
    if (FormReady) CancelButton_Click();
  });
  connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });
  connect(UseThrottle, &QCheckBox::clicked, this, &frmDataThrottle::UseThrottle_Click);
}

void frmDataThrottle::UseThrottle_Click() {
  const bool on = UseThrottle->isChecked();
  for (int i = 0; i < ThrottleStopStages; ++i)
    for (QLineEdit* b : {TStopOpening[i], TStopTimer[i], TStopBuild[i]}) b->setEnabled(on);
  for (QLabel* l : TLabel) l->setEnabled(on);
  Frame1->setEnabled(on);
}

void frmDataThrottle::FillFromModel() {
  const ThrottleTexts t = LoadThrottleTexts();
  for (int i = 0; i < ThrottleStopStages; ++i) {
    SetBoxText(TStopTimer[i], t.Timer[i]);
    SetBoxText(TStopOpening[i], t.Opening[i]);
    SetBoxText(TStopBuild[i], t.Build[i]);
  }
  UseThrottle->setChecked(t.UseThrottle);
  UseTraction->setChecked(t.UseTraction);
  // The switches of the model follow the boxes only through the OK.
  UseThrottle_Click();
  FormReady = True;  // no paint needed before the OK works
}

ThrottleTexts frmDataThrottle::Texts() const {
  ThrottleTexts t;
  for (int i = 0; i < ThrottleStopStages; ++i) {
    t.Timer[i] = BoxText(TStopTimer[i]);
    t.Opening[i] = BoxText(TStopOpening[i]);
    t.Build[i] = BoxText(TStopBuild[i]);
  }
  t.UseThrottle = UseThrottle->isChecked();
  t.UseTraction = UseTraction->isChecked();
  return t;
}

Verdict frmDataThrottle::Accept() { return AcceptThrottleStops(Texts()); }

QWidget* frmDataThrottle::FieldControl(int field) {
  if (field >= TStopBuildField) return TStopBuild[field - TStopBuildField];
  if (field >= TStopTimerField) return TStopTimer[field - TStopTimerField];
  return TStopOpening[field - TStopOpeningField];
}

void frmDataThrottle::HandOn() {
  Unload();
  if (S.InputDataPending)
    InputDataResume();
  else if (S.DataSequence)
    DataFormsSequence();
}

}  // namespace kestrelon
