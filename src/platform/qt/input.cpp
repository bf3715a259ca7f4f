#include "platform/qt/input.h"

#include <QKeyEvent>

#include "platform/runtime/mouse.h"

namespace platform {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons) {
    return ((buttons & Qt::LeftButton) != 0 ? kLeftButton : 0) |
           ((buttons & Qt::RightButton) != 0 ? kRightButton : 0) |
           ((buttons & Qt::MiddleButton) != 0 ? kMiddleButton : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) != 0 ? kShiftMask : 0) |
           ((modifiers & Qt::ControlModifier) != 0 ? kCtrlMask : 0) |
           ((modifiers & Qt::AltModifier) != 0 ? kAltMask : 0);
}

TypedKey typedKey(const QKeyEvent& event) {
    const QString text = event.text();
    const Qt::KeyboardModifiers held = event.modifiers();
    return {.character = text.isEmpty() ? U'\0' : static_cast<char32_t>(text.at(0).unicode()),
            .ctrl = held.testFlag(Qt::ControlModifier),
            .alt = held.testFlag(Qt::AltModifier),
            .meta = held.testFlag(Qt::MetaModifier),
            .altGraph = held.testFlag(Qt::GroupSwitchModifier)};
}

}  // namespace platform
