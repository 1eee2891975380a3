#include "power/ui/frmPowerManipulate.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/expression.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/ui/pictures.h"
#include "core/units.h"
#include "entry/ui/frmNitrousAdjust.h"
#include "platform/qt/help_window.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "entry/clutch_calc.h"
#include "power/stored_curve.h"

namespace kestrelon {

namespace {

constexpr int HelpContext = 12;
constexpr const char* Title = "Power curve manipulation";
constexpr Single KWPerBHP = 0.74617f;

// The plain number a field holds, read as the data forms read theirs: blanks anywhere are
// skipped, and a NUL or line end pasted in is a blank.
double FieldNumber(const QLineEdit* field) { return PlainNumber(BoxText(field)); }
bool FieldEmpty(const QLineEdit* field) { return field->text().isEmpty(); }
// Whole numbers and Single values as the field shows them (".9", not the double's digits).
QString NumberText(int x) { return QText(NumText(static_cast<double>(x))); }
QString NumberText(Single x) { return QText(NumText(x)); }

}  // namespace

frmPowerManipulate::frmPowerManipulate()
    : Form("frmPowerManipulate", QStringLiteral("Manipulate Power")) {
  Frame1 = new QGroupBox(QStringLiteral("Operation"), this);
  auto* ops = new QVBoxLayout(Frame1);
  const auto op = [&](const char* caption, const char* option) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), Frame1);
    ops->addWidget(button);
    connect(button, &QRadioButton::clicked, this, [this, option] { ChooseOperation(option); });
    return button;
  };
  ManFill = op("Fill in gaps", "FILL");
  ManMult = op("Multiply", "MULT");
  ManShift = op("Move power curve", "SHIFT");
  ManComp = op("Change Compression", "CR");
  ManAddBoost = op("Change Turbo Boost", "BOOST");
  ManRPM = op("Change Maximum RPM", "RPM");
  ManTorque = op("Add Constant Torque", "TORQUE");
  ManAddN2O = op("Change Nitrous", "N2O");

  auto* frames = new QVBoxLayout;
  const auto frame = [&](const char* caption) {
    auto* box = new QGroupBox(QString::fromLatin1(caption), this);
    new QGridLayout(box);
    frames->addWidget(box);
    return box;
  };
  const auto field = [](QGroupBox* box, int row, QLabel*& label, const char* caption,
                        QLineEdit*& edit) {
    auto* grid = static_cast<QGridLayout*>(box->layout());
    label = new QLabel(QString::fromLatin1(caption), box);
    edit = new QLineEdit(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
  };
  const auto option = [](QGroupBox* box, int row, int col, const char* caption) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), box);
    static_cast<QGridLayout*>(box->layout())->addWidget(button, row, col);
    return button;
  };
  CompressionFrame = frame("Compression Ratio");
  field(CompressionFrame, 0, OldCRLabel, "Old C.R.", OldCR);
  field(CompressionFrame, 1, NewCRLabel, "New C.R.", NewCR);
  MultiplyFrame = frame("Multiplication");
  field(MultiplyFrame, 0, MultFactorLabel, "Factor", MultFactor);
  MultMult = option(MultiplyFrame, 1, 0, "Multiply");
  MultDiv = option(MultiplyFrame, 1, 1, "Divide");
  MovePowerFrame = frame("Move power curve");
  field(MovePowerFrame, 0, MoveRPMLabel, "RPM to move", MoveRPM);
  MoveUp = option(MovePowerFrame, 1, 0, "Up");
  MoveDown = option(MovePowerFrame, 1, 1, "Down");
  TurboFrame = frame("Turbo Boost pressure");
  field(TurboFrame, 0, OldBoostLabel, "Old Boost ", OldBoost);
  field(TurboFrame, 1, NewBoostLabel, "New boost ", NewBoost);
  NitrousFrame = frame("Nitrous Oxide");
  field(NitrousFrame, 0, NewNitrousLabel, "Power change", NewNitrous);
  NitrousAdd = option(NitrousFrame, 1, 0, "Add");
  NitrousSubtract = option(NitrousFrame, 1, 1, "Subtract");
  NitrousCalculate = option(NitrousFrame, 2, 0, "Calc.");
  MaxRPMFrame = frame("Change Maximum RPM");
  field(MaxRPMFrame, 0, MaxRPMLabel, "Maximum RPM", MaxRPM);
  TorqueAddFrame = frame("Add Constant Torque");
  field(TorqueAddFrame, 0, TorqueAddLabel, "Torque to add", TorqueAdd);
  RPMAffectedFrame = frame("Affected RPM range");
  field(RPMAffectedFrame, 0, LowRPMLabel, "Low RPM", LowRPM);
  field(RPMAffectedFrame, 1, HighRPMLabel, "High RPM", HighRPM);
  frames->addStretch();

  connect(MoveUp, &QRadioButton::clicked, this, [] { S.ManipSettings.MoveUp = True; });
  connect(MoveDown, &QRadioButton::clicked, this, [] { S.ManipSettings.MoveUp = False; });
  connect(MultDiv, &QRadioButton::clicked, this, [] { S.ManipSettings.MultDiv = True; });
  connect(MultMult, &QRadioButton::clicked, this, [] { S.ManipSettings.MultDiv = False; });
  connect(NitrousAdd, &QRadioButton::clicked, this, [] { S.ManipSettings.NitrousMode = 1; });
  connect(NitrousSubtract, &QRadioButton::clicked, this, [] { S.ManipSettings.NitrousMode = 0; });
  connect(NitrousCalculate, &QRadioButton::clicked, this, [] { S.ManipSettings.NitrousMode = 2; });

  Image1 = new QLabel(this);
  Image1->setPixmap(QPixmap::fromImage(IconStripPicture().copy(5 * 32, 0, 32, 32)));
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  HelpButton = new QPushButton(QStringLiteral("Help"), this);
  OKButton->setDefault(true);
  SetCancelButton(CancelButton);
  auto* left = new QVBoxLayout;
  left->addWidget(Frame1);
  left->addWidget(Image1);
  left->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(frames);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  buttons->addWidget(HelpButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(OKButton, &QPushButton::clicked, this, &frmPowerManipulate::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmPowerManipulate::CancelButton_Click);
  connect(HelpButton, &QPushButton::clicked, this, &frmPowerManipulate::HelpButton_Click);
  HideAllFrames();
  CompressionFrame->show();
}

