#pragma once

#include "platform/runtime/units.h"

namespace platform {

// Button and shift codes as the mouse events report them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

struct MouseArgs {
    int Button = 0;
    int Shift = 0;
    Twips X = 0;  // from the receiving control's top-left corner
    Twips Y = 0;
};

}  // namespace platform
