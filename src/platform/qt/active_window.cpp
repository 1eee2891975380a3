#include "platform/qt/active_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <vector>

namespace kestrelon {
namespace {

class ActiveWindowKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::WindowActivate:
        if (QWidget* window = TopLevel(watched)) Activated(window);
        break;
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
        // Keys come from the window system to a window; one that has hidden acts on none.
        if (watched->isWindowType()) {
          QWidget* window = WidgetOf(static_cast<QWindow*>(watched));
          if (window && !window->isVisible()) {
            // A drop-down list or menu closed by the key has used it up.
            if (window->windowType() != Qt::Popup) PassOn(window, event);
            return true;
          }
        }
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // A top-level window of the program's own that takes the focus (no menu or tooltip).
  static QWidget* TopLevel(QObject* object) {
    if (!object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow() || widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip)
      return nullptr;
    return widget;
  }

  static QWidget* WidgetOf(const QWindow* window) {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->windowHandle() == window) return widget;
    return nullptr;
  }

  void Activated(QWidget* window) {
    if (!window->isVisible()) return HandBackLater(window);
    std::erase_if(activated_, [window](const QPointer<QWidget>& w) { return !w || w == window; });
    activated_.emplace_back(window);
  }

  // The window that holds the program's input, else the visible window activated last.
  QWidget* WorkWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) return modal;
    for (auto it = activated_.rbegin(); it != activated_.rend(); ++it)
      if (*it && (*it)->isVisible()) return *it;
    return nullptr;
  }

  // From the event queue: the activation is delivered while the toolkit is still making the
  // hidden window the active one. A window system that has chosen another window meanwhile
  // is left to it.
  void HandBackLater(QWidget* hidden) {
    QMetaObject::invokeMethod(
        this,
        [this, hidden = QPointer<QWidget>(hidden)] {
          if (!hidden || hidden->isVisible() || QApplication::activeWindow() != hidden) return;
          QApplication::setActiveWindow(WorkWindow());
        },
        Qt::QueuedConnection);
  }

  // The key goes to the window the racer works in, as if the window system had sent it there.
  void PassOn(QWidget* hidden, QEvent* event) const {
    QWidget* work = WorkWindow();
    if (!work || work == hidden || !work->windowHandle()) return;
    const std::unique_ptr<QEvent> copy(event->clone());
    QCoreApplication::sendEvent(work->windowHandle(), copy.get());
    event->setAccepted(copy->isAccepted());
  }

  std::vector<QPointer<QWidget>> activated_;
};

}  // namespace

void KeepActiveWindowVisible() {
  static QPointer<ActiveWindowKeeper> keeper;
  if (keeper || !qApp) return;
  keeper = new ActiveWindowKeeper(qApp);
  qApp->installEventFilter(keeper);
}

}  // namespace kestrelon
