#include "platform/win32/dpi_scale.h"

#include <shellscalingapi.h>

namespace platform::win32 {

namespace {

int floorDivide(long long a, long long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

int ceilDivide(long long a, long long b) {
    return -floorDivide(-a, b);
}

// The pixels at dpi `to` that cover any part of the rectangle at dpi `from`.
PixelRect covering(const PixelRect& rect, int from, int to) {
    const int left = floorDivide(static_cast<long long>(rect.x) * to, from);
    const int top = floorDivide(static_cast<long long>(rect.y) * to, from);
    const int right = ceilDivide(static_cast<long long>(rect.x + rect.width) * to, from);
    const int bottom = ceilDivide(static_cast<long long>(rect.y + rect.height) * to, from);
    return {left, top, right - left, bottom - top};
}

}  // namespace

int DpiScale::toScreen(int formPixels) const {
    return floorDivide(static_cast<long long>(formPixels) * dpi_, kFormDpi);
}

int DpiScale::toForm(int screenPixels) const {
    return floorDivide(static_cast<long long>(screenPixels) * kFormDpi, dpi_);
}

PixelRect DpiScale::toScreen(const PixelRect& formRect) const {
    return covering(formRect, kFormDpi, dpi_);
}

PixelRect DpiScale::toForm(const PixelRect& screenRect) const {
    return covering(screenRect, dpi_, kFormDpi);
}

HMONITOR monitorUnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
}

DpiScale scaleOf(HMONITOR monitor) {
    UINT dpi = 0;
    UINT unused = 0;
    GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpi, &unused);
    return DpiScale(static_cast<int>(dpi));
}

}  // namespace platform::win32
