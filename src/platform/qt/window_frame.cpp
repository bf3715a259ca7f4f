#include "platform/qt/window_frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <memory>

#ifdef ZUMBILO_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace platform {

FrameMargins frameMarginsOf(const QWidget& window) {
    const QWindow* native = window.windowHandle();
    if (native == nullptr) {
        return {};
    }
    const QMargins margins = native->frameMargins();
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

QPoint framePositionOf(const QWidget& window) {
    if (window.windowHandle() == nullptr) {
        return window.pos();
    }
    const FrameMargins frame = frameMarginsOf(window);
    return window.geometry().topLeft() - QPoint(frame.left, frame.top);
}

QRect frameRectOf(const QWidget& window) {
    const FrameMargins frame = frameMarginsOf(window);
    return {framePositionOf(window),
            window.size().grownBy({frame.left, frame.top, frame.right, frame.bottom})};
}

void moveFrameTo(QWidget& window, QPoint place) {
    // The widget places its frame by its own idea of that frame, which can lag
    // behind the window system's: make up the difference.
    const QPoint lag = framePositionOf(window) - window.pos();
    window.move(place - lag);
}

bool pointerButtonHeldElsewhere(Qt::MouseButtons heldHere) {
#ifdef ZUMBILO_HAVE_XCB
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    // Offscreen, Qt may answer with no connection.
    if (connection != nullptr) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> pointer(
            xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr),
            &std::free);
        if (pointer == nullptr) {
            return false;
        }
        const Qt::MouseButtons ours = QGuiApplication::mouseButtons();
        const auto heldElsewhere = [&](unsigned mask, Qt::MouseButton button) {
            return (pointer->mask & mask) != 0 && !ours.testFlag(button);
        };
        return heldElsewhere(XCB_BUTTON_MASK_1, Qt::LeftButton) ||
               heldElsewhere(XCB_BUTTON_MASK_2, Qt::MiddleButton) ||
               heldElsewhere(XCB_BUTTON_MASK_3, Qt::RightButton);
    }
#endif
    // Where the window system tells no more, Qt's own record is its word: a
    // button there that the client area did not take was pressed on the frame.
    return (QGuiApplication::mouseButtons() & ~heldHere) != Qt::NoButton;
}

}  // namespace platform