void frmPowerManipulate::Form_Load() {
  PlaceAt(S.PowerManipulateTop, S.PowerManipulateLeft);
  FormReady = false;
  closedByButton = false;
  RestoreManipulationSettings();
  Request = ManipulationRequest{};
  if (Cfg.ShowToolTips != False) ApplyTags();
}

// What the window does each time it paints: ready, the remembered operation shown. OK and
// Cancel keep the dialog loaded, so "Calc." follows the curve it opens on here, at every
// opening: a nitrous stage's curve has a stage to calculate, the no-nitrous curve has none.
void frmPowerManipulate::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  NitrousCalculate->setEnabled(S.PowerCurveIndex != 0);
  FormReady = true;
  closedByButton = false;
  RestoreManipulationSettings();
  Request.ManipulateOK = False;
}

void frmPowerManipulate::Form_Unload() {
  // Closed from the title bar: the fields are kept for the next opening, nothing is done.
  if (!closedByButton) SaveManipulationSettings();
  FormReady = false;
}

void frmPowerManipulate::HideAllFrames() {
  for (QGroupBox* frame : {RPMAffectedFrame, MultiplyFrame, MovePowerFrame, CompressionFrame,
                           TurboFrame, NitrousFrame, MaxRPMFrame, TorqueAddFrame})
    frame->hide();
}

