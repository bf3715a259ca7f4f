#include "platform/win32/dib.h"

namespace platform::win32 {

Dib::Dib(int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bits == nullptr) {
        bitmap_.reset();
    } else {
        bits_ = static_cast<std::uint32_t*>(bits);
        width_ = width;
        height_ = height;
    }
}

Color Dib::colourAt(int x, int y) const {
    // 0x00RRGGBB each, rows top to bottom.
    const std::uint32_t pixel = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB(static_cast<int>((pixel >> 16U) & 0xFFU), static_cast<int>((pixel >> 8U) & 0xFFU),
               static_cast<int>(pixel & 0xFFU));
}

}  // namespace platform::win32
