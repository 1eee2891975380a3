#include "platform/qt/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <utility>

#include "core/window_list.h"
#include "platform/qt/active_window.h"
#include "platform/qt/screen_place.h"
#include "platform/qt/text.h"

namespace kestrelon {
namespace {

std::vector<Form*>& Loaded() {
  static std::vector<Form*> loaded;
  return loaded;
}

struct Registration {
  std::function<Form*()> factory;
  QPointer<Form> instance;
};

std::map<std::string, Registration>& Registry() {
  static std::map<std::string, Registration> registry;
  return registry;
}

// Given an empty title, the window system shows the program's name instead; a window whose
// caption is empty shows this blank.
const QString BlankTitle = QStringLiteral(" ");

}  // namespace

Form::Form(const char* formName, const QString& caption, bool listed) : listed_(listed) {
  KeepActiveWindowVisible();
  setObjectName(formName);
  SetTitle(caption);
}

Form::~Form() { Forget(); }

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  Loaded().push_back(this);
  if (listed_) windowlistAdd(StdText(Caption()));
  // A new life starts without a focused control, as a window does at its first show.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  Form_Load();
  openingFocus_ = focusWidget();
}

void Form::Show() {
  Load();
  if (!loaded_) return;  // the window accepted itself and went during its load
  // Beneath a window that is waited for, a modeless window would take no input at all.
  const bool aboveAWait = QApplication::activeModalWidget() && QApplication::activeModalWidget() != this;
  const bool holdsInput = !waits_.empty() || holdsInput_ || aboveAWait;
  ShowWithModality(holdsInput ? Qt::ApplicationModal : Qt::NonModal);
}

void Form::HoldInputWhenShown(bool hold) {
  holdsInput_ = hold;
  if (isVisible()) Show();
}

void Form::ShowModal() {
  Load();
  if (!loaded_) return;
  QEventLoop wait;
  waits_.push_back(&wait);
  ShowWithModality(Qt::ApplicationModal);
  wait.exec();
  // The window's unload ended this wait and every other of the same life.
  std::erase(waits_, &wait);
}

void Form::ShowWithModality(Qt::WindowModality modality) {
  const bool opening = !isVisible();
  if (windowModality() != modality) {
    hide();
    setWindowModality(modality);
  }
  // A minimised window comes back as a normal one; a maximised one stays maximised.
  if (IsMinimised()) SetNormalState();
  WidenToCaption();
  if (opening) {
    RestoreOpeningFocus();
    FitOnScreen(*this);
    fitAfterPaint_ = true;
  }
  show();
  raise();
  activateWindow();
}

void Form::RestoreOpeningFocus() {
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  if (openingFocus_) openingFocus_->setFocus();
}

bool Form::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // A paint may change what the controls hold (a heading, a caption), and the layout follows
  // from the event queue; by the first paint the window system has framed the window too.
  if (event->type() == QEvent::Paint && std::exchange(fitAfterPaint_, false)) {
    QMetaObject::invokeMethod(
        this, [this] { if (isVisible()) FitShownWindow(*this); }, Qt::QueuedConnection);
  }
  return handled;
}

bool Form::Unload() {
  if (!loaded_) return true;
  bool cancel = false;
  Form_QueryUnload(cancel);
  if (cancel) return false;
  Form_Unload();
  Forget();
  Hide();
  return true;
}

void Form::Hide() {
  hide();
  setWindowModality(Qt::NonModal);
  EndWaits();
}

void Form::EndWaits() {
  for (QEventLoop* wait : std::exchange(waits_, {})) wait->quit();
}

void Form::Forget() {
  if (!loaded_) return;
  loaded_ = false;
  auto& loaded = Loaded();
  loaded.erase(std::remove(loaded.begin(), loaded.end(), this), loaded.end());
  if (listed_) windowlistRemove(StdText(Caption()));
  // This life's waits end; a later load of the window starts waits of its own.
  EndWaits();
}

void Form::SetNormalState() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void Form::SetCaption(const QString& caption) {
  const QString before = Caption();
  SetTitle(caption);
  if (loaded_ && listed_) windowlistRename(StdText(before), StdText(caption));
}

void Form::SetTitle(const QString& caption) { setWindowTitle(caption.isEmpty() ? BlankTitle : caption); }

QString Form::Caption() const { return windowTitle() == BlankTitle ? QString() : windowTitle(); }

const std::vector<Form*>& Form::LoadedForms() { return Loaded(); }

Form* Form::FindLoaded(const QString& formName) {
  for (Form* form : Loaded())
    if (form->FormName() == formName) return form;
  return nullptr;
}

void Form::Register(const std::string& formName, std::function<Form*()> factory) {
  Registry()[formName].factory = std::move(factory);
}

Form* Form::Instance(const std::string& formName) {
  auto it = Registry().find(formName);
  if (it == Registry().end() || !it->second.factory) return nullptr;
  if (!it->second.instance) it->second.instance = it->second.factory();
  return it->second.instance;
}

std::vector<std::string> Form::RegisteredNames() {
  std::vector<std::string> names;
  for (const auto& [name, registration] : Registry()) names.push_back(name);
  return names;
}

void Form::DeleteInstances() {
  for (auto& [name, registration] : Registry()) delete registration.instance.data();
}

void Form::ApplyTags() {
  for (QWidget* control : findChildren<QWidget*>()) {
    const QString tag = control->property("Tag").toString();
    if (!tag.isEmpty()) control->setToolTip(tag);
  }
}

void Form::SetTag(QWidget* control, const QString& tag) { control->setProperty("Tag", tag); }

int Form::CaptionWidth(const QString& caption) {
  // Title bars use a bold face somewhat larger than the controls'; the frame's icon and its
  // three buttons take about 130 pixels more.
  constexpr int FrameAllowance = 130;
  QFont titleFont = QApplication::font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
  return QFontMetrics(titleFont).horizontalAdvance(caption) + FrameAllowance;
}

void Form::CentreOnScreen() { PlaceAt(-1, -1); }

void Form::WidenToCaption() {
  if (const int needed = CaptionWidth(Caption()); width() < needed) resize(needed, height());
}

void Form::PlaceAt(Long top, Long left) {
  if (!testAttribute(Qt::WA_Resized)) adjustSize();
  // Widened before it is placed, so that a centred window stays centred when it shows.
  WidenToCaption();
  const QPoint fallback = DefaultPlace();
  const QPoint place(left >= 0 ? left / TwipsPerPixel : fallback.x(), top >= 0 ? top / TwipsPerPixel : fallback.y());
  move(CaptionBarOnScreen(place, frameGeometry().width()) ? place : fallback);
}

QPoint Form::DefaultPlace() const { return CentredPlace(frameGeometry().size()); }

void Form::SavePlace(Long& top, Long& left) const {
  top = static_cast<Long>(y()) * TwipsPerPixel;
  left = static_cast<Long>(x()) * TwipsPerPixel;
}

void Form::closeEvent(QCloseEvent* event) {
  event->ignore();
  Unload();
}

void Form::keyPressEvent(QKeyEvent* event) {
  // Top-level windows that are not dialogs get no default or cancel button from Qt itself.
  const auto usable = [](QPushButton* b) { return b && b->isVisible() && b->isEnabled(); };
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (usable(focused)) return focused->click();
    for (QPushButton* button : findChildren<QPushButton*>())
      if (button->isDefault() && usable(button)) return button->click();
  } else if (event->key() == Qt::Key_Escape && usable(cancelButton_)) {
    return cancelButton_->click();
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kestrelon