void frmPowerManipulate::ChooseOperation(const std::string& option) {
  if (!FormReady) return;
  HideAllFrames();
  struct Choice {
    const char* option;
    QRadioButton* button;
    QGroupBox* frame;
    bool range;
  };
  const Choice choices[] = {
      {"BOOST", ManAddBoost, TurboFrame, true},   {"N2O", ManAddN2O, NitrousFrame, true},
      {"CR", ManComp, CompressionFrame, false},   {"FILL", ManFill, nullptr, false},
      {"MULT", ManMult, MultiplyFrame, true},     {"RPM", ManRPM, MaxRPMFrame, false},
      {"SHIFT", ManShift, MovePowerFrame, true},  {"TORQUE", ManTorque, TorqueAddFrame, false}};
  for (const Choice& c : choices) {
    if (option != c.option) continue;
    c.button->setChecked(true);
    if (c.frame) c.frame->show();
    if (c.range) RPMAffectedFrame->show();
  }
  if (option == "N2O") {
    QRadioButton* modes[] = {NitrousSubtract, NitrousAdd, NitrousCalculate};
    const int mode = S.ManipSettings.NitrousMode;
    if (mode >= 0 && mode <= 2) modes[mode]->setChecked(true);
  }
  S.ManipSettings.Option = option;
}

void frmPowerManipulate::RestoreManipulationSettings() {
  ManipulationSettings& m = S.ManipSettings;
  const bool remembered = m.Option != "NONE";
  const auto range = [&](QLineEdit* field, Integer global, Integer record, Integer spanEnd) {
    if (global > 0)
      field->setText(NumberText(global));
    else if (FieldEmpty(field))
      field->setText(NumberText(remembered && record != 0 ? record : spanEnd * 100));
  };
  range(LowRPM, S.LowRPM, m.LowRPM, S.MinRPMIndex);
  range(HighRPM, S.HighRPM, m.HighRPM, S.MaxRPMIndex);
  if (remembered) {
    if (m.MultFactor != 0) {
      MultFactor->setText(NumberText(m.MultFactor));
      (m.MultDiv != False ? MultDiv : MultMult)->setChecked(true);
    }
    if (m.MoveRPM != 0) {
      MoveRPM->setText(NumberText(m.MoveRPM));
      (m.MoveUp != False ? MoveUp : MoveDown)->setChecked(true);
    }
    if (m.NewCR != 0) {
      OldCR->setText(NumberText(m.OldCR));
      NewCR->setText(NumberText(m.NewCR));
    }
    if (!m.NewBoost.empty()) {
      OldBoost->setText(QText(m.OldBoost));
      NewBoost->setText(QText(m.NewBoost));
    }
    if (!m.NewNitrous.empty()) {
      NewNitrous->setText(QText(m.NewNitrous));
      (m.NitrousMode == 2 ? NitrousCalculate : m.NitrousMode == 1 ? NitrousAdd : NitrousSubtract)
          ->setChecked(true);
    }
    if (!m.TorqueAdd.empty()) TorqueAdd->setText(QText(m.TorqueAdd));
    ChooseOperation(m.Option);
  }
  MaxRPM->setText(NumberText(S.MaxRPMIndex * 100));
  if (FieldNumber(LowRPM) < S.MinRPMIndex * 100) LowRPM->setText(NumberText(S.MinRPMIndex * 100));
  if (FieldNumber(HighRPM) > S.MaxRPMIndex * 100)
    HighRPM->setText(NumberText(S.MaxRPMIndex * 100));
}

void frmPowerManipulate::SaveManipulationSettings() {
  ManipulationSettings& m = S.ManipSettings;
  m.TorqueAdd = BoxText(TorqueAdd);
  m.HighRPM = CInt(FieldNumber(HighRPM));
  m.LowRPM = CInt(FieldNumber(LowRPM));
  m.MoveRPM = CInt(FieldNumber(MoveRPM));
  m.MultFactor = static_cast<Single>(FieldNumber(MultFactor));
  m.NewCR = static_cast<Single>(FieldNumber(NewCR));
  m.OldCR = static_cast<Single>(FieldNumber(OldCR));
  m.NewNitrous = Trim(BoxText(NewNitrous));
  m.NewBoost = Trim(BoxText(NewBoost));
  m.OldBoost = Trim(BoxText(OldBoost));
}

