#pragma once

#include <cstdint>

#include "platform/runtime/units.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// A 32-bit top-down bitmap that GDI draws into and the program reads
// directly. Empty when it has no pixels or could not be created.
class Dib {
  public:
    Dib() = default;
    Dib(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return !bitmap_; }
    HBITMAP handle() const { return bitmap_.get(); }

    // The runtime's packing of the colour at a point. Call GdiFlush() after
    // GDI drew.
    Color colourAt(int x, int y) const;

  private:
    OwnedBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// COLORREF and the runtime's Color share their packing; named for clarity.
constexpr COLORREF colorRef(Color colour) {
    return static_cast<COLORREF>(colour);
}

}  // namespace platform::win32
