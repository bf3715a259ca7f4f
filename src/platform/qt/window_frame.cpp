#include "platform/qt/window_frame.h"

#include <QWidget>
#include <QWindow>

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

}  // namespace platform
