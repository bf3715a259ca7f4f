#include "platform/web/input.h"

#include "platform/runtime/mouse.h"

namespace platform::web {

namespace {

constexpr int kDomPrimary = 1;
constexpr int kDomSecondary = 2;
constexpr int kDomAuxiliary = 4;

}  // namespace

int buttonsCode(int domButtons) {
    return ((domButtons & kDomPrimary) != 0 ? kLeftButton : 0) |
           ((domButtons & kDomSecondary) != 0 ? kRightButton : 0) |
           ((domButtons & kDomAuxiliary) != 0 ? kMiddleButton : 0);
}

int shiftCode(bool shift, bool ctrl, bool alt) {
    return (shift ? kShiftMask : 0) | (ctrl ? kCtrlMask : 0) | (alt ? kAltMask : 0);
}

}  // namespace platform::web
