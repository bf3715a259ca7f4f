#pragma once

#include "platform/runtime/units.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// Between the forms' pixels, laid out at 96 dpi, and the screen pixels of a
// window on a monitor of another dpi (a display scaled above 100 %).
class DpiScale {
  public:
    static constexpr int kFormDpi = 96;

    explicit DpiScale(int dpi = kFormDpi) : dpi_(dpi > 0 ? dpi : kFormDpi) {}

    int dpi() const { return dpi_; }
    double factor() const { return static_cast<double>(dpi_) / kFormDpi; }

    int toScreen(int formPixels) const;
    // The form's pixel that holds the screen's, also left of or above the window.
    int toForm(int screenPixels) const;
    // The screen pixels that show any part of the form's rectangle.
    PixelRect toScreen(const PixelRect& formRect) const;
    // The form pixels that any pixel of the screen's rectangle shows.
    PixelRect toForm(const PixelRect& screenRect) const;

  private:
    int dpi_;
};

// The monitor under the pointer, whose work area the forms are centred on and
// whose scale their windows are made at.
HMONITOR monitorUnderPointer();
DpiScale scaleOf(HMONITOR monitor);

}  // namespace platform::win32
