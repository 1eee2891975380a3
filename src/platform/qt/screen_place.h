#pragma once
// Where a window may stand on the screens of this session. Places are the frame's top-left
// corner in pixels, as windows are moved.

#include <QPoint>
#include <QSize>

namespace kestrelon {

// Whether the caption bar of a window `width` pixels wide, with its frame's top-left corner at
// `frameTopLeft`, can be reached: on one screen it shows its whole height (the desktop's caption
// height) and at least that much of its width. A place stored for a larger screen, or for a
// screen no longer there, fails this.
bool CaptionBarOnScreen(QPoint frameTopLeft, int width);

// The place that centres a frame of this size on the main screen.
QPoint CentredPlace(QSize frame);
// The place that stands a frame of this size against the right edge of the main screen,
// halfway down.
QPoint RightEdgePlace(QSize frame);

}  // namespace kestrelon
