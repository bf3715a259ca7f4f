#include "platform/win32/window_system.h"

#include "platform/runtime/faces.h"
#include "platform/win32/form_window.h"
#include "platform/win32/monitors.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

Win32WindowSystem::Win32WindowSystem() {
    registerFormWindowClass();
}

std::unique_ptr<FormView> Win32WindowSystem::createView(Form& form) {
    return std::make_unique<FormWindowView>(
        form, DrawingStores{pictures_, fonts_, toolTips_, accessibilityLibraries_});
}

PixelRect Win32WindowSystem::screenArea() const {
    auto* const monitor = monitorUnderPointer();
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info) == 0) {
        return {};
    }
    // In the forms' pixels, as the windows place them on a monitor of this scale.
    const RECT& area = info.rcWork;
    return scaleOf(monitor).coveredBy(
        PixelRect{area.left, area.top, area.right - area.left, area.bottom - area.top});
}

FrameMargins Win32WindowSystem::frameOf(int borderStyle) const {
    const Scale scale = scaleOf(monitorUnderPointer());
    RECT outer{};
    AdjustWindowRectExForDpi(&outer, windowStyleFor(borderStyle), FALSE, 0,
                             static_cast<UINT>(scale.dpi()));
    return {scale.toForm(-outer.left), scale.toForm(-outer.top), scale.toForm(outer.right),
            scale.toForm(outer.bottom)};
}

PixelSize Win32WindowSystem::textSize(const Font& font, const std::string& text) const {
    const ScreenDc screen;
    const Selected selected(
        screen.get(), fonts_.font(font.Name, pixelSizeOf(font.Size), font.Bold, font.Underline));
    const std::wstring wide = widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    return {static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight)};
}

}  // namespace platform::win32
