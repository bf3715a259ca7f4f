#include "platform/runtime/scale.h"

#include <cmath>

namespace platform {

namespace {

int floorDivide(long long a, long long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

int ceilDivide(long long a, long long b) {
    return -floorDivide(-a, b);
}

// The pixels at dpi `to` that cover any part of the rectangle at dpi `from`.
PixelRect coveringAt(const PixelRect& rect, int from, int to) {
    const int left = floorDivide(static_cast<long long>(rect.x) * to, from);
    const int top = floorDivide(static_cast<long long>(rect.y) * to, from);
    const int right = ceilDivide(static_cast<long long>(rect.x + rect.width) * to, from);
    const int bottom = ceilDivide(static_cast<long long>(rect.y + rect.height) * to, from);
    return {left, top, right - left, bottom - top};
}

}  // namespace

Scale Scale::fromFactor(double factor) {
    return Scale(static_cast<int>(std::lround(factor * kFormDpi)));
}

int Scale::toScreen(int formPixels) const {
    return floorDivide(static_cast<long long>(formPixels) * dpi_, kFormDpi);
}

int Scale::toForm(int screenPixels) const {
    return floorDivide(static_cast<long long>(screenPixels) * kFormDpi, dpi_);
}

PixelRect Scale::toScreen(const PixelRect& formRect) const {
    const int left = toScreen(formRect.x);
    const int top = toScreen(formRect.y);
    return {left, top, toScreen(formRect.x + formRect.width) - left,
            toScreen(formRect.y + formRect.height) - top};
}

PixelRect Scale::covering(const PixelRect& formRect) const {
    return coveringAt(formRect, kFormDpi, dpi_);
}

PixelRect Scale::coveredBy(const PixelRect& screenRect) const {
    return coveringAt(screenRect, dpi_, kFormDpi);
}

}  // namespace platform
