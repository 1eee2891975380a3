#include "entry/ui/frmDataChassis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/state.h"
#include "platform/ui_seam.h"

namespace kestrelon {

frmDataChassis::frmDataChassis()
    : DataForm("frmDataChassis", "Chassis data",
               {&S.ChassisEntered, &S.ChassisFocusDone, &S.ChassisFormTop, &S.ChassisFormLeft, 3,
                "Chassis data"}) {
  auto* layout = new QVBoxLayout(this);

  auto* dimensions = new QGroupBox("Chassis dimensions", this);
  auto* dims = new QGridLayout(dimensions);
  ChassisWheelbase = AddBox(dims, 0, "ChassisWheelbase", "Wheelbase");
  ChassisWeight = AddBox(dims, 1, "ChassisWeight", "Vehicle Weight");
  ChassisCGL = AddBox(dims, 2, "ChassisCGL", "Distance of C.G. from rear axle");
  ChassisCGP = AddBox(dims, 3, "ChassisCGP", "Percentage of weight on rear wheels");
  ChassisCGH = AddBox(dims, 4, "ChassisCGH", "Height of C.G. above ground");
  ChassisCrankL = AddBox(dims, 5, "ChassisCrankL", "Crankshaft to rear axle distance (bike)");
  layout->addWidget(dimensions);

  WheelieFrame = new QGroupBox("Wheelie bars", this);
  auto* bars = new QGridLayout(WheelieFrame);
  UseWheelieBarCheck = new QCheckBox("Use wheelie bars", WheelieFrame);
  UseWheelieBarCheck->setObjectName("UseWheelieBarCheck");
  bars->addWidget(UseWheelieBarCheck, 0, 0, 1, 2);
  ChassisWBL = AddBox(bars, 1, "ChassisWBL", "Length");
  ChassisWBH = AddBox(bars, 2, "ChassisWBH", "Height off ground");
  LabelWBL = qobject_cast<QLabel*>(bars->itemAtPosition(1, 0)->widget());
  LabelWBH = qobject_cast<QLabel*>(bars->itemAtPosition(2, 0)->widget());
  layout->addWidget(WheelieFrame);

  auto* driveFrame = new QGroupBox("Drive type", this);
  auto* drive = new QHBoxLayout(driveFrame);
  AWDOpt = new QRadioButton("AWD", driveFrame);
  FWDOpt = new QRadioButton("FWD", driveFrame);
  RWDOpt = new QRadioButton("RWD", driveFrame);
  ChassisDrive = new QLineEdit(driveFrame);
  ChassisDrive->setObjectName("ChassisDrive");
  for (QWidget* w : {static_cast<QWidget*>(AWDOpt), static_cast<QWidget*>(FWDOpt),
                     static_cast<QWidget*>(RWDOpt), static_cast<QWidget*>(ChassisDrive)})
    drive->addWidget(w);
  layout->addWidget(driveFrame);

  auto* suspension = new QGroupBox("Front Suspension", this);
  auto* susp = new QGridLayout(suspension);
  ChassisFTravel = AddBox(susp, 0, "ChassisFTravel", "Travel");
  ChassisFRate = AddBox(susp, 1, "ChassisFRate", "Rate");
  ChassisFPrel = AddBox(susp, 2, "ChassisFPrel", "Preload");
  ChassisFDamp = new QComboBox(suspension);
  ChassisFDamp->setObjectName("ChassisFDamp");
  susp->addWidget(new QLabel("Damping", suspension), 3, 0);
  susp->addWidget(ChassisFDamp, 3, 1);
  auto* presets = new QHBoxLayout;
  SuspHard = new QRadioButton("Hard", suspension);
  SuspMedium = new QRadioButton("Medium", suspension);
  SuspSoft = new QRadioButton("Soft", suspension);
  SuspCustom = new QRadioButton("Custom", suspension);
  for (QRadioButton* b : {SuspHard, SuspMedium, SuspSoft, SuspCustom}) presets->addWidget(b);
  susp->addLayout(presets, 4, 0, 1, 2);
  layout->addWidget(suspension);

  auto* buttons = new QHBoxLayout;
  ChassisOKButton = new QPushButton("OK", this);
  ChassisCancelButton = new QPushButton("Cancel", this);
  ChassisHelpButton = new QPushButton("Help", this);
  ChassisOKButton->setDefault(true);
  SetCancelButton(ChassisCancelButton);
  for (QPushButton* b : {ChassisOKButton, ChassisCancelButton, ChassisHelpButton})
    buttons->addWidget(b);
  layout->addLayout(buttons);

  connect(ChassisOKButton, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(ChassisCancelButton, &QPushButton::clicked, this, [this] {
    FormReady = False;
    CancelButton_Click();
  });
  connect(ChassisHelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });
  connect(AWDOpt, &QRadioButton::clicked, this, &frmDataChassis::AWDOpt_Click);
  connect(FWDOpt, &QRadioButton::clicked, this, &frmDataChassis::FWDOpt_Click);
  connect(RWDOpt, &QRadioButton::clicked, this, &frmDataChassis::RWDOpt_Click);
  connect(UseWheelieBarCheck, &QCheckBox::clicked, this,
          &frmDataChassis::UseWheelieBarCheck_Click);
  connect(SuspHard, &QRadioButton::clicked, this, [this] { SuspPreset_Click(SuspensionPreset::Hard); });
  connect(SuspMedium, &QRadioButton::clicked, this,
          [this] { SuspPreset_Click(SuspensionPreset::Medium); });
  connect(SuspSoft, &QRadioButton::clicked, this, [this] { SuspPreset_Click(SuspensionPreset::Soft); });

  OnLostFocus(ChassisWheelbase, [this] { WhenReady(ChassisWheelbase_LostFocus); });
  OnLostFocus(ChassisCGL, [this] { WhenReady(ChassisCGL_LostFocus); });
  OnLostFocus(ChassisCGP, [this] { WhenReady(ChassisCGP_LostFocus); });
}

ChassisEntry frmDataChassis::Entry() const {
  ChassisEntry e;
  e.Wheelbase = BoxText(ChassisWheelbase);
  e.Weight = BoxText(ChassisWeight);
  e.CGL = BoxText(ChassisCGL);
  e.CGP = BoxText(ChassisCGP);
  e.CGH = BoxText(ChassisCGH);
  e.CrankL = BoxText(ChassisCrankL);
  e.WBL = BoxText(ChassisWBL);
  e.WBH = BoxText(ChassisWBH);
  e.FTravel = BoxText(ChassisFTravel);
  e.FRate = BoxText(ChassisFRate);
  e.FPrel = BoxText(ChassisFPrel);
  e.Damping = static_cast<DampingChoice>(ChassisFDamp->currentIndex());
  e.Drive = AWDOpt->isChecked()   ? DriveLayout::AWD
            : FWDOpt->isChecked() ? DriveLayout::FWD
                                  : DriveLayout::RWD;
  e.UseWheelieBars = UseWheelieBarCheck->isChecked();
  e.DriveText = BoxText(ChassisDrive);
  return e;
}

void frmDataChassis::ShowEntry(const ChassisEntry& e) {
  SetBoxText(ChassisWheelbase, e.Wheelbase);
  SetBoxText(ChassisWeight, e.Weight);
  SetBoxText(ChassisCGL, e.CGL);
  SetBoxText(ChassisCGP, e.CGP);
  SetBoxText(ChassisCGH, e.CGH);
  SetBoxText(ChassisCrankL, e.CrankL);
  SetBoxText(ChassisWBL, e.WBL);
  SetBoxText(ChassisWBH, e.WBH);
  SetBoxText(ChassisFTravel, e.FTravel);
  SetBoxText(ChassisFRate, e.FRate);
  SetBoxText(ChassisFPrel, e.FPrel);
  ChassisFDamp->setCurrentIndex(static_cast<int>(e.Damping));
  SetBoxText(ChassisDrive, e.DriveText);
}

void frmDataChassis::WhenReady(void (*handler)(ChassisEntry&, ChassisBase&)) {
  if (!FormReady) return;
  ChassisEntry e = Entry();
  handler(e, base_);
  ShowEntry(e);
}

void frmDataChassis::FillFromModel() {
  ChassisFDamp->clear();
  ChassisFDamp->addItems({"Hard", "Medium", "Soft", "None"});
  // A fresh load: boxes without a stored text start empty.
  ChassisEntry e;
  LoadChassis(e, base_);
  ShowEntry(e);
  switch (e.Drive) {
    case DriveLayout::AWD: AWDOpt->setChecked(true); AWDOpt_Click(); break;
    case DriveLayout::FWD: FWDOpt->setChecked(true); FWDOpt_Click(); break;
    case DriveLayout::RWD: RWDOpt->setChecked(true); RWDOpt_Click(); break;
  }
  UseWheelieBarCheck->setChecked(e.UseWheelieBars);
  UseWheelieBarCheck_Click();
  SuspCustom->setChecked(true);
}

void frmDataChassis::SetWheelieControls(bool enabled) {
  for (QWidget* w : {static_cast<QWidget*>(LabelWBH), static_cast<QWidget*>(LabelWBL),
                     static_cast<QWidget*>(ChassisWBL), static_cast<QWidget*>(ChassisWBH)})
    w->setEnabled(enabled);
}

// Front- and all-wheel-drive vehicles have no wheelie bars.
void frmDataChassis::AWDOpt_Click() { FWDOpt_Click(); }
void frmDataChassis::FWDOpt_Click() {
  WheelieFrame->setEnabled(false);
  SetWheelieControls(false);
}
void frmDataChassis::RWDOpt_Click() {
  WheelieFrame->setEnabled(true);
  SetWheelieControls(true);
}
void frmDataChassis::UseWheelieBarCheck_Click() {
  SetWheelieControls(UseWheelieBarCheck->isChecked());
}

void frmDataChassis::SuspPreset_Click(SuspensionPreset preset) {
  ChassisEntry e = Entry();
  if (const Verdict refusal = ApplySuspensionPreset(e, base_, preset)) {
    ui().MsgBox(refusal->message, Msg::Question, "Chassis data");
    if (QWidget* field = FieldControl(refusal->field)) field->setFocus();
    return;
  }
  ShowEntry(e);
}

bool frmDataChassis::OKAllowed() {
  // Not before the first paint has put the focus on the first field.
  return S.AutoAccept || S.ChassisEntered || S.ChassisFocusDone;
}

Verdict frmDataChassis::Accept() {
  ChassisEntry e = Entry();
  const Verdict verdict = AcceptChassis(e, base_);
  ShowEntry(e);
  return verdict;
}

QWidget* frmDataChassis::FieldControl(int field) {
  switch (field) {
    case ChassisWheelbaseField: return ChassisWheelbase;
    case ChassisWeightField: return ChassisWeight;
    case ChassisCGLField: return ChassisCGL;
    case ChassisCGPField: return ChassisCGP;
    case ChassisCGHField: return ChassisCGH;
    case ChassisCrankLField: return ChassisCrankL;
    case ChassisWBLField: return ChassisWBL;
    case ChassisWBHField: return ChassisWBH;
    case ChassisFTravelField: return ChassisFTravel;
    case ChassisFRateField: return ChassisFRate;
    case ChassisFPrelField: return ChassisFPrel;
  }
  return nullptr;
}

}  // namespace kestrelon
