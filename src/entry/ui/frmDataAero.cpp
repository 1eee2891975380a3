#include "entry/ui/frmDataAero.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/state.h"

namespace kestrelon {
namespace {

QLabel* LabelAt(QGridLayout* grid, int row, const char* name) {
  auto* label = qobject_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget());
  label->setObjectName(name);
  return label;
}

}  // namespace

frmDataAero::frmDataAero()
    : DataForm("frmDataAero", "Aerodynamic factors",
               {&S.AeroEntered, &S.AeroFocusDone, &S.AeroFormTop, &S.AeroFormLeft, 1,
                "Aerodynamic Factors"}) {
  auto* layout = new QVBoxLayout(this);
  auto* vehicle = new QGroupBox("Vehicle Aerodynamics", this);
  vehicle->setObjectName("Frame1");
  auto* v = new QGridLayout(vehicle);
  AeroArea = AddBox(v, 0, "AeroArea", "Frontal Area",
                    "Cross sectional area when viewed from the front");
  AeroCD = AddBox(v, 1, "AeroCD", "Drag Coefficient",
                  "How \"draggy\" the body shape is. This is independant of the frontal area");
  AeroCL = AddBox(v, 2, "AeroCL", "Lift Coefficient",
                  "the ratio of lift to drag. A bigger number means more lift. Negative means "
                  "downforce.");
  AeroBoxEff = AddBox(v, 3, "AeroBoxEff", "Airbox Efficiency (%)",
                      "the ability the airbox (if any) to divert incoming air to the engine");
  layout->addWidget(vehicle);

  auto* weather = new QGroupBox("Environmental factors", this);
  weather->setObjectName("Frame2");
  auto* w = new QGridLayout(weather);
  AeroPress = AddBox(w, 0, "AeroPress", "Air Pressure", "As measured on a barometer");
  AeroAlt = AddBox(w, 1, "AeroAlt", "Altitude", "the height of the track above sea level");
  AeroTemp = AddBox(w, 2, "AeroTemp", "Air Temperature", "the air temperature at the time of the run");
  AeroHumid = AddBox(w, 3, "AeroHumid", "Relative Humidity", "the humidity at the time of the run");
  AeroSpeed = AddBox(w, 4, "AeroSpeed", "Headwind Speed", "the wind speed");
  AeroDir = AddBox(w, 5, "AeroDir", "Wind direction (degrees)",
                   "angle of the wind. 0 degrees is pure headwind, 180 is pure tailwind");
  AeroPressLabel = LabelAt(w, 0, "AeroPressLabel");
  AeroAltLabel = LabelAt(w, 1, "AeroAltLabel");
  AeroTempLabel = LabelAt(w, 2, "AeroTempLabel");
  AeroHumidLabel = LabelAt(w, 3, "AeroHumidLabel");
  StandardDay = new QCheckBox("Use \"standard day\"", weather);
  StandardDay->setObjectName("StandardDay");
  SetTag(StandardDay,
         "this will override pressure, altitude, temp and humidity and use \"Standard Air\"");
  w->addWidget(StandardDay, 6, 0, 1, 2);
  layout->addWidget(weather);

  auto* buttons = new QHBoxLayout;
  Command1 = new QPushButton("OK", this);
  Command2 = new QPushButton("Cancel", this);
  AeroHelpButton = new QPushButton("Help", this);
  Command1->setDefault(true);
  SetCancelButton(Command2);
  for (QPushButton* b : {Command1, Command2, AeroHelpButton}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(Command1, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(Command2, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
  connect(AeroHelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });
  connect(StandardDay, &QCheckBox::clicked, this, &frmDataAero::StandardDay_Click);
}

// A standard day replaces the four weather figures; their boxes keep their texts.
void frmDataAero::StandardDay_Click() {
  const bool typed = !StandardDay->isChecked();
  for (QWidget* control : {static_cast<QWidget*>(AeroPress), static_cast<QWidget*>(AeroTemp),
                           static_cast<QWidget*>(AeroHumid), static_cast<QWidget*>(AeroAlt),
                           static_cast<QWidget*>(AeroPressLabel), static_cast<QWidget*>(AeroTempLabel),
                           static_cast<QWidget*>(AeroHumidLabel), static_cast<QWidget*>(AeroAltLabel)})
    control->setEnabled(typed);
}

AeroEntry frmDataAero::Entry() const {
  AeroEntry e;
  e.Area = BoxText(AeroArea);
  e.CD = BoxText(AeroCD);
  e.CL = BoxText(AeroCL);
  e.BoxEff = BoxText(AeroBoxEff);
  e.Press = BoxText(AeroPress);
  e.Temp = BoxText(AeroTemp);
  e.Alt = BoxText(AeroAlt);
  e.Humid = BoxText(AeroHumid);
  e.Speed = BoxText(AeroSpeed);
  e.Dir = BoxText(AeroDir);
  e.StandardDay = StandardDay->isChecked();
  return e;
}

void frmDataAero::FillFromModel() {
  AeroEntry e;
  LoadAero(e);
  SetBoxText(AeroArea, e.Area);
  SetBoxText(AeroCD, e.CD);
  SetBoxText(AeroCL, e.CL);
  SetBoxText(AeroBoxEff, e.BoxEff);
  SetBoxText(AeroPress, e.Press);
  SetBoxText(AeroTemp, e.Temp);
  SetBoxText(AeroAlt, e.Alt);
  SetBoxText(AeroHumid, e.Humid);
  SetBoxText(AeroSpeed, e.Speed);
  SetBoxText(AeroDir, e.Dir);
  StandardDay->setChecked(e.StandardDay);
  StandardDay_Click();
}

Verdict frmDataAero::Accept() {
  AeroEntry e = Entry();
  return AcceptAero(e);
}

QWidget* frmDataAero::FieldControl(int field) {
  QLineEdit* boxes[] = {AeroArea, AeroCD,   AeroCL,    AeroBoxEff, AeroPress,
                        AeroTemp, AeroAlt,  AeroHumid, AeroSpeed,  AeroDir};
  return field >= 0 && field <= AeroDirField ? boxes[field] : nullptr;
}

}  // namespace kestrelon
