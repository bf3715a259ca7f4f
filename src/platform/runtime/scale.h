#pragma once

#include "platform/runtime/units.h"

namespace platform {

// Between a form's pixels, laid out at 96 dpi, and the pixels of a screen
// that shows it larger (a display scaled above 100 %, a browser's device
// pixel ratio). Edges map alike wherever they belong, so rectangles that
// touch in the form touch on the screen, and none overlap.
class Scale {
  public:
    static constexpr int kFormDpi = 96;

    explicit Scale(int dpi = kFormDpi) : dpi_(dpi > 0 ? dpi : kFormDpi) {}
    // A device pixel ratio such as 1.5, to the nearest dot per inch.
    static Scale fromFactor(double factor);

    int dpi() const { return dpi_; }
    double factor() const { return static_cast<double>(dpi_) / kFormDpi; }

    int toScreen(int formPixels) const;
    // The form's pixel that holds the screen's, also left of or above the form.
    int toForm(int screenPixels) const;
    // The screen pixels whose edges are the form rectangle's edges mapped.
    PixelRect toScreen(const PixelRect& formRect) const;
    // The screen pixels that show any part of the form's rectangle.
    PixelRect covering(const PixelRect& formRect) const;
    // The form pixels that any pixel of the screen's rectangle shows.
    PixelRect coveredBy(const PixelRect& screenRect) const;

    friend bool operator==(const Scale&, const Scale&) = default;

  private:
    int dpi_;
};

}  // namespace platform
