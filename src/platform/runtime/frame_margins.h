#pragma once

namespace platform {

// The window manager's frame around a window's client area, in pixels: the
// title bar and the borders. All zero without a window manager, for a window
// without a border, and until the window manager has told it.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const FrameMargins&, const FrameMargins&) = default;
};

// Where a length centred in an area starts, in whole pixels with the
// remainder dropped: 417 pixels on a 1024-pixel screen start at pixel 303.
constexpr int centredStart(int areaStart, int areaLength, int length) {
    return areaStart + (areaLength - length) / 2;
}

}  // namespace platform
