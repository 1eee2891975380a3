#pragma once
// Where a window may stand on the screens of this session. Places are the frame's top-left
// corner in pixels, as windows are moved.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace kestrelon {

// What the window system tells of where windows stand: the available area of the screen a
// window is on, and the frame it has put around a window it shows (none before it shows).
// Left empty, each is asked of the window system; a test stands in for a screen and frames of
// its choosing (the offscreen platform has one fixed screen and thin frames).
struct WindowSystemLook {
  std::function<QRect(const QWidget&)> ScreenArea;
  std::function<QMargins(const QWidget&)> Frame;
};
extern WindowSystemLook WindowSystem;

// Whether the caption bar of a window `width` pixels wide, with its frame's top-left corner at
// `frameTopLeft`, can be reached: on one screen it shows its whole height (the desktop's caption
// height) and at least that much of its width. A place stored for a larger screen, or for a
// screen no longer there, fails this.
bool CaptionBarOnScreen(QPoint frameTopLeft, int width);

// The place that centres a frame of this size on the main screen's available area; a frame
// larger than the area stands at its top or left edge instead.
QPoint CentredPlace(QSize frame);
// The place that stands a frame of this size against the right edge of the main screen's
// available area, halfway down.
QPoint RightEdgePlace(QSize frame);

// Brings a window about to be shown inside the available area of its screen (`FitOnScreen`) or
// of the given area (`FitInto`): a window larger than the area is made as large as the area,
// its content scrolling where it cannot shrink that far, and its frame is moved inside the
// area, to the area's top-left corner when it fills it. Small screens, and large scale factors,
// would otherwise leave a window's caption bar or its buttons out of reach.
void FitOnScreen(QWidget& window);
void FitInto(QWidget& window, const QRect& area);
// Fits a window on screen again once it shows: with what its controls hold after its first
// paint (which may change a heading, and with it the room the window needs) and with the frame
// the window system has put around it, which it may not have told before the window showed.
void FitShownWindow(QWidget& window);

}  // namespace kestrelon
