#pragma once

#include <map>

#include "platform/qt/pictures.h"
#include "platform/runtime/window_system.h"

namespace platform {

// The forms' windows as Qt widgets, centred on the monitor under the pointer,
// captions measured as Qt draws them.
class QtWindowSystem final : public WindowSystem {
  public:
    std::unique_ptr<FormView> createView(Form& form) override;
    // The monitor under the pointer, else the primary one.
    PixelRect screenArea() const override;
    // The frame the window manager last told a window of the border style;
    // none until it has (an X11 window manager tells it once it has framed
    // a window).
    FrameMargins frameOf(int borderStyle) const override;
    PixelSize textSize(const Font& font, const std::string& text) const override;

    // A window of the border style was framed so: later ones are centred by it.
    void frameTold(int borderStyle, const FrameMargins& frame) { frames_[borderStyle] = frame; }
    const Pictures& pictures() const { return pictures_; }

  private:
    Pictures pictures_;
    std::map<int, FrameMargins> frames_;
};

}  // namespace platform
