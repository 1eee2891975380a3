#include "platform/qt/screen_place.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "core/settings.h"

namespace kestrelon {

WindowSystemLook WindowSystem;

namespace {

QRect MainArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

QMargins MarginsOf(const QWidget& window) {
  if (WindowSystem.Frame) return WindowSystem.Frame(window);
  const QRect frame = window.frameGeometry(), inside = window.geometry();
  return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
          frame.bottom() - inside.bottom()};
}

// The frame the window system puts around a window: its own once it has been shown, else that
// of a window already shown (the main bar is shown first), else none, as without a window
// manager.
QMargins FrameOf(const QWidget& window) {
  if (const QMargins own = MarginsOf(window); !own.isNull()) return own;
  for (const QWidget* shown : QApplication::topLevelWidgets())
    if (shown->isVisible())
      if (const QMargins frame = MarginsOf(*shown); !frame.isNull()) return frame;
  return {};
}

// One coordinate of a frame `length` long placed at `at` inside [start, start + room).
int Inside(int at, int length, int start, int room) {
  return length >= room ? start : std::clamp(at, start, start + room - length);
}

// The scroll area a window's controls are moved into.
const QString ContentScrollName = QStringLiteral("ContentScroll");

// Moves the window's controls into a scroll area filling the window, so that the window can be
// smaller than they need. Their look stays the window's own: neither the area nor the page
// paints a background, so the window goes on receiving its paints.
void ScrollContent(QWidget& window) {
  QLayout* content = window.layout();
  if (!content) return;  // controls placed by the window itself follow its size
  if (window.findChild<QScrollArea*>(ContentScrollName, Qt::FindDirectChildrenOnly)) return;  // scrolls already
  // A shown window's controls keep the focus through the move.
  const QPointer<QWidget> focused = window.focusWidget();
  auto* page = new QWidget;
  page->setLayout(content);  // takes the layout, and its controls, from the window
  auto* area = new QScrollArea;
  area->setObjectName(ContentScrollName);
  area->setFrameShape(QFrame::NoFrame);
  // The window's first control takes the keyboard as the window opens, as it does without the
  // area; a control that gets it, however it gets it, is scrolled into view.
  area->setFocusPolicy(Qt::NoFocus);
  QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
    if (now && area->widget()->isAncestorOf(now)) area->ensureWidgetVisible(now);
  });
  area->setWidgetResizable(true);
  area->setWidget(page);
  page->setAutoFillBackground(false);
  area->viewport()->setAutoFillBackground(false);
  auto* fill = new QVBoxLayout(&window);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(area);
  if (focused && window.focusWidget() != focused) focused->setFocus();
}

// Lays the window's controls out now, innermost first, as the layout requests that a changed
// control posts would, one level per turn of the event loop.
void SettleLayouts(QWidget& window) {
  const QList<QWidget*> controls = window.findChildren<QWidget*>();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if (QLayout* layout = (*it)->layout()) layout->activate();
  if (QLayout* layout = window.layout()) layout->activate();
}

}  // namespace

bool CaptionBarOnScreen(QPoint frameTopLeft, int width) {
  const int height = static_cast<int>(std::clamp<Long>(Cfg.CaptionHeight, 1, 200));
  const QRect bar(frameTopLeft, QSize(std::max(width, 1), height));
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect shown = bar.intersected(screen->availableGeometry());
    if (shown.height() == bar.height() && shown.width() >= std::min(bar.width(), height)) return true;
  }
  return false;
}

QPoint CentredPlace(QSize frame) {
  const QRect area = MainArea();
  return {area.x() + std::max(0, (area.width() - frame.width()) / 2),
          area.y() + std::max(0, (area.height() - frame.height()) / 2)};
}

QPoint RightEdgePlace(QSize frame) {
  const QRect area = MainArea();
  return {area.x() + std::max(0, area.width() - frame.width()), CentredPlace(frame).y()};
}

void FitOnScreen(QWidget& window) {
  if (WindowSystem.ScreenArea) return FitInto(window, WindowSystem.ScreenArea(window));
  const QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  QRect area = screen->availableGeometry();
  // Windows stand on whole pixels of the scaled screen. At a fractional scale (1.5) the window
  // system rounds each edge of a window, and of its frame, to a device pixel either way: a
  // pixel of room along each edge keeps the frame on the screen.
  if (const qreal ratio = screen->devicePixelRatio(); ratio != std::round(ratio)) area.adjust(1, 1, -1, -1);
  FitInto(window, area);
}

void FitShownWindow(QWidget& window) {
  SettleLayouts(window);
  FitOnScreen(window);
}

void FitInto(QWidget& window, const QRect& area) {
  if (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  // Shown without a size of its own, a window takes the size its controls ask for.
  if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  const QMargins frame = FrameOf(window);
  const QSize room = area.size().shrunkBy(frame);
  QPoint place = window.pos();
  if (window.width() > room.width() || window.height() > room.height()) {
    if (window.width() > room.width()) place.setX(area.x());
    if (window.height() > room.height()) place.setY(area.y());
    const QSize fitted = window.size().boundedTo(room);
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    if (least.width() > fitted.width() || least.height() > fitted.height()) ScrollContent(window);
    window.setMinimumSize(window.minimumSize().boundedTo(fitted));
    window.resize(fitted);
  }
  const QSize outer = window.size().grownBy(frame);
  window.move(Inside(place.x(), outer.width(), area.x(), area.width()),
              Inside(place.y(), outer.height(), area.y(), area.height()));
}

}  // namespace kestrelon
