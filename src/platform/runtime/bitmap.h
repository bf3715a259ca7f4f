#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// Opaque pixels, 0xFFRRGGBB each, rows top to bottom: as a window system
// blits them.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool empty() const { return pixels.empty(); }
};

// The picture in the bytes of a .bmp file of 24 or 32 bits a pixel,
// uncompressed; empty if they are not one.
Bitmap decodeBmp(std::span<const std::byte> file);

// The picture flipped left to right.
Bitmap mirrored(const Bitmap& picture);

// The picture at another size, each pixel the area-weighted average of the
// pixels it covers, so that a shrunken line drawing keeps its thin lines as
// greys rather than dropping them, and a grown one stays smooth.
Bitmap scaledSmoothly(const Bitmap& picture, int width, int height);

}  // namespace platform
