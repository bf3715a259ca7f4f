#pragma once

#include "platform/runtime/window_system.h"
#include "platform/win32/accessibility_libraries.h"
#include "platform/win32/fonts.h"
#include "platform/win32/pictures.h"
#include "platform/win32/tool_tip_class.h"

namespace platform::win32 {

// The forms' windows on the Win32 API, centred on the monitor under the
// pointer, captions measured as GDI draws them.
class Win32WindowSystem final : public WindowSystem {
  public:
    // Throws std::runtime_error, saying why, when windows cannot be made.
    Win32WindowSystem();

    std::unique_ptr<FormView> createView(Form& form) override;
    // The work area (without the taskbar) of the monitor under the pointer.
    PixelRect screenArea() const override;
    // The system's frame for the style, at that monitor's scale.
    FrameMargins frameOf(int borderStyle) const override;
    PixelSize textSize(const Font& font, const std::string& text) const override;

    const Pictures& pictures() const { return pictures_; }
    const FontStore& fonts() const { return fonts_; }

  private:
    // Outlive the windows, which may answer screen readers until they go.
    AccessibilityLibraries accessibilityLibraries_;
    Pictures pictures_;
    FontStore fonts_;
    ToolTipClass toolTips_;
};

}  // namespace platform::win32
