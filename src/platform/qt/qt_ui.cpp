#include "platform/qt/qt_ui.h"

#include <QApplication>
#include <QByteArray>
#include <QGridLayout>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <vector>

#include "platform/qt/form.h"
#include "platform/qt/text.h"

namespace kestrelon {
namespace {

// Calls the method of that name, without arguments, on every visible window that offers it:
// how a request reaches windows of subsystems this layer does not know. A minimised window is
// left out unless evenMinimised.
void CallOnVisibleForms(const char* method, bool evenMinimised) {
  const QByteArray signature = QByteArray(method) + "()";
  for (Form* form : std::vector<Form*>(Form::LoadedForms()))
    if (form->isVisible() && (evenMinimised || !form->IsMinimised()) &&
        form->metaObject()->indexOfMethod(signature.constData()) >= 0)
      QMetaObject::invokeMethod(form, method);
}

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  int answer;
};

std::vector<ButtonAnswer> ButtonsOf(int style) {
  using B = QMessageBox;
  switch (style & 7) {
    case Msg::OKCancel:
      return {{B::Ok, Msg::Ok}, {B::Cancel, Msg::Cancel}};
    case Msg::AbortRetryIgnore:
      return {{B::Abort, Msg::Abort}, {B::Retry, Msg::Retry}, {B::Ignore, Msg::Ignore}};
    case Msg::YesNoCancel:
      return {{B::Yes, Msg::Yes}, {B::No, Msg::No}, {B::Cancel, Msg::Cancel}};
    case Msg::YesNo:
      return {{B::Yes, Msg::Yes}, {B::No, Msg::No}};
    case Msg::RetryCancel:
      return {{B::Retry, Msg::Retry}, {B::Cancel, Msg::Cancel}};
    default:
      return {{B::Ok, Msg::Ok}};
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case Msg::Critical:
      return QMessageBox::Critical;
    case Msg::Question:
      return QMessageBox::Question;
    case Msg::Exclamation:
      return QMessageBox::Warning;
    case Msg::Information:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtUi::MsgBox(const std::string& text, int style, const std::string& title) {
  QMessageBox box(IconOf(style), QText(title), QText(text));
  const std::vector<ButtonAnswer> buttons = ButtonsOf(style);
  for (const ButtonAnswer& b : buttons) box.addButton(b.button);
  const std::size_t defaultIndex = static_cast<std::size_t>((style >> 8) & 3);
  if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].button);
  // Closing the box with Escape or its frame gives the answer of its Cancel (or only) button;
  // where the style asks for Cancel without one, that of a Cancel button never shown.
  if (style & Msg::DismissCancels) {
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.escapeButton()->hide();
  } else {
    box.setEscapeButton(
        box.button(buttons.size() == 1 ? buttons.front().button : buttons.back().button));
  }
  // A short message would make the box narrower than its title: the title shows whole.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(Form::CaptionWidth(box.windowTitle()), 0, QSizePolicy::Minimum,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const ButtonAnswer& b : buttons)
    if (b.button == clicked) return b.answer;
  return clicked == QMessageBox::Cancel ? Msg::Cancel : buttons.back().answer;
}

void QtUi::DoEvents() {
  // A shown run lets events through only where its bar moved: the rest of its 1000 points
  // would cost far more than the run itself.
  if (runShown_ && !eventsDue_) return;
  QApplication::processEvents();
}

void QtUi::SetBusyCursor(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else if (QApplication::overrideCursor())
    QApplication::restoreOverrideCursor();
}

void QtUi::ShowForm(const std::string& formName) {
  if (Form* form = Form::Instance(formName)) form->Show();
}

void QtUi::ShowRunProgress(bool show) {
  runShown_ = show;
  eventsDue_ = true;
  lastProgress_ = {};
  if (show) {
    if (Form* progress = Form::Instance("frmCalcProgress")) progress->Show();
  } else if (Form* progress = Form::FindLoaded("frmCalcProgress")) {
    progress->Unload();
  }
}

void QtUi::SetRunProgress(int point) {
  constexpr int LastPoint = 1000;
  const auto now = std::chrono::steady_clock::now();
  eventsDue_ = point >= LastPoint || now - lastProgress_ >= ProgressInterval;
  if (!eventsDue_) return;
  lastProgress_ = now;
  // Cancel may already have closed the window; then there is no bar to fill.
  if (Form* progress = Form::FindLoaded("frmCalcProgress"))
    QMetaObject::invokeMethod(progress, "SetRunProgress", Q_ARG(int, point));
}

void QtUi::ShowVehicleData() { CallOnVisibleForms("ShowVehicleData", true); }

void QtUi::ShowClutchCapacities(const std::string& staticText, const std::string& lockedText) {
  // Only a clutch form the racer can see follows a capacity worked out elsewhere.
  Form* clutch = Form::FindLoaded("frmDataClutch");
  if (clutch && clutch->isVisible())
    QMetaObject::invokeMethod(clutch, "ShowCapacities", Q_ARG(QString, QText(staticText)),
                              Q_ARG(QString, QText(lockedText)));
}

void QtUi::ShowPowerEntryForm() {
  if (Form* entry = Form::Instance("frmPNAData")) entry->ShowModal();
}

void QtUi::ShowPowerGraph(int mode) {
  Form* graph = Form::Instance("frmGraphPower");
  if (!graph) return;
  if (mode == 0)
    graph->Show();
  else
    graph->ShowModal();
}

void QtUi::SetEstimateProgress(int attempt) {
  if (Form* estimate = Form::FindLoaded("frmEstimate"))
    QMetaObject::invokeMethod(estimate, "SetEstimateProgress", Q_ARG(int, attempt));
}

void QtUi::ShowEstimateResult() {
  if (Form* result = Form::Instance("frmEstResult")) result->ShowModal();
}

bool QtUi::RefreshRunGraph() {
  Form* graph = Form::FindLoaded("frmGraphDyn");
  if (!graph) return false;
  QMetaObject::invokeMethod(graph, "Refresh");
  return true;
}

bool QtUi::RefreshSimDisplay() {
  Form* options = Form::FindLoaded("frmSimDisplay");
  if (!options) return false;
  QMetaObject::invokeMethod(options, "Form_Paint");
  return true;
}

void QtUi::ShowSimDisplay() {
  if (Form* options = Form::Instance("frmSimDisplay")) options->Show();
}

void QtUi::UnloadRunGraph() {
  for (const char* name : {"frmSimDisplay", "frmGraphDyn"})
    if (Form* form = Form::FindLoaded(name)) form->Unload();
}

void QtUi::RefreshResultWindows() {
  if (resultsDue_) return;
  resultsDue_ = true;
  QMetaObject::invokeMethod(
      &resultsContext_,
      [this] {
        resultsDue_ = false;
        CallOnVisibleForms("RedrawFromModel", false);
      },
      Qt::QueuedConnection);
}

}  // namespace kestrelon
