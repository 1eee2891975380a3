#include "entry/ui/frmDataTyre.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/state.h"

namespace kestrelon {

frmDataTyre::frmDataTyre()
    : DataForm("frmDataTyre", "Wheel and Tyre Information",
               {&S.TyreEntered, &S.TyreFocusDone, &S.TyreFormTop, &S.TyreFormLeft, 18,
                "Wheel and Tyre data"}) {
  auto* layout = new QVBoxLayout(this);
  auto* rear = new QGroupBox("Rear Wheel and Tyre", this);
  rear->setObjectName("Frame1");
  auto* r = new QGridLayout(rear);
  TyreDia = AddBox(r, 0, "TyreDia", "Static Diameter",
                   "Tyre diameter when stationary. Only use this for a tyre that grows");
  TyreGrowthDia = AddBox(r, 1, "TyreGrowthDia", "Growth Diameter",
                         "The diameter to which the tyre grows at speed");
  TyreGrowthSpeed = AddBox(r, 2, "TyreGrowthSpeed", "Growth Speed",
                           "The speed at which the growth diameter occurs");
  TyreAspect = AddBox(r, 3, "TyreAspect", "Aspect Ratio",
                      "Enter an aspect ratio if the tyre does not grow significantly");
  TyreWidth = AddBox(r, 4, "TyreWidth", "Width",
                     "The nominal width of the tyre (NOT the distance across the sidewalls)");
  TyreMu = AddBox(r, 5, "TyreMu", "Friction Coefficient");
  TyrePress = AddBox(r, 6, "TyrePress", "Pressure");
  TyreNum = AddBox(r, 7, "TyreNum", "Number of wheels", "Number of rear wheels");
  TyreWDia = AddBox(r, 8, "TyreWDia", "Wheel Diameter", "Rated wheel diameter");
  TyreWeight = AddBox(r, 9, "TyreWeight", "Wheel rim weight",
                      "Weight of a single wheel rim and centre");
  layout->addWidget(rear);

  auto* front = new QGroupBox("Front Wheel and Tyre", this);
  front->setObjectName("Frame3");
  auto* f = new QGridLayout(front);
  TyreFDia = AddBox(f, 0, "TyreFDia", "Diameter", "The nominal rated wheel diameter for the tyre");
  TyreFAspect = AddBox(f, 1, "TyreFAspect", "Aspect Ratio");
  TyreFWidth = AddBox(f, 2, "TyreFWidth", "Width", "The rated width of the tyre");
  FTyreMu = AddBox(f, 3, "FTyreMu", "Friction Coefficient");
  TyreFPress = AddBox(f, 4, "TyreFPress", "Pressure");
  TyreFWeight = AddBox(f, 5, "TyreFWeight", "Rim and Tyre weight",
                       "Total weight of a single front wheel and tyre combined");
  TyreFTorque = AddBox(f, 6, "TyreFTorque", "Brake drag torque",
                       "How much drag from the front brake (brakes off)");
  FTyreNum = AddBox(f, 7, "FTyreNum", "Number of wheels", "The number of front wheels");
  layout->addWidget(front);

  auto* temp = new QGridLayout;
  TyreStartTemp = AddBox(temp, 0, "TyreStartTemp", "Tyre temperature after burnout");
  layout->addLayout(temp);

  auto* buttons = new QHBoxLayout;
  TyreOKButton = new QPushButton("OK", this);
  TyreCancelButton = new QPushButton("Cancel", this);
  TyreHelpButton = new QPushButton("Help", this);
  SetCancelButton(TyreCancelButton);
  for (QPushButton* b : {TyreOKButton, TyreCancelButton, TyreHelpButton}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(TyreOKButton, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(TyreCancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
  connect(TyreHelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });

  boxes_ = {nullptr,     TyreDia,     TyreAspect,    TyreWidth,   TyreMu,      TyrePress,
            TyreGrowthDia, TyreGrowthSpeed, TyreNum, TyreWDia,    TyreWeight,  TyreFDia,
            TyreFWidth,  TyreFAspect, TyreFPress,    TyreFWeight, TyreFTorque, FTyreMu,
            FTyreNum,    TyreStartTemp};
  for (QLineEdit* box : {TyreAspect, TyreWDia, TyreWidth})
    OnLostFocus(box, [this] { TyreAspect_LostFocus(); });
}

TyreEntry frmDataTyre::Entry() const {
  TyreEntry e;
  for (int item = 1; item <= TyreItems; ++item) e.Text[item] = BoxText(boxes_[item]);
  return e;
}

void frmDataTyre::ShowEntry(const TyreEntry& e) {
  for (int item = 1; item <= TyreItems; ++item) SetBoxText(boxes_[item], e.Text[item]);
}

void frmDataTyre::TyreAspect_LostFocus() {
  TyreEntry e = Entry();
  RecalcTyreDiameter(e);
  SetBoxText(TyreDia, e.Text[TyreDiaItem]);
}

void frmDataTyre::FillFromModel() {
  TyreEntry e;
  LoadTyre(e);
  ShowEntry(e);
}

void frmDataTyre::Painted() {
  TyreOKButton->setDefault(true);
  if (!S.TyreEntered && !S.TyreFocusDone) TyreAspect_LostFocus();
}

Verdict frmDataTyre::Accept() {
  TyreEntry e = Entry();
  const Verdict verdict = AcceptTyre(e);
  ShowEntry(e);
  return verdict;
}

QWidget* frmDataTyre::FieldControl(int field) {
  return field >= 1 && field <= TyreItems ? boxes_[field] : nullptr;
}

}  // namespace kestrelon
