#include "platform/win32/dpi_scale.h"

namespace platform::win32 {

namespace {

int floorDivide(long long a, long long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

int ceilDivide(long long a, long long b) {
    return -floorDivide(-a, b);
}

}  // namespace

int DpiScale::toScreen(int formPixels) const {
    return floorDivide(static_cast<long long>(formPixels) * dpi_, kFormDpi);
}

int DpiScale::toForm(int screenPixels) const {
    return floorDivide(static_cast<long long>(screenPixels) * kFormDpi, dpi_);
}

PixelRect DpiScale::toScreen(const PixelRect& r) const {
    const int left = toScreen(r.x);
    const int top = toScreen(r.y);
    const int right = ceilDivide(static_cast<long long>(r.x + r.width) * dpi_, kFormDpi);
    const int bottom = ceilDivide(static_cast<long long>(r.y + r.height) * dpi_, kFormDpi);
    return {left, top, right - left, bottom - top};
}

PixelRect DpiScale::toForm(const PixelRect& r) const {
    const int left = toForm(r.x);
    const int top = toForm(r.y);
    const int right = ceilDivide(static_cast<long long>(r.x + r.width) * kFormDpi, dpi_);
    const int bottom = ceilDivide(static_cast<long long>(r.y + r.height) * kFormDpi, dpi_);
    return {left, top, right - left, bottom - top};
}

}  // namespace platform::win32
