#pragma once

#include <cstdint>

namespace platform {

// Positions and sizes are single-precision twips, 15 to the pixel at 96 dpi.
using Twips = float;
inline constexpr int kTwipsPerPixel = 15;

// Colours pack red in the low byte, then green, then blue.
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | (static_cast<Color>(green & 0xFF) << 8U) |
           (static_cast<Color>(blue & 0xFF) << 16U);
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFFU);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8U) & 0xFFU);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16U) & 0xFFU);
}

struct TwipsRect {
    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;
    Twips Height = 0;
};

// Whole pixels; a rectangle's edges are rounded separately so that adjacent
// rectangles in twips stay adjacent in pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

int toPixels(Twips t);
Twips toTwips(int pixels);
PixelRect toPixels(const TwipsRect& r);

}  // namespace platform
