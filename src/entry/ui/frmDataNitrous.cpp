#include "entry/ui/frmDataNitrous.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "core/state.h"
#include "entry/nitrous_power_calc.h"
#include "entry/ui/frmNitrousAdjust.h"
#include "power/curve_graph_commands.h"
#include "power/vehicle_change.h"

namespace kestrelon {

frmDataNitrous::frmDataNitrous()
    : DataForm("frmDataNitrous", "Nitrous Oxide Settings",
               {&S.NitrousEntered, &S.NitrousFormPending, &S.NitrousFormTop, &S.NitrousFormLeft,
                10, "Nitrous Oxide Settings"}) {
  auto* layout = new QVBoxLayout(this);
  auto* stages = new QHBoxLayout;
  const char* names[3] = {"", "First", "Second"};
  const char* progLabels[5] = {"Starting RPM", "Starting power %", "Final Power %",
                               "Final power RPM", "Progression time (sec)"};
  for (int s = 1; s <= 2; ++s) {
    Frame[s] = new QGroupBox(QString("%1 Stage").arg(names[s]), this);
    Frame[s]->setObjectName(QString("Frame%1").arg(s));
    auto* g = new QGridLayout(Frame[s]);
    auto check = [&](const char* name, const QString& caption, const char* tag, int row) {
      auto* c = new QCheckBox(caption, Frame[s]);
      c->setObjectName(QString("%1_%2").arg(name).arg(s));
      SetTag(c, tag);
      g->addWidget(c, row, 0, 1, 2);
      return c;
    };
    auto box = [&](const QString& name, QLabel*& label, const char* caption, const char* tag,
                   int row) {
      auto* b = new QLineEdit(Frame[s]);
      b->setObjectName(name);
      if (tag) SetTag(b, tag);
      label = new QLabel(caption, Frame[s]);
      // A label hidden until "Progressive Nitrous" is ticked keeps its room: ticking the box
      // shows it without moving the boxes.
      QSizePolicy keep = label->sizePolicy();
      keep.setRetainSizeWhenHidden(true);
      label->setSizePolicy(keep);
      g->addWidget(label, row, 0);
      g->addWidget(b, row, 1);
      return b;
    };
    UseStage[s] = check("UseStage", QString("Use %1 stage nitrous").arg(names[s]),
                        s == 1 ? "Click here to use the first stage nitrous power curve"
                               : "Click this to use the second stage nitrous power curve",
                        0);
    NitrousSG[s] = box(QString("NitrousSG%1").arg(s), LabelSG[s], "Start Gear",
                       "The gear in which this power curve starts to be used", 1);
    NitrousDT[s] = box(QString("NitrousDT%1").arg(s), LabelDT[s], "Delay Time (sec)",
                       "How long to delay after the appropriate gear is engaged", 2);
    NCorrect[s] = check("NCorrect", "Use atmospheric correction",
                        "If you want to apply atmospheric conditions to this power curve, click here",
                        3);
    ProgStage[s] = check("ProgStage", "Progressive Nitrous",
                         "Select if this is nitrous stage is progressive rather than fixed", 4);
    const char* rpmTag = "Applies to RPM controlled nitrous only";
    NStartRPM[s] = box(QString("NStartRPM_%1").arg(s), ProgLab[s][0], progLabels[0], rpmTag, 5);
    NStartPower[s] = box(QString("NStartPower_%1").arg(s), ProgLab[s][1], progLabels[1],
                         "What nitrous percentage to start at", 6);
    NFinalPower[s] = box(QString("NFinalPower_%1").arg(s), ProgLab[s][2], progLabels[2],
                         "What nitrous percentage to finish at", 7);
    NFinalRPM[s] = box(QString("NFinalRPM_%1").arg(s), ProgLab[s][3], progLabels[3], rpmTag, 8);
    NProgTime[s] = box(QString("NProgTime_%1").arg(s), ProgLab[s][4], progLabels[4],
                       "How long to go from the starting pwer to the final power", 9);
    NCalculate[s] = check("NCalculate", "Calculate Nitrous",
                          "Click if you want to calculate the power curve from your Nitrous settings",
                          10);
    cmdCalc[s] = new QPushButton("...", Frame[s]);
    cmdCalc[s]->setObjectName(QString("cmdCalc_%1").arg(s));
    SetTag(cmdCalc[s], "Press to display the Nitrous calculation screen");
    cmdCalc[s]->setEnabled(false);
    g->addWidget(cmdCalc[s], 10, 2);
    stages->addWidget(Frame[s]);

    connect(ProgStage[s], &QCheckBox::clicked, this, [this, s] { ProgStage_Click(s); });
    connect(NCalculate[s], &QCheckBox::clicked, this, [this, s] { NCalculate_Click(s); });
    connect(cmdCalc[s], &QPushButton::clicked, this, [this, s] { cmdCalc_Click(s); });
  }
  layout->addLayout(stages);

  auto* bottle = new QGridLayout;
  N2PowerPressure = AddBox(bottle, 0, "N2PowerPressure", "Normal Bottle Pressure",
                           "The normal Bottle pressure that yielded the values in Kestrelons power "
                           "curve data");
  N2RunPressure = AddBox(bottle, 1, "N2RunPressure", "Bottle Pressure at start of run",
                         "The bottle pressure ate the start of a simulated run");
  N2DropPressure = AddBox(bottle, 2, "N2DropPressure", "Bottle Pressure Drop per second during run",
                          "The rate at which the bottle pressure drops (per second) during a run. "
                          "E.g. A pressure drop of 50psi in an 8.2 sec run is about 8psi per second");
  layout->addLayout(bottle);

  auto* buttons = new QHBoxLayout;
  Command1 = new QPushButton("OK", this);
  Command2 = new QPushButton("Cancel", this);
  SetCancelButton(Command2);
  NitrousHelpButton = new QPushButton("Help", this);
  Command1->setDefault(true);
  for (QPushButton* b : {Command1, Command2, NitrousHelpButton}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(Command1, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(Command2, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
  connect(NitrousHelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });
}

void frmDataNitrous::ProgStage_Click(int index) {
  const bool on = ProgStage[index]->isChecked();
  for (QLabel* label : ProgLab[index]) label->setVisible(on);
  for (QLineEdit* box : {NProgTime[index], NFinalRPM[index], NStartPower[index], NFinalPower[index],
                         NStartRPM[index]})
    box->setEnabled(on);
}

void frmDataNitrous::NCalculate_Click(int index) {
  if (!NCalculate[index]->isChecked()) {
    cmdCalc[index]->setEnabled(false);
    return;
  }
  cmdCalc[index]->setEnabled(true);
  // Ticked by hand the calculator opens at once; ticked by the load only during the pass.
  if (FormReady || S.AutoAccept) cmdCalc_Click(index);
}

void frmDataNitrous::cmdCalc_Click(int index) {
  // The stage the calculator built changes the vehicle as a form's OK does; an open curve
  // graph's Cancel keeps it.
  if (RunNitrousCalculator(static_cast<Integer>(index))) {
    VehicleChanged();
    TakeCalcSetUpIntoSnapshots();
  }
  // The box shows whether the calculator builds the stage now: a calculator cancelled before the
  // stage had a set-up leaves it unticked.
  const bool built = BuiltByCalculator(index);
  NCalculate[index]->setChecked(built);
  cmdCalc[index]->setEnabled(built);
}

void frmDataNitrous::FillFromModel() {
  const NitrousEntry e = LoadNitrousEntry();
  SetBoxText(NitrousSG[1], e.SG1);
  SetBoxText(NitrousDT[1], e.DT1);
  SetBoxText(NitrousSG[2], e.SG2);
  SetBoxText(NitrousDT[2], e.DT2);
  for (int s = 1; s <= 2; ++s) {
    const NitrousStageEntry& st = e.Stage[s];
    NCorrect[s]->setChecked(st.Correct);
    ProgStage[s]->setChecked(st.Prog);
    ProgStage_Click(s);
    UseStage[s]->setChecked(st.UseStage);
    SetBoxText(NStartRPM[s], st.StartRPM);
    SetBoxText(NStartPower[s], st.StartPower);
    SetBoxText(NFinalPower[s], st.FinalPower);
    SetBoxText(NFinalRPM[s], st.FinalRPM);
    SetBoxText(NProgTime[s], st.ProgTime);
  }
  SetBoxText(N2DropPressure, e.DropPressure);
  SetBoxText(N2PowerPressure, e.PowerPressure);
  SetBoxText(N2RunPressure, e.RunPressure);
  S.NitrousFormPending = True;
  // During the automatic pass a stage to be calculated has its curve rebuilt before the OK. A
  // tick from the vehicle is no tick by hand: refilling the open form opens no calculator.
  const QScopedValueRollback<Integer> filling(FormReady, False);
  for (int s = 1; s <= 2; ++s) {
    NCalculate[s]->setChecked(e.Stage[s].Calculate);
    NCalculate_Click(s);
  }
}

namespace {

NitrousEntry EntryOf(const frmDataNitrous& f) {
  NitrousEntry e;
  e.SG1 = BoxText(f.NitrousSG[1]);
  e.DT1 = BoxText(f.NitrousDT[1]);
  e.SG2 = BoxText(f.NitrousSG[2]);
  e.DT2 = BoxText(f.NitrousDT[2]);
  for (int s = 1; s <= 2; ++s) {
    NitrousStageEntry& st = e.Stage[s];
    st.UseStage = f.UseStage[s]->isChecked();
    st.Correct = f.NCorrect[s]->isChecked();
    st.Prog = f.ProgStage[s]->isChecked();
    st.Calculate = f.NCalculate[s]->isChecked();
    st.StartRPM = BoxText(f.NStartRPM[s]);
    st.StartPower = BoxText(f.NStartPower[s]);
    st.FinalPower = BoxText(f.NFinalPower[s]);
    st.FinalRPM = BoxText(f.NFinalRPM[s]);
    st.ProgTime = BoxText(f.NProgTime[s]);
  }
  e.PowerPressure = BoxText(f.N2PowerPressure);
  e.RunPressure = BoxText(f.N2RunPressure);
  e.DropPressure = BoxText(f.N2DropPressure);
  return e;
}

}  // namespace

Verdict frmDataNitrous::Accept() { return AcceptNitrous(EntryOf(*this)); }

QWidget* frmDataNitrous::FieldControl(int field) {
  switch (field) {
    case NitrousSG1Field: return NitrousSG[1];
    case NitrousDT1Field: return NitrousDT[1];
    case NitrousSG2Field: return NitrousSG[2];
    case NitrousDT2Field: return NitrousDT[2];
    case N2PowerPressureField: return N2PowerPressure;
    case N2RunPressureField: return N2RunPressure;
    case N2DropPressureField: return N2DropPressure;
    case NitrousNotInUseField: return nullptr;
    default: break;
  }
  const int stage = (field - NStartRPMField) % 3;
  switch ((field - NStartRPMField) / 3) {
    case 0: return NStartRPM[stage];
    case 1: return NStartPower[stage];
    case 2: return NFinalPower[stage];
    case 3: return NFinalRPM[stage];
    default: return NProgTime[stage];
  }
}

QWidget* frmDataNitrous::FirstField() {
  return NitrousSG[1]->isEnabled() ? NitrousSG[1] : nullptr;
}

// What the OK left of the calculator's set-up (a stage unticked) an open curve graph's Cancel keeps.
void frmDataNitrous::AfterAccepted() { TakeCalcSetUpIntoSnapshots(); }

// A stage's controls follow whether its curve exists, at every paint.
void frmDataNitrous::Painted() {
  for (int s = 1; s <= 2; ++s) {
    const bool has = S.EngineSummary[s][0] != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{Frame[s], NitrousSG[s], NitrousDT[s], LabelSG[s],
                                                     LabelDT[s], NCorrect[s], ProgStage[s],
                                                     UseStage[s], NCalculate[s]})
      w->setEnabled(has);
  }
}

}  // namespace kestrelon