bool frmPowerManipulate::Refuse(const std::string& text, QLineEdit* field) {
  ui().MsgBox(text, Msg::Question, Title);
  if (field) field->setFocus();
  return false;
}

bool frmPowerManipulate::ValidateRPMRange() {
  const RangeCheck check =
      CheckRPMRange(FieldEmpty(LowRPM), CInt(FieldNumber(LowRPM)), FieldEmpty(HighRPM),
                    CInt(FieldNumber(HighRPM)), S.MinRPMIndex, S.MaxRPMIndex);
  if (!check.message.empty()) return Refuse(check.message, check.lowField ? LowRPM : HighRPM);
  S.LowRPM = check.low;
  S.HighRPM = check.high;
  if (!check.ok) return false;
  S.ManipSettings.HighRPM = check.high;
  S.ManipSettings.LowRPM = check.low;
  return true;
}

bool frmPowerManipulate::DecideOperation() {
  ManipulationRequest& r = Request;
  if (ManShift->isChecked()) {
    r.ManipShiftRPM = CInt(FieldNumber(MoveRPM));
    if (r.ManipShiftRPM <= 0)
      return Refuse("Amount of RPM shift not valid - should be greater than zero", MoveRPM);
    if (MoveDown->isChecked())
      r.ManipShiftRPM = static_cast<Integer>(-r.ManipShiftRPM);
    else if (!MoveUp->isChecked())
      return Refuse("You should indicate if shift is UP or DOWN", MoveRPM);
    r.ManipAction = "SHIFT";
    return ValidateRPMRange();
  }
  if (ManMult->isChecked()) {
    Single factor = 0;
    Integer error = 0;
    EvaluateExpression(BoxText(MultFactor), factor, error);
    if (!(factor > 0) || error != 0)
      return Refuse("Multiplication factor not valid - should be greater than zero", MultFactor);
    r.ManipFactor = MultDiv->isChecked() ? 1 / factor : factor;
    r.ManipAction = "MULTIPLY";
    return ValidateRPMRange();
  }
  if (ManFill->isChecked()) {
    r.ManipAction = "FILL";
    return true;
  }
  if (ManComp->isChecked()) {
    const auto oldCR = static_cast<Single>(FieldNumber(OldCR));
    if (!CompressionRatioValid(oldCR))
      return Refuse("Old compression ratio not valid - should be between 2 and 30", OldCR);
    const auto newCR = static_cast<Single>(FieldNumber(NewCR));
    if (!CompressionRatioValid(newCR))
      return Refuse("New compression ratio not valid - should be between 2 and 30", NewCR);
    r.ManipFactor = CompressionFactor(oldCR, newCR);
    r.ManipAction = "MULTIPLY";
    S.LowRPM = static_cast<Integer>(S.MinRPMIndex * 100);
    S.HighRPM = static_cast<Integer>(S.MaxRPMIndex * 100);
    S.ManipSettings.Option = "CR";
    return true;
  }
  if (ManAddN2O->isChecked()) {
    if (NitrousCalculate->isChecked()) {
      // The calculator builds a nitrous stage; on the no-nitrous curve "Calc." is greyed but
      // stays chosen when remembered, and the racer is asked for a mode that can act.
      if (!NitrousCalculate->isEnabled()) return Refuse("Insufficient information");
      frmNitrousAdjust calculator;
      calculator.NitrousStage(S.PowerCurveIndex);
      calculator.ShowModal();
      // An open nitrous form shows the stage's "Calculate Nitrous" as the calculator ticked it.
      if (calculator.Accepted()) ui().ShowVehicleData();
      return true;
    }
    const Single kw = ParseValueWithUnits(BoxText(NewNitrous), "power");
    if (S.UnitsParseOK == 0 || kw < 0)
      return Refuse("Invalid nitrous power value " + S.UnitsErrorText, NewNitrous);
    r.ManipAddAmount = kw / KWPerBHP;
    if (NitrousSubtract->isChecked()) r.ManipAddAmount = -r.ManipAddAmount;
    if (ExceedsMaximumPower(static_cast<Single>(S.CurvePeakValue), r.ManipAddAmount))
      return Refuse("Value when added would exceed maximum permitted power");
    r.ManipAction = "ADD";
    return ValidateRPMRange();
  }
  if (ManAddBoost->isChecked()) {
    Single ambient = S.AeroPress;
    if (!Trim(S.VehicleData[6][3]).empty()) {
      const Single typed = ParseValueWithUnits(S.VehicleData[6][3], "pressure");
      if (S.UnitsParseOK != 0 && typed > 0) ambient = typed;
    }
    Single boost[2] = {0, 0};
    QLineEdit* fields[2] = {OldBoost, NewBoost};
    for (int k = 0; k < 2; ++k) {
      boost[k] = ParseValueWithUnits(BoxText(fields[k]), "pressure");
      if (S.UnitsParseOK == 0 || boost[k] < 0)
        return Refuse("Invalid Boost pressure " + S.UnitsErrorText, fields[k]);
    }
    r.ManipFactor = BoostFactor(ambient, boost[0], boost[1]);
    r.ManipAction = "MULTIPLY";
    return ValidateRPMRange();
  }
  if (ManRPM->isChecked()) {
    if (FieldEmpty(MaxRPM)) return true;
    const std::optional<Integer> row = MaxRPMRowFor(FieldNumber(MaxRPM), S.MinRPMIndex);
    if (!row) {
      MaxRPM->setText(NumberText(S.MaxRPMIndex * 100));
      return true;
    }
    const Integer old = S.MaxRPMIndex;
    if (FieldNumber(HighRPM) == old * 100) HighRPM->setText(NumberText(*row * 100));
    S.MaxRPMIndex = *row;
    S.VehicleData[6][1] = std::to_string(*row * 100);
    // A lower top ends the no-nitrous curve there at once, as the peak figures' lower top does,
    // so that a run or a save before the graph's OK reads the curve its file gives back.
    if (S.PowerCurveIndex == 0 && *row < old) EndCurveAtTop();
    // Without a word: the graph's OK that follows settles the span and tells a clutch that no
    // longer fits the curve stored.
    if (*row != old) WorkOutClutchFigures();
    return true;
  }
  if (ManTorque->isChecked()) {
    const Single nm = ParseValueWithUnits(BoxText(TorqueAdd), "torque");
    if (S.UnitsParseOK == 0) return Refuse("Invalid torque to add " + S.UnitsErrorText, TorqueAdd);
    r.ManipAddAmount = TorqueToTopRowBHP(nm, S.MaxRPMIndex);
    if (ExceedsMaximumPower(static_cast<Single>(S.CurvePeakValue), r.ManipAddAmount))
      return Refuse("Value when added would exceed maximum permitted power");
    r.ManipAction = "ADDTORQUE";
    return ValidateRPMRange();
  }
  return Refuse("Insufficient information");
}

