#include "entry/ui/data_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/settings.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "entry/model_snapshot.h"
#include "platform/qt/help_window.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "power/vehicle_change.h"
#include "simulation/calculate_performance.h"

namespace kestrelon {

DataForm::DataForm(const char* formName, const QString& caption, DataSection section)
    : Form(formName, caption), section_(section) {}

void DataForm::Form_Load() {
  FormReady = False;
  KeyboardAccept = False;
  FieldRejected = True;
  autoAcceptAtLoad_ = S.AutoAccept;
  PlaceAt(*section_.top, *section_.left);
  FillFromModel();
  if (S.AutoAccept) {
    BeforeAutoAccept();
    RunOK();
    return;
  }
  if (Cfg.ShowToolTips) {
    ApplyTags();
  } else {
    for (QWidget* control : findChildren<QWidget*>()) control->setToolTip(QString());
  }
}

void DataForm::ShowVehicleData() { FillFromModel(); }

void DataForm::paintEvent(QPaintEvent* event) {
  FormReady = False;
  Painted();
  if (!*section_.entered && section_.focusDone && !*section_.focusDone) {
    if (QWidget* first = FirstField()) first->setFocus();
    *section_.focusDone = True;
  }
  FormReady = True;
  Form::paintEvent(event);
}

void DataForm::RunOK() {
  if (!FormReady && !S.AutoAccept) return;  // a click before the first paint
  // An OK pressed again from a window this OK opened (F2 in the clutch timers) would accept
  // the form inside its own acceptance.
  if (accepting_) return;
  if (!OKAllowed()) return;
  const QScopedValueRollback<bool> busy(accepting_, true);
  FieldRejected = True;

  const ModelSnapshot before;
  if (const Verdict refusal = Accept()) {
    before.Restore();
    ShowRefusal(*refusal);
    return;
  }

  *section_.entered = True;
  VehicleChanged();
  if (section_.focusDone) *section_.focusDone = False;
  FieldRejected = False;
  SavePlace(*section_.top, *section_.left);
  AfterAccepted();
  ui().RefreshResultWindows();
  if (KeyboardAccept) return;

  // A form that stopped the automatic pass for correction lets the pass go on as it hands on;
  // accepted under F2 it stays open, and the pass waits for its OK.
  if (autoAcceptAtLoad_) S.AutoAccept = autoAcceptAtLoad_;
  FormReady = False;
  HandOn();
}

void DataForm::HandOn() {
  if (S.DataSequence) DataFormsSequence();
  Unload();
}

void DataForm::ShowRefusal(const Refusal& refusal) {
  // During the automatic pass the form comes forward so that the user can correct the field.
  if (S.AutoAccept) {
    Show();
    S.AutoAccept = False;
    ui().SetBusyCursor(false);
  }
  if (!refusal.message.empty())
    ui().MsgBox(refusal.message, refusal.style,
                refusal.title.empty() ? section_.messageTitle : refusal.title);
  if (QWidget* field = FieldControl(refusal.field)) field->setFocus();
}

void DataForm::CancelButton_Click() {
  const bool passAbandoned = autoAcceptAtLoad_ && !S.AutoAccept;
  Cancelled();
  Unload();
  if (passAbandoned && AutomaticPassAbandoned) AutomaticPassAbandoned();
}

void DataForm::HelpButton_Click() { ShowHelpTopic(section_.helpContext); }

void DataForm::Form_KeyDown(int keyCode, int shift) {
  if (keyCode != Qt::Key_F2 || accepting_) return;
  KeyboardAccept = True;
  RunOK();
  KeyboardAccept = False;
  if (FieldRejected) return;
  const QScopedValueRollback<bool> busy(accepting_, true);
  if (shift & 1) {
    RunSimulationCheck();
  } else if (S.RunDone) {
    // A section refused since the run (a clutch the curve no longer fits) is named, not run past.
    if (!RunSimulationReady()) return;
    CalculatePerformance(S.ShowCalcProgress);
    S.CalcRequested = True;
  } else {
    RunSimulationCheck();
  }
}

void DataForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F2) return Form::keyPressEvent(event);
  Form_KeyDown(event->key(), event->modifiers() & Qt::ShiftModifier ? 1 : 0);
}

void DataForm::closeEvent(QCloseEvent* event) {
  // The close box is the Cancel button.
  event->ignore();
  if (IsLoaded()) CancelButton_Click();
}

void DataForm::Form_Unload() {
  if (!*section_.entered && section_.focusDone) *section_.focusDone = False;
}

void DataForm::OnLostFocus(QWidget* control, std::function<void()> handler) {
  lostFocus_[control] = std::move(handler);
  control->installEventFilter(this);
}

bool DataForm::eventFilter(QObject* watched, QEvent* event) {
  // Only a move to another control of the program counts: not a message box or another
  // window coming to the front.
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    // A handler that refuses puts the focus back on its box, which takes it from the box just
    // entered: that box's own handler waits until the user leaves it, or two refused boxes
    // would hand the focus and their messages to each other without end.
    // Leaving a box for Cancel, or because the form is going, checks nothing: Cancel keeps
    // nothing of what the boxes hold. Nor does a box that hides as its controls move into a
    // scroll area on a small screen: the racer did not leave it.
    const auto* box = qobject_cast<const QWidget*>(watched);
    const bool leaving = !IsLoaded() || !isVisible() || (box && !box->isVisible()) ||
                         (CancelButton() && QApplication::focusWidget() == static_cast<QWidget*>(CancelButton()));
    auto it = lostFocus_.find(watched);
    if (it != lostFocus_.end() && !inLostFocus_ && !leaving) {
      inLostFocus_ = true;
      it->second();
      inLostFocus_ = false;
    }
  }
  return Form::eventFilter(watched, event);
}

QLineEdit* DataForm::AddBox(QGridLayout* grid, int row, const char* name, const QString& label,
                            const QString& tag) {
  auto* box = new QLineEdit(this);
  box->setObjectName(name);
  if (!tag.isEmpty()) SetTag(box, tag);
  auto* caption = new QLabel(label, this);
  caption->setBuddy(box);
  grid->addWidget(caption, row, 0);
  grid->addWidget(box, row, 1);
  return box;
}

}  // namespace kestrelon
