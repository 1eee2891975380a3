#include "entry/ui/frmDataInertia.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/state.h"

namespace kestrelon {

frmDataInertia::frmDataInertia()
    : DataForm("frmDataInertia", "Inertia Information",
               {&S.InertiaEntered, &S.InertiaFocusDone, &S.InertiaFormTop, &S.InertiaFormLeft, 7,
                "Inertia Information"}) {
  auto* layout = new QVBoxLayout(this);
  auto* crank = new QGroupBox("Crankshaft", this);
  crank->setObjectName("Frame1");
  auto* c = new QGridLayout(crank);
  InertiaCrankStroke = AddBox(c, 0, "InertiaCrankStroke", "Stroke");
  InertiaCrankMass = AddBox(c, 1, "InertiaCrankMass", "Weight",
                            "Weight of bare crankshaft, without flywheel or clutch");
  InertiaCrank = AddBox(c, 2, "InertiaCrank", "Inertia (if stroke and weight not given)");
  layout->addWidget(crank);

  Frame2 = new QGroupBox("Clutch", this);
  Frame2->setObjectName("Frame2");
  auto* k = new QGridLayout(Frame2);
  InertiaClutchDia = AddBox(k, 0, "InertiaClutchDia", "Diameter");
  InertiaClutchMass = AddBox(k, 1, "InertiaClutchMass", "Weight");
  InertiaClutch = AddBox(k, 2, "InertiaClutch", "Inertia (if diameter and weight not given)");
  Frame2->setEnabled(false);
  layout->addWidget(Frame2);

  auto* buttons = new QHBoxLayout;
  InertiaOKButton = new QPushButton("OK", this);
  InertiaCancelButton = new QPushButton("Cancel", this);
  InertiaHelpButton = new QPushButton("Help", this);
  InertiaOKButton->setDefault(true);
  SetCancelButton(InertiaCancelButton);
  for (QPushButton* b : {InertiaOKButton, InertiaCancelButton, InertiaHelpButton})
    buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(InertiaOKButton, &QPushButton::clicked, this, [this] { RunOK(); });
  connect(InertiaCancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
  connect(InertiaHelpButton, &QPushButton::clicked, this, [this] { HelpButton_Click(); });
}

void frmDataInertia::FillFromModel() {
  InertiaEntry e;
  LoadInertia(e);
  SetBoxText(InertiaCrankStroke, e.CrankStroke);
  SetBoxText(InertiaCrankMass, e.CrankMass);
  SetBoxText(InertiaCrank, e.Crank);
  SetBoxText(InertiaClutchDia, e.ClutchDia);
  SetBoxText(InertiaClutchMass, e.ClutchMass);
  SetBoxText(InertiaClutch, e.Clutch);
}

Verdict frmDataInertia::Accept() {
  InertiaEntry e{BoxText(InertiaCrankStroke), BoxText(InertiaCrankMass), BoxText(InertiaCrank),
                 BoxText(InertiaClutchDia),   BoxText(InertiaClutchMass), BoxText(InertiaClutch)};
  return AcceptInertia(e);
}

QWidget* frmDataInertia::FieldControl(int field) {
  switch (field) {
    case InertiaCrankStrokeField: return InertiaCrankStroke;
    case InertiaCrankMassField: return InertiaCrankMass;
    case InertiaCrankField: return InertiaCrank;
  }
  return nullptr;
}

}  // namespace kestrelon