void frmPowerManipulate::OKButton_Click() {
  Request = ManipulationRequest{};
  if (!FormReady) return;
  if (FieldEmpty(LowRPM)) LowRPM->setText(NumberText(S.MinRPMIndex * 100));
  if (FieldEmpty(HighRPM)) HighRPM->setText(NumberText(S.MaxRPMIndex * 100));
  if (!DecideOperation()) return;
  if (Request.ManipAction == "MULTIPLY" &&
      ExceedsMaximumPowerByFactor(static_cast<Single>(S.CurvePeakValue), Request.ManipFactor)) {
    Refuse("Multiplication factor would cause maximum permitted power to be exceeded");
    return;
  }
  Accept();
}

void frmPowerManipulate::Accept() {
  Request.ManipulateOK = True;
  SavePlace(S.PowerManipulateTop, S.PowerManipulateLeft);
  SaveManipulationSettings();
  closedByButton = true;
  Hide();
}

// OK and Cancel hide the dialog: it stays loaded with its field texts, listed in the Window menu.
void frmPowerManipulate::CancelButton_Click() {
  Request.ManipulateOK = False;
  closedByButton = true;
  Hide();
}

void frmPowerManipulate::HelpButton_Click() { ShowHelpTopic(HelpContext); }

}  // namespace kestrelon
