#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include "platform/runtime/frame_margins.h"

class QWidget;

namespace platform {

// A top-level window's outer frame as the window manager last told it (on
// X11, _NET_FRAME_EXTENTS). The widget's own idea of its frame can lag
// behind the window system's, so these ask the native window.
FrameMargins frameMarginsOf(const QWidget& window);
// The frame's top-left corner on the screen; the client area's while there
// is no frame.
QPoint framePositionOf(const QWidget& window);
QRect frameRectOf(const QWidget& window);
// Asks for the frame's top-left corner at a place, for a window not yet
// shown too: the window manager then puts its frame's corner there.
void moveFrameTo(QWidget& window, QPoint place);
// Whether a pointer button is held down now that no window of the program
// took, `heldHere` being those the window's own client area took: one held on
// a title bar. While the window manager drags a window by its title bar it has
// the pointer to itself, so on X11 this asks the X server.
bool pointerButtonHeldElsewhere(Qt::MouseButtons heldHere);

}  // namespace platform
