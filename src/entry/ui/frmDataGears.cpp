#include "entry/ui/frmDataGears.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/state.h"
#include "entry/inertia_calc.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"

namespace kestrelon {

frmDataGears::frmDataGears()
    : DataForm("frmDataGears", "Transmission Data",
               {&S.TransmissionEntered, &S.GearsFocusDone, &S.GearsFormTop, &S.GearsFormLeft, 17,
                "Transmission Data"}) {
  auto* layout = new QVBoxLayout(this);
  auto* drive = new QGridLayout;
  TransPrimary = AddBox(drive, 0, "TransPrimary", "Primary drive ratio",
                        "The speed ration between the crankshaft and the clutch. This is 1 for "
                        "most cars.");
  TransFinal = AddBox(drive, 1, "TransFinal", "Final Drive Ratio",
                      "You can enter a value of \"Drven teeth / drive teeth\" for this");
  layout->addLayout(drive);

  auto* table = new QGroupBox("Internal gear ratios", this);
  table->setObjectName("Frame1");
  auto* grid = new QGridLayout(table);
  GearSpeedLabel = new QLabel("Speed at 10000 RPM", table);
  GearSpeedLabel->setObjectName("GearSpeedLabel");
  const char* headings[] = {"Internal", "Overall", nullptr, "Upshift RPM", "Upshift Duration",
                            "Upshift Point (sec)", "Lockup (Auto) "};
  for (int c = 0; c < 7; ++c)
    grid->addWidget(headings[c] ? new QLabel(headings[c], table) : GearSpeedLabel, 0, c + 1);
  auto box = [&](const char* name, int i, int column, const char* tag) {
    auto* b = new QLineEdit(table);
    b->setObjectName(QString("%1_%2").arg(name).arg(i));
    SetTag(b, tag);
    grid->addWidget(b, i + 1, column);
    return b;
  };
  for (int i = 0; i < GearRows; ++i) {
    grid->addWidget(new QLabel(QString::number(i + 1), table), i + 1, 0);
    GearInternal[i] = box("GearInternal", i, 1, "Internal gearbox ratio");
    GearOverall[i] = new QLabel(" ", table);
    GearSpeed[i] = new QLabel(" ", table);
    grid->addWidget(GearOverall[i], i + 1, 2);
    grid->addWidget(GearSpeed[i], i + 1, 3);
    GearRPM[i] = box("GearRPM", i, 4,
                     "The RPM at which you want to change gear. Leave blank to calculate the "
                     "optimum value ");
    GearChange[i] = box("GearChange", i, 5,
                        "The time taken to change gear. Overrides the default upshift duration");
    GearSec[i] = box("GearSec", i, 6,
                     "Use this if you want to force the gearshift at a certain time into the run");
    GearLockup[i] = new QCheckBox(table);
    SetTag(GearLockup[i], "If using a torque converter, click if this gear has a lockup feature");
    grid->addWidget(GearLockup[i], i + 1, 7);
    OnLostFocus(GearInternal[i], [this, i] { GearInternal_LostFocus(i); });
  }
  layout->addWidget(table);

  auto* rest = new QGridLayout;
  TransStart = AddBox(rest, 0, "TransStart", "Starting gear", "The gear used for the launch");
  TransEff = AddBox(rest, 1, "TransEff", "Transmission Efficiency (%)",
                    "Enter a percentage value here to simulate transmission losses");
  GearUpshiftDefault = AddBox(rest, 2, "GearUpshiftDefault", "Default Upshift Duration",
                              "How long does a gearshift normally take");
  PowerShiftCheck = new QCheckBox("Use Power Shifts", this);
  PowerShiftCheck->setObjectName("PowerShiftCheck");
  SetTag(PowerShiftCheck,
         "Click this if gearshifts on a manual gearbox are made under full power");
  rest->addWidget(PowerShiftCheck, 3, 0, 1, 2);
  layout->addLayout(rest);

  auto* buttons = new QHBoxLayout;
  GearOKButton = new QPushButton("OK", this);
  GearCancelButton = new QPushButton("Cancel", this);
  GearHelpButton = new QPushButton("Help", this);
  GearOKButton->setDefault(true);
  SetCancelButton(GearCancelButton);
  for (QPushButton* b : {GearOKButton, GearCancelButton, GearHelpButton}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(GearOKButton, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(GearCancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
  connect(GearHelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });
  OnLostFocus(TransPrimary, [this] { TransPrimary_LostFocus(); });
  OnLostFocus(TransFinal, [this] { TransFinal_LostFocus(); });
}

void frmDataGears::TakeTexts() {
  entry_.Primary = BoxText(TransPrimary);
  entry_.Final = BoxText(TransFinal);
  entry_.Start = BoxText(TransStart);
  entry_.Eff = BoxText(TransEff);
  entry_.UpshiftDefault = BoxText(GearUpshiftDefault);
  for (int i = 0; i < GearRows; ++i) {
    entry_.Internal[i] = BoxText(GearInternal[i]);
    entry_.RPM[i] = BoxText(GearRPM[i]);
    entry_.Change[i] = BoxText(GearChange[i]);
    entry_.Sec[i] = BoxText(GearSec[i]);
    entry_.Lockup[i] = GearLockup[i]->isChecked();
  }
  entry_.PowerShift = PowerShiftCheck->isChecked();
}

void frmDataGears::ShowTexts() {
  SetBoxText(TransPrimary, entry_.Primary);
  SetBoxText(TransFinal, entry_.Final);
  SetBoxText(TransStart, entry_.Start);
  SetBoxText(TransEff, entry_.Eff);
  SetBoxText(GearUpshiftDefault, entry_.UpshiftDefault);
  for (int i = 0; i < GearRows; ++i) {
    SetBoxText(GearInternal[i], entry_.Internal[i]);
    SetBoxText(GearRPM[i], entry_.RPM[i]);
    SetBoxText(GearChange[i], entry_.Change[i]);
    SetBoxText(GearSec[i], entry_.Sec[i]);
    GearLockup[i]->setChecked(entry_.Lockup[i]);
  }
  PowerShiftCheck->setChecked(entry_.PowerShift);
  ShowTable();
}

void frmDataGears::ShowTable() {
  for (int i = 0; i < GearRows; ++i) {
    GearOverall[i]->setText(QText(entry_.OverallCaption[i]));
    GearSpeed[i]->setText(QText(entry_.SpeedCaption[i]));
  }
}

void frmDataGears::FillFromModel() {
  atOpen_ = GearingValues{};
  entry_ = GearsEntry{};
  LoadGears(entry_);
  ShowTexts();
}

void frmDataGears::AfterAccepted() {
  FollowEngineInertia();  // the engine-side inertia follows the primary ratio
  atOpen_ = GearingValues{};  // accepted under F2 the form stays open: its Cancel keeps this
}

void frmDataGears::Painted() {
  entry_.DisplayRPMIndex = DisplayRPMIndexNow();
  const QString heading = QText(GearSpeedHeading(entry_.DisplayRPMIndex));
  if (GearSpeedLabel->text() == heading) return;
  GearSpeedLabel->setText(heading);
  // New display units or a new top of the curve: the figures follow their heading.
  RedrawFromModel();
}

void frmDataGears::RedrawFromModel() {
  ShowGearSpeeds(entry_);
  ShowTable();
}

// A blank ratio box leaves its row showing the figures last worked out.
void frmDataGears::GearInternal_LostFocus(int index) {
  if (IsBlank(BoxText(GearInternal[index]))) return;
  TakeTexts();
  RecalcGearTable(entry_, index);
  ShowTexts();
}

void frmDataGears::ShowDriveRatioRefusal(const Verdict& refusal) {
  if (!refusal) return;
  ui().MsgBox(refusal->message, Msg::Question, "Transmission Data");
  FieldControl(refusal->field)->setFocus();
}

void frmDataGears::TransPrimary_LostFocus() {
  TakeTexts();
  const Verdict refusal = kestrelon::TransPrimary_LostFocus(entry_);
  ShowTexts();
  ShowDriveRatioRefusal(refusal);
}

void frmDataGears::TransFinal_LostFocus() {
  TakeTexts();
  const Verdict refusal = kestrelon::TransFinal_LostFocus(entry_);
  ShowTexts();
  ShowDriveRatioRefusal(refusal);
}

Verdict frmDataGears::Accept() {
  TakeTexts();
  const Verdict verdict = AcceptGears(entry_, KeyboardAccept);
  ShowTexts();
  return verdict;
}

QWidget* frmDataGears::FieldControl(int field) {
  switch (field) {
    case TransPrimaryField: return TransPrimary;
    case TransFinalField: return TransFinal;
    case GearUpshiftDefaultField: return GearUpshiftDefault;
    case GearsTransEffField: return TransEff;
    case TransStartField: return TransStart;
  }
  const int row = field % 10;
  if (row >= GearRows) return nullptr;
  switch (field - row) {
    case GearInternalField: return GearInternal[row];
    case GearRPMField: return GearRPM[row];
    case GearChangeField: return GearChange[row];
    case GearSecField: return GearSec[row];
  }
  return nullptr;
}

}  // namespace kestrelon
