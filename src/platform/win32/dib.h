#pragma once

#include <cstdint>
#include <span>

#include "platform/runtime/units.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// A 32-bit top-down bitmap that GDI draws into and the program reads and
// writes directly. Empty when it has no pixels or could not be created.
class Dib {
  public:
    Dib() = default;
    Dib(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return !bitmap_; }
    HBITMAP handle() const { return bitmap_.get(); }

    // 0x00RRGGBB each, rows top to bottom. Call GdiFlush() after GDI drew.
    std::span<std::uint32_t> pixels() const;
    // The runtime's packing of the colour at a point.
    Color colourAt(int x, int y) const;

  private:
    OwnedBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// A picture read from the bytes of a .bmp file; empty if they are not one.
Dib decodeBmp(std::span<const std::byte> file);

// The picture flipped left to right.
Dib mirrored(const Dib& picture);

// The picture at another size, each pixel the area-weighted average of the
// pixels it covers, so that a shrunken line drawing keeps its thin lines as
// greys rather than dropping them.
Dib scaledSmoothly(const Dib& picture, int width, int height);

// COLORREF and the runtime's Color share their packing; named for clarity.
constexpr COLORREF colorRef(Color colour) {
    return static_cast<COLORREF>(colour);
}

}  // namespace platform::win32
