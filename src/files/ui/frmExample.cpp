#include "files/ui/frmExample.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/state.h"
#include "core/tables.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"

namespace kestrelon {

frmExample::frmExample() : Form("frmExample", QStringLiteral("Examples")) {
  ExList = new QListWidget(this);
  ExList->setSelectionMode(QAbstractItemView::SingleSelection);
  Label1 = new QLabel(QStringLiteral("Select an example from the list above"), this);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(OKButton);
  buttons->addStretch();
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ExList);
  layout->addWidget(Label1);
  layout->addLayout(buttons);
  resize(420, 380);

  connect(OKButton, &QPushButton::clicked, this, &frmExample::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmExample::CancelButton_Click);
  connect(ExList, &QListWidget::itemClicked, this, [this] { ExList_Click(); });
  connect(ExList, &QListWidget::itemDoubleClicked, this, [this] { ExList_DblClick(); });
  ExList->installEventFilter(this);
}

void frmExample::Form_Load() {
  chosenKey_.clear();
  CentreOnScreen();
  ExList->clear();
  for (std::size_t i = 1; i < Tbl.ExampleKey.size(); ++i) {
    if (Tbl.ExampleKey[i].empty()) continue;
    auto* entry = new QListWidgetItem(QText(Tbl.ExampleDescription[i]), ExList);
    entry->setData(Qt::UserRole, static_cast<int>(i));  // the catalogue row, whatever the order
  }
}

void frmExample::OKButton_Click() {
  const QList<QListWidgetItem*> selected = ExList->selectedItems();
  if (selected.isEmpty()) {
    ui().MsgBox("Select an example vehicle from the list, or press the CANCEL button",
                Msg::OKOnly | Msg::Exclamation, "Examples");
    return;
  }
  chosenKey_ = Tbl.ExampleKey[static_cast<std::size_t>(selected.front()->data(Qt::UserRole).toInt())];
  S.CancelFlag = 0;
  Unload();
}

void frmExample::CancelButton_Click() {
  chosenKey_.clear();
  S.CancelFlag = 1;
  Unload();
}

void frmExample::ExList_Click() {}

void frmExample::ExList_DblClick() {
  ExList_Click();
  OKButton_Click();
}

void frmExample::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return OKButton_Click();
    case Qt::Key_Escape: return CancelButton_Click();
    default: Form::keyPressEvent(event);
  }
}

// The list opens with nothing selected and its first row current, from which Down would step
// past the first example and Up and Home would not move at all. With nothing selected, each of
// them selects the first row, as list boxes do.
bool frmExample::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ExList && event->type() == QEvent::KeyPress && ExList->selectedItems().isEmpty()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home) {
      ExList->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

void frmExample::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (IsLoaded()) CancelButton_Click();
}

}  // namespace kestrelon
