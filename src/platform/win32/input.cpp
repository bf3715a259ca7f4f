#include "platform/win32/input.h"

namespace platform::win32 {

namespace {

bool held(int key) {
    return GetKeyState(key) < 0;
}

}  // namespace

int buttonsCode(WPARAM keys) {
    return ((keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
           ((keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
           ((keys & MK_MBUTTON) != 0 ? kMiddleButton : 0);
}

int shiftCode(WPARAM keys) {
    return ((keys & MK_SHIFT) != 0 ? kShiftMask : 0) | ((keys & MK_CONTROL) != 0 ? kCtrlMask : 0) |
           (held(VK_MENU) ? kAltMask : 0);
}

TypedKey typedKey(WPARAM character) {
    return {.character = static_cast<char32_t>(character),
            .ctrl = held(VK_CONTROL),
            .alt = held(VK_MENU),
            .meta = held(VK_LWIN) || held(VK_RWIN),
            .altGraph = held(VK_RMENU) && held(VK_LCONTROL)};
}

}  // namespace platform::win32
