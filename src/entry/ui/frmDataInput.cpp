#include "entry/ui/frmDataInput.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/state.h"
#include "platform/qt/spin_button.h"
#include "platform/qt/text.h"

namespace kestrelon {

namespace {
constexpr int kSpinLimit = 50;  // the gradient the cascade graph accepts, in percent
}  // namespace

// No caption: the Window list passes it over.
frmDataInput::frmDataInput() : Form("frmDataInput", QString()) {
  auto* layout = new QVBoxLayout(this);
  ItemLabel = new QLabel(this);
  ItemLabel->setObjectName("ItemLabel");
  layout->addWidget(ItemLabel);
  auto* row = new QHBoxLayout;
  ItemValue = new QLineEdit(this);
  ItemValue->setObjectName("ItemValue");
  ItemSpin = new SpinButton(this, -kSpinLimit, kSpinLimit);
  ItemSpin->setObjectName("ItemSpin");
  row->addWidget(ItemValue);
  row->addWidget(ItemSpin);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  ItemOK = new QPushButton("OK", this);
  ItemCancel = new QPushButton("Cancel", this);
  ItemOK->setDefault(true);
  SetCancelButton(ItemCancel);
  buttons->addWidget(ItemOK);
  buttons->addWidget(ItemCancel);
  layout->addLayout(buttons);
  connect(ItemOK, &QPushButton::clicked, this, &frmDataInput::ItemOK_Click);
  connect(ItemCancel, &QPushButton::clicked, this, &frmDataInput::ItemCancel_Click);
  connect(ItemSpin, &SpinButton::valueChanged, this, &frmDataInput::ItemSpin_Change);
}

void frmDataInput::Form_Load() {
  CentreOnScreen();
  // The spin starts at the value without showing itself in the box.
  const QSignalBlocker quiet(ItemSpin);
  ItemSpin->setValue(CInt(LeadingNumber(S.InputItemValue)));
  ItemValue->setText(QText(S.InputItemValue));
}

void frmDataInput::ItemOK_Click() {
  S.InputItemValue = StdText(ItemValue->text());
  S.CancelFlag = 0;
  Unload();
}

void frmDataInput::ItemCancel_Click() {
  S.CancelFlag = 1;
  Unload();
}

void frmDataInput::ItemSpin_Change() { ItemValue->setText(QString::number(ItemSpin->value())); }

}  // namespace kestrelon
