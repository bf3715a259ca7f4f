#pragma once

#include <utility>

#include "platform/runtime/control.h"
#include "platform/runtime/form.h"
#include "platform/runtime/mouse.h"

// Pointer input as the window system delivers it, in client pixels.
namespace testing_support {

inline std::pair<int, int> centreOf(const platform::Control& control) {
    const platform::PixelRect r = control.pixelRect();
    return {r.x + r.width / 2, r.y + r.height / 2};
}

inline void moveTo(const platform::Control& control) {
    const auto [x, y] = centreOf(control);
    control.form().mouseMove(x, y, 0, 0);
}

inline void clickAt(platform::Form& form, int x, int y, int button = platform::kLeftButton) {
    form.mouseDown(x, y, button, 0);
    form.mouseUp(x, y, button, 0);
}

inline void click(const platform::Control& control, int button = platform::kLeftButton) {
    const auto [x, y] = centreOf(control);
    clickAt(control.form(), x, y, button);
}

}  // namespace testing_support
