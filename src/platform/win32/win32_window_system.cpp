#include "platform/win32/win32_window_system.h"

#include "platform/win32/form_window.h"
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
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &monitor) == 0) {
        return {};
    }
    const RECT& area = monitor.rcWork;
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

PixelSize Win32WindowSystem::textSize(const Font& font, const std::string& text) const {
    const ScreenDc screen;
    const Selected selected(screen.get(), fonts_.font(font));
    const std::wstring wide = widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    return {static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight)};
}

}  // namespace platform::win32
