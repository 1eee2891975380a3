#include "entry/ui/frmNitrousAdjust.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "core/settings.h"
#include "core/state.h"
#include "entry/ui/data_form.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

QLineEdit* Box(QWidget* parent, QGridLayout* grid, int row, const char* name, const char* label,
               const char* tag) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  Form::SetTag(box, tag);
  grid->addWidget(new QLabel(label, parent), row, 0);
  grid->addWidget(box, row, 1);
  return box;
}

}  // namespace

frmNitrousAdjust::frmNitrousAdjust() : Form("frmNitrousAdjust", "Calculate Nitrous Power") {
  auto* layout = new QVBoxLayout(this);
  auto* engine = new QGroupBox("Engine Data", this);
  engine->setObjectName("EFrame");
  auto* e = new QGridLayout(engine);
  Capacity = Box(engine, e, 0, "Capacity", "Engine Capacity", "Size of engine ");
  Cylinders = Box(engine, e, 1, "Cylinders", "Number of cylinders",
                  "The number of cylinders the engine has");
  VolEff = Box(engine, e, 2, "VolEff", "Peak Volumetric Efficiency (%)",
               "The maximum volumetric efficiency of the engine. The will probably be around 100% "
               "for a normally aspirated street/strip engine");
  TransEff = Box(engine, e, 3, "TransEff", "Transmission Efficiency (%)",
                 "The efficiency of the transmission (assume 100% if power is measured at the "
                 "driving wheels)");
  layout->addWidget(engine);

  auto* nitrous = new QGroupBox("Nitrous Data", this);
  nitrous->setObjectName("NFrame");
  auto* n = new QGridLayout(nitrous);
  NumJets = Box(nitrous, n, 0, "NumJets", "Number of nitrous jets",
                "The number of nitrous jets for this nitrous stage");
  JetSize = Box(nitrous, n, 1, "JetSize", "Nitrous Jet size", "The size of each jet in this nitrous stage");
  Percentage = Box(nitrous, n, 2, "Percentage", "Nitrous percentage",
                   "The percentage of the maximum nitrous flow for this stage (normally set by the "
                   "nitrous controller)");
  BottlePress = Box(nitrous, n, 3, "BottlePress", "Bottle Pressure",
                    "The bottle pressure at which the power correction will be calculated");
  layout->addWidget(nitrous);

  layout->addWidget(new QLabel("Power curve to use for calculation:", this));
  PCurve = new QComboBox(this);
  PCurve->setObjectName("PCurve");
  SetTag(PCurve, "Select a power curve to which this nitrous stage will be ADDED");
  layout->addWidget(PCurve);

  auto* buttons = new QHBoxLayout;
  cmdOK = new QPushButton("OK", this);
  cmdCancel = new QPushButton("Cancel", this);
  cmdOK->setDefault(true);
  SetCancelButton(cmdCancel);
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  layout->addLayout(buttons);
  connect(cmdOK, &QPushButton::clicked, this, &frmNitrousAdjust::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmNitrousAdjust::cmdCancel_Click);
}

void frmNitrousAdjust::Form_Load() {
  const NitrousCalcEntry entry = LoadNitrousCalcEntry(stage_);
  SetBoxText(Capacity, entry.Capacity);
  SetBoxText(Cylinders, entry.Cylinders);
  SetBoxText(VolEff, entry.VolEff);
  SetBoxText(TransEff, entry.TransEff);
  SetBoxText(NumJets, entry.NumJets);
  SetBoxText(JetSize, entry.JetSize);
  SetBoxText(Percentage, entry.Percentage);
  SetBoxText(BottlePress, entry.BottlePress);
  PCurve->clear();
  for (const std::string& name : PowerCurveEntries()) PCurve->addItem(QText(name));
  PCurve->setCurrentIndex(entry.PCurve);
  CentreOnScreen();
  if (suppress_) {
    cmdOK_Click();
    return;
  }
  if (Cfg.ShowToolTips) ApplyTags();
}

void frmNitrousAdjust::cmdOK_Click() {
  NitrousCalcEntry entry;
  entry.Capacity = BoxText(Capacity);
  entry.Cylinders = BoxText(Cylinders);
  entry.VolEff = BoxText(VolEff);
  entry.TransEff = BoxText(TransEff);
  entry.NumJets = BoxText(NumJets);
  entry.JetSize = BoxText(JetSize);
  entry.Percentage = BoxText(Percentage);
  entry.BottlePress = BoxText(BottlePress);
  entry.PCurve = PCurve->currentIndex();
  ui().SetBusyCursor(true);
  const Verdict refusal = AcceptNitrousCalc(stage_, entry);
  ui().SetBusyCursor(false);
  if (refusal) {
    ui().MsgBox(refusal->message, Msg::OKOnly, "Nitrous Power");
    if (QWidget* field = FieldControl(refusal->field)) field->setFocus();
    return;
  }
  accepted_ = true;
  Unload();
}

void frmNitrousAdjust::cmdCancel_Click() { Unload(); }

QWidget* frmNitrousAdjust::FieldControl(int field) {
  QWidget* controls[] = {Capacity, Cylinders, VolEff,      TransEff, NumJets,
                         JetSize,  Percentage, BottlePress, PCurve};
  return controls[field];
}

bool RunNitrousCalculator(Integer stage) {
  if (stage != 1 && stage != 2) return false;  // only the two nitrous stages are built
  auto calculator = std::make_unique<frmNitrousAdjust>();
  calculator->NitrousStage(stage);
  calculator->SuppressDisplay(S.AutoAccept);
  // A calculator that accepted itself in its load is gone; one that refused shows itself.
  calculator->ShowModal();
  calculator->Unload();
  return calculator->Accepted();
}

}  // namespace kestrelon
