#include "entry/ui/frmDataClutch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/state.h"
#include "core/tables.h"
#include "entry/clutch_calc.h"
#include "entry/clutch_spec_calc.h"
#include "entry/model_snapshot.h"
#include "platform/qt/text.h"

namespace kestrelon {
namespace {

// A labelled box in a grid, its label kept by the caller.
QLineEdit* Box(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
               QLabel*& label, const char* caption, const char* tag) {
  label = new QLabel(caption, parent);
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  if (tag) Form::SetTag(box, tag);
  label->setBuddy(box);
  grid->addWidget(label, row, column);
  grid->addWidget(box, row, column + 1);
  return box;
}

void Enable(std::initializer_list<QWidget*> controls, bool on) {
  for (QWidget* c : controls) c->setEnabled(on);
}

}  // namespace

frmDataClutch::frmDataClutch()
    : DataForm("frmDataClutch", "Clutch/Torque Converter Setup",
               {&S.ClutchEntered, &S.ClutchFocusDone, &S.ClutchFormTop, &S.ClutchFormLeft, 4,
                ClutchMessageTitle}) {
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  layout->addLayout(left);

  auto* top = new QGridLayout;
  QLabel* label = nullptr;
  top->addWidget(new QLabel("Clutch Type", this), 0, 0);
  ClutchType = new QComboBox(this);
  ClutchType->setObjectName("ClutchType");
  top->addWidget(ClutchType, 0, 1);
  ClutchDiameter = Box(this, top, 1, 0, "ClutchDiameter", label, "Clutch/flywheel diameter",
                       "The diameter of the clutch basket or flywheel");
  ClutchWeight = Box(this, top, 2, 0, "ClutchWeight", label, "Clutch/flywheel weight",
                     "Total weight of the clutch assembly, including flywheel or basket");
  left->addLayout(top);

  auto* capacity = new QGroupBox("Torque Capacity", this);
  auto* c = new QGridLayout(capacity);
  ClutchTorqueStatic = Box(capacity, c, 0, 0, "ClutchTorqueStatic", StaticLabel, "Static Torque",
                           "The normal torque capacity of the clutch with engine and vehicle at rest");
  ClutchTorqueLocked = Box(capacity, c, 1, 0, "ClutchTorqueLocked", LockedLabel, "Locked Torque",
                           "the torque capacity with the engine flat out.");
  BiteRPM = Box(capacity, c, 2, 0, "BiteRPM", BiteRPMLabel, "Bite/Stall RPM",
                "RPM at whick a slider clutch just creeps, or the quoted stall speed for a torque "
                "converter");
  LockupRPM = Box(capacity, c, 3, 0, "LockupRPM", LockupRPMLabel, "Lockup RPM",
                  "the minimum at which a slider clutch will lock");
  ConverterSlip = Box(capacity, c, 4, 0, "ConverterSlip", ConverterSlipLabel, "Converter Slip%",
                      "the rated slip of a torque converter");
  ConverterMult = Box(capacity, c, 5, 0, "ConverterMult", ConverterMultLabel,
                      "Converter Multiplication Factor",
                      "the rated multiplaction factor for a torque converter");
  left->addWidget(capacity);

  auto* engagement = new QGroupBox("Engagement Profile", this);
  auto* g = new QGridLayout(engagement);
  ClutchEngageInitialPC = Box(engagement, g, 0, 0, "ClutchEngageInitialPC",
                              ClutchEngageInitialPCLabel, "Initial engagement %",
                              "How much the clutch is engaged immediately after the launch");
  ClutchEngageInitial = Box(engagement, g, 1, 0, "ClutchEngageInitial", ClutchEngageInitialLabel,
                            "Initial Engagement Time",
                            "how long it takes the clutch to settle to it's launch engagement");
  ClutchEngageFinal = Box(engagement, g, 2, 0, "ClutchEngageFinal", ClutchEngageFinalLabel,
                          "Time to full engagement", "how long it takes the clutch to be fully engaged");
  ClutchFeather = new QCheckBox("Automatic Clutch", engagement);
  ClutchFeather->setObjectName("ClutchFeather");
  SetTag(ClutchFeather, "click this if you want the optimum clutch engagement to be calculated");
  g->addWidget(ClutchFeather, 3, 0, 1, 2);
  left->addWidget(engagement);

  auto* right = new QVBoxLayout;
  layout->addLayout(right);
  ClutchUseSpec = new QCheckBox("Use mechanical specification", this);
  ClutchUseSpec->setObjectName("ClutchUseSpec");
  SetTag(ClutchUseSpec, "Click here if you want to enter the clutch mechanical data");
  right->addWidget(ClutchUseSpec);
  ClutchMechSpec = new QGroupBox("Clutch mechanical specification", this);
  ClutchMechSpec->setObjectName("ClutchMechSpec");
  auto* m = new QGridLayout(ClutchMechSpec);
  ClutchFrictions = Box(ClutchMechSpec, m, 0, 0, "ClutchFrictions", mechlabel[0],
                        "No. of friction plates", "the number of friction plates in the clutch assembly");
  ClutchOD = Box(ClutchMechSpec, m, 1, 0, "ClutchOD", mechlabel[1], "O.D. of friction surface",
                 "the outside diameter of friction material");
  ClutchID = Box(ClutchMechSpec, m, 2, 0, "ClutchID", mechlabel[2], "I.D. of friction surface",
                 "the inside diameter of the friction material");
  mechlabel[3] = new QLabel("Friction material", ClutchMechSpec);
  ClutchMaterial = new QComboBox(ClutchMechSpec);
  ClutchMaterial->setObjectName("ClutchMaterial");
  SetTag(ClutchMaterial, "The material(s) used to make the friction plates");
  m->addWidget(mechlabel[3], 3, 0);
  m->addWidget(ClutchMaterial, 3, 1);
  mechlabel[4] = new QLabel("Pressure plate material", ClutchMechSpec);
  ClutchBaseMaterial = new QComboBox(ClutchMechSpec);
  ClutchBaseMaterial->setObjectName("ClutchBaseMaterial");
  SetTag(ClutchBaseMaterial,
         "the material used for the pressure plates that go between the friction plates");
  m->addWidget(mechlabel[4], 4, 0);
  m->addWidget(ClutchBaseMaterial, 4, 1);
  ClutchFrictionThickness = Box(ClutchMechSpec, m, 5, 0, "ClutchFrictionThickness", mechlabel[5],
                                "Friction plate thickness", "the thickness of a single friction plate");
  ClutchPressureThickness = Box(ClutchMechSpec, m, 6, 0, "ClutchPressureThickness", mechlabel[6],
                                "Intermediate plate thickness",
                                "the thickness of a single pressure (intermediate) plate");
  ClutchSpring = Box(ClutchMechSpec, m, 7, 0, "ClutchSpring", mechlabel[7],
                     "Spring load at engagement",
                     "the load exerted by the clutch springs at the engagement point");
  ClutchAG = Box(ClutchMechSpec, m, 8, 0, "ClutchAG", mechlabel[8], "Air Gap",
                 "For a slider, how far is the pressure plate from the clutch stack when stationary");
  ClutchArms = Box(ClutchMechSpec, m, 9, 0, "ClutchArms", mechlabel[9], "No. of arms for weights",
                   "How many lockup arms on the clutch");
  ClutchArmPL = Box(ClutchMechSpec, m, 10, 0, "ClutchArmPL", mechlabel[10],
                    "Arm length (pivot to plate)",
                    "How long is the pice of the arm from the pivot to the pressure plate");
  ClutchArmWL = Box(ClutchMechSpec, m, 11, 0, "ClutchArmWL", mechlabel[11],
                    "Arm length (pivot to weight)", "how long is the arm from the pivot to the weight");
  ClutchPCD = Box(ClutchMechSpec, m, 12, 0, "ClutchPCD", mechlabel[12], "P.C.D. of bob-weights",
                  "When the arms are \"engaged\", the diameter of the circle on which the "
                  "bob-weights lie.");
  ClutchArmWeight = Box(ClutchMechSpec, m, 13, 0, "ClutchArmWeight", mechlabel[13],
                        "Weight of each arm", "How heavy is each without any bob weights added");
  ClutchTotalWeight = Box(ClutchMechSpec, m, 14, 0, "ClutchTotalWeight", mechlabel[14],
                          "Total weight added to arms",
                          "the total amount of weight added to the clutch arms (not just the "
                          "weight for one arm)");
  ClutchWet = new QRadioButton("Wet Clutch", ClutchMechSpec);
  ClutchWet->setObjectName("ClutchWet");
  SetTag(ClutchWet, "for clutches that run in oil");
  ClutchDry = new QRadioButton("Dry Clutch", ClutchMechSpec);
  ClutchDry->setObjectName("ClutchDry");
  SetTag(ClutchDry, "for clutches that run in air");
  m->addWidget(ClutchWet, 15, 0);
  m->addWidget(ClutchDry, 15, 1);
  right->addWidget(ClutchMechSpec);

  auto* buttons = new QGridLayout;
  ClutchOKButton = new QPushButton("OK", this);
  ClutchCancelButton = new QPushButton("Cancel", this);
  SetCancelButton(ClutchCancelButton);
  ClutchHelpButton = new QPushButton("Help", this);
  DefaultsButton = new QPushButton("Defaults", this);
  ClutchTimerButton = new QPushButton("Timers...", this);
  RefreshButton = new QPushButton("Refresh", this);
  ClutchOKButton->setDefault(true);
  int i = 0;
  for (QPushButton* b : {ClutchOKButton, ClutchCancelButton, ClutchHelpButton, DefaultsButton,
                         ClutchTimerButton, RefreshButton})
    buttons->addWidget(b, i / 3, i % 3), ++i;
  right->addLayout(buttons);

  for (const char* entry : ClutchTypeEntries) ClutchType->addItem(entry);
  for (int row = 0; row <= Tbl.ClutchMaterialCount; ++row) {
    ClutchMaterial->addItem(QText(Tbl.ClutchMaterial[row].FrictionName));
    ClutchBaseMaterial->addItem(QText(Tbl.ClutchMaterial[row].PlateName));
  }

  connect(ClutchOKButton, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(ClutchCancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
  connect(ClutchHelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });
  connect(DefaultsButton, &QPushButton::clicked, this, &frmDataClutch::DefaultsButton_Click);
  connect(ClutchTimerButton, &QPushButton::clicked, this, &frmDataClutch::ClutchTimerButton_Click);
  connect(RefreshButton, &QPushButton::clicked, this, &frmDataClutch::RefreshButton_Click);
  connect(ClutchType, &QComboBox::activated, this, [this] { ClutchType_Change(); });
  connect(ClutchFeather, &QCheckBox::clicked, this, &frmDataClutch::ClutchFeather_Click);
  connect(ClutchUseSpec, &QCheckBox::clicked, this, &frmDataClutch::ClutchUseSpec_Click);
  OnLostFocus(ClutchTorqueStatic, [this] { ShowLockup(); });
  OnLostFocus(ClutchTorqueLocked, [this] { ShowLockup(); });
}

void frmDataClutch::ApplyLayout(const std::string& code) {
  TypeCode = code;
  const bool spec = ClutchUseSpec->isChecked();
  const bool C = code == "C", L = code == "L", Sl = code == "S", T = code == "T";
  Enable({StaticLabel, ClutchTorqueStatic, LockedLabel, ClutchTorqueLocked}, (C || L) && !spec);
  Enable({BiteRPMLabel, BiteRPM}, (Sl && !spec) || T);
  Enable({LockupRPMLabel, LockupRPM}, Sl && !spec);
  Enable({ConverterSlipLabel, ConverterSlip, ConverterMultLabel, ConverterMult}, T);
  SetEngagementEnabled(!T);
  ClutchFeather->setEnabled(C || L);
  ClutchUseSpec->setEnabled(!T);
  ClutchMechSpec->setEnabled(!T && spec);
  for (int k = 0; k <= 7; ++k) mechlabel[k]->setEnabled(!T && spec);
  Enable({ClutchFrictions, ClutchOD, ClutchID, ClutchMaterial, ClutchBaseMaterial,
          ClutchFrictionThickness, ClutchPressureThickness, ClutchSpring, ClutchWet, ClutchDry},
         !T && spec);
  Enable({mechlabel[8], ClutchAG}, Sl && spec);
  for (int k = 9; k <= 14; ++k) mechlabel[k]->setEnabled((L || Sl) && spec);
  Enable({ClutchArms, ClutchArmPL, ClutchArmWL, ClutchPCD, ClutchArmWeight, ClutchTotalWeight},
         (L || Sl) && spec);
  ClutchTimerButton->setEnabled((L || Sl) && spec);
}

void frmDataClutch::SetEngagementEnabled(bool on) {
  Enable({ClutchEngageInitialPCLabel, ClutchEngageInitialPC, ClutchEngageInitialLabel,
          ClutchEngageInitial, ClutchEngageFinalLabel, ClutchEngageFinal},
         on);
}

void frmDataClutch::ClutchType_Change() {
  ApplyLayout(ClutchWorkingCode(StdText(ClutchType->currentText())));
}

// The automatic clutch fixes the engagement profile; clearing it gives the boxes back.
void frmDataClutch::ClutchFeather_Click() {
  if (ClutchFeather->isChecked()) {
    ClutchEngageInitialPC->setText("50");
    ClutchEngageInitial->setText(".1");
    ClutchEngageFinal->setText(".2");
  }
  SetEngagementEnabled(!ClutchFeather->isChecked());
}

void frmDataClutch::ClutchUseSpec_Click() { ApplyLayout(TypeCode); }

ClutchEntry frmDataClutch::CurrentEntry() const {
  ClutchEntry e;
  e.TypeText = StdText(ClutchType->currentText());
  e.Diameter = BoxText(ClutchDiameter);
  e.Weight = BoxText(ClutchWeight);
  e.TorqueStatic = BoxText(ClutchTorqueStatic);
  e.TorqueLocked = BoxText(ClutchTorqueLocked);
  e.BiteRPM = BoxText(BiteRPM);
  e.LockupRPM = BoxText(LockupRPM);
  e.EngageInitial = BoxText(ClutchEngageInitial);
  e.EngageInitialPC = BoxText(ClutchEngageInitialPC);
  e.EngageFinal = BoxText(ClutchEngageFinal);
  e.ConverterSlip = BoxText(ConverterSlip);
  e.ConverterMult = BoxText(ConverterMult);
  e.Feather = ClutchFeather->isChecked();
  e.UseSpec = ClutchUseSpec->isChecked();
  e.Frictions = BoxText(ClutchFrictions);
  e.OD = BoxText(ClutchOD);
  e.ID = BoxText(ClutchID);
  e.Material = ClutchMaterial->currentIndex();
  e.BaseMaterial = ClutchBaseMaterial->currentIndex();
  e.OtherFriction = OtherFriction;
  e.Wet = ClutchWet->isChecked();
  e.FrictionThickness = BoxText(ClutchFrictionThickness);
  e.PressureThickness = BoxText(ClutchPressureThickness);
  e.Spring = BoxText(ClutchSpring);
  e.AG = BoxText(ClutchAG);
  e.Arms = BoxText(ClutchArms);
  e.ArmPL = BoxText(ClutchArmPL);
  e.ArmWL = BoxText(ClutchArmWL);
  e.PCD = BoxText(ClutchPCD);
  e.ArmWeight = BoxText(ClutchArmWeight);
  e.TotalWeight = BoxText(ClutchTotalWeight);
  return e;
}

// The boxes the clutch logic may fill: capacities, rpm, engagement and converter figures.
void frmDataClutch::ShowEntry(const ClutchEntry& e) {
  SetBoxText(ClutchTorqueStatic, e.TorqueStatic);
  SetBoxText(ClutchTorqueLocked, e.TorqueLocked);
  SetBoxText(BiteRPM, e.BiteRPM);
  SetBoxText(LockupRPM, e.LockupRPM);
  SetBoxText(ClutchEngageInitial, e.EngageInitial);
  SetBoxText(ClutchEngageInitialPC, e.EngageInitialPC);
  SetBoxText(ClutchEngageFinal, e.EngageFinal);
  SetBoxText(ConverterSlip, e.ConverterSlip);
  SetBoxText(ConverterMult, e.ConverterMult);
  if (ClutchFeather->isChecked() && !e.Feather) {
    ClutchFeather->setChecked(false);
    ClutchFeather_Click();
  }
}

void frmDataClutch::FillFromModel() {
  TimersVisited = False;
  const ClutchEntry e = LoadClutchEntry();
  ClutchType->setCurrentIndex(ClutchTypeIndex(S.VehicleData[6][12]));
  SetBoxText(ClutchDiameter, e.Diameter);
  SetBoxText(ClutchWeight, e.Weight);
  ClutchFeather->setChecked(e.Feather);
  ShowEntry(e);
  SetBoxText(ClutchFrictions, e.Frictions);
  SetBoxText(ClutchOD, e.OD);
  SetBoxText(ClutchID, e.ID);
  ClutchMaterial->setCurrentIndex(e.Material);
  ClutchBaseMaterial->setCurrentIndex(e.BaseMaterial);
  OtherFriction = e.OtherFriction;
  SetBoxText(ClutchFrictionThickness, e.FrictionThickness);
  SetBoxText(ClutchPressureThickness, e.PressureThickness);
  SetBoxText(ClutchSpring, e.Spring);
  SetBoxText(ClutchArms, e.Arms);
  SetBoxText(ClutchArmPL, e.ArmPL);
  SetBoxText(ClutchArmWL, e.ArmWL);
  SetBoxText(ClutchPCD, e.PCD);
  SetBoxText(ClutchArmWeight, e.ArmWeight);
  SetBoxText(ClutchTotalWeight, e.TotalWeight);
  ClutchUseSpec->setChecked(e.UseSpec);
  (e.Wet ? ClutchWet : ClutchDry)->setChecked(true);
  SetBoxText(ClutchAG, e.AG);
  ClutchType_Change();
  // A stored automatic clutch keeps its engagement boxes off; ticking the specification on
  // load applies the layout once more, which switches them on again.
  if (e.Feather && !e.UseSpec) SetEngagementEnabled(false);
}

Verdict frmDataClutch::Accept() {
  ClutchEntry e = CurrentEntry();
  const Verdict refusal = AcceptClutch(e);
  ShowEntry(e);
  return refusal;
}

void frmDataClutch::AfterAccepted() {
  if (!S.VehicleData[1][14].empty() && !TimersVisited) ClutchTimerButton_Click();
}

// Shows what the specification gives without accepting anything: the OK stores it.
void frmDataClutch::RefreshButton_Click() {
  const ModelSnapshot before;
  ClutchEntry e = CurrentEntry();
  const Verdict refusal = CheckClutchSpec(e, TypeCode);
  ShowEntry(e);
  before.Restore();
  if (refusal) ShowRefusal(*refusal);
}

void frmDataClutch::ShowCapacities(const QString& staticText, const QString& lockedText) {
  ClutchTorqueStatic->setText(staticText);
  ClutchTorqueLocked->setText(lockedText);
}

void frmDataClutch::DefaultsButton_Click() {
  ClutchEntry e = CurrentEntry();
  if (const Verdict refusal = ClutchDefaults(e, TypeCode)) return ShowRefusal(*refusal);
  ShowEntry(e);
}

void frmDataClutch::ClutchTimerButton_Click() {
  // Visited from the moment they open: an OK that F2 in the timers passes on does not open
  // them again.
  TimersVisited = True;
  if (Form* timers = Form::Instance("frmDataClutchTimers")) {
    // During the pass the timers accept themselves in their load; a refusal keeps them open.
    if (S.AutoAccept) timers->Load();
    if (timers->IsLoaded() || !S.AutoAccept) timers->ShowModal();
  }
  // The focus the timers hand back would stay on this button, and Enter would open them again
  // and again: Enter accepts the clutch form, as OK does.
  if (isVisible()) ClutchOKButton->setFocus();
}

void frmDataClutch::ShowLockup() {
  if (TypeCode != "S" && TypeCode != "L") return;
  ClutchEntry e = CurrentEntry();
  ShowLockupRPM(e, TypeCode);
  SetBoxText(BiteRPM, e.BiteRPM);
  SetBoxText(LockupRPM, e.LockupRPM);
}

QWidget* frmDataClutch::FieldControl(int field) {
  switch (field) {
    case ClutchDiameterField: return ClutchDiameter;
    case ClutchWeightField: return ClutchWeight;
    case ClutchTorqueStaticField: return ClutchTorqueStatic;
    case ClutchTorqueLockedField: return ClutchTorqueLocked;
    case BiteRPMField: return BiteRPM;
    case LockupRPMField: return LockupRPM;
    case ClutchEngageInitialField: return ClutchEngageInitial;
    case ClutchEngageInitialPCField: return ClutchEngageInitialPC;
    case ClutchEngageFinalField: return ClutchEngageFinal;
    case ConverterSlipField: return ConverterSlip;
    case ConverterMultField: return ConverterMult;
    case ClutchFrictionsField: return ClutchFrictions;
    case ClutchODField: return ClutchOD;
    case ClutchIDField: return ClutchID;
    case ClutchMaterialField:
    case ClutchFrictionCoeffField: return ClutchMaterial;
    case ClutchBaseMaterialField: return ClutchBaseMaterial;
    case ClutchFrictionThicknessField: return ClutchFrictionThickness;
    case ClutchPressureThicknessField: return ClutchPressureThickness;
    case ClutchSpringField: return ClutchSpring;
    case ClutchAGField: return ClutchAG;
    case ClutchArmsField: return ClutchArms;
    case ClutchArmPLField: return ClutchArmPL;
    case ClutchArmWLField: return ClutchArmWL;
    case ClutchPCDField: return ClutchPCD;
    case ClutchArmWeightField: return ClutchArmWeight;
    case ClutchTotalWeightField: return ClutchTotalWeight;
    default: return nullptr;
  }
}

}  // namespace kestrelon
