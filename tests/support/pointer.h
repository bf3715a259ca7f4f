#pragma once

#include "platform/control.h"
#include "platform/form.h"
#include "platform/mouse.h"

namespace testing_support {

// Pointer input at a control's centre, as the window system would deliver it.
struct Pointer {
    platform::Form& form;

    static std::pair<int, int> centreOf(const platform::Control& control) {
        const platform::PixelRect r = control.pixelRect();
        return {r.x + r.width / 2, r.y + r.height / 2};
    }

    void moveTo(const platform::Control& control) const {
        const auto [x, y] = centreOf(control);
        form.mouseMove(x, y, 0, 0);
    }
    void click(const platform::Control& control, int button = platform::kLeftButton) const {
        const auto [x, y] = centreOf(control);
        clickAt(x, y, button);
    }
    void clickAt(int x, int y, int button = platform::kLeftButton) const {
        form.mouseDown(x, y, button, 0);
        form.mouseUp(x, y, button, 0);
    }
};

}  // namespace testing_support
