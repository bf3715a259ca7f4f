#pragma once

#include <array>

#include "platform/runtime/keys.h"
#include "platform/runtime/mouse.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// The three buttons the forms know, pressed and let go.
struct ButtonMessage {
    UINT message;
    int button;
    bool down;
};
inline constexpr std::array kButtonMessages{
    ButtonMessage{WM_LBUTTONDOWN, kLeftButton, true},
    ButtonMessage{WM_LBUTTONUP, kLeftButton, false},
    ButtonMessage{WM_RBUTTONDOWN, kRightButton, true},
    ButtonMessage{WM_RBUTTONUP, kRightButton, false},
    ButtonMessage{WM_MBUTTONDOWN, kMiddleButton, true},
    ButtonMessage{WM_MBUTTONUP, kMiddleButton, false},
};

// A mouse message's buttons and keys in the runtime's codes.
int buttonsCode(WPARAM keys);
int shiftCode(WPARAM keys);
// A WM_CHAR's character with the modifiers held as the keyboard has them
// now; AltGr comes as the right Alt with the left Ctrl.
TypedKey typedKey(WPARAM character);

}  // namespace platform::win32
