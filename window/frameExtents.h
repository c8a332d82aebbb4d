// The frame a window manager will put around a top-level window, asked before
// the window is first shown.
#pragma once

#include <QMargins>

class QWidget;

namespace frameExtents {

// The frame's width on each side of window, as the window system expects to
// draw it, or no margins where it cannot tell before the window is shown.
// Creates the window's native window if it has none yet.
//
// On X11 the window manager is asked with _NET_REQUEST_FRAME_EXTENTS and
// answers by setting _NET_FRAME_EXTENTS on the unmapped window; elsewhere the
// platform knows the frame once the native window exists.
QMargins Expected(QWidget& window);

// The frame the platform reports around window now: no margins until it
// knows one.
QMargins Reported(const QWidget& window);

} // namespace frameExtents
