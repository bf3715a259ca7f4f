#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <functional>
#include <span>

// Pieces shared by the BMP and ICO writers: the device-independent bitmap layout.
namespace zumbilo::assets {

inline constexpr std::uint32_t kInfoHeaderSize = 40;

// Bytes in one stored row: rows are padded to a multiple of four bytes.
std::uint32_t dibRowBytes(int width, int bitsPerPixel);

// BITMAPINFOHEADER, uncompressed. ICO images pass twice their height (colour plus mask).
QByteArray dibInfoHeader(int width, int height, int bitsPerPixel, std::uint32_t imageBytes,
                         std::uint32_t paletteColours);

// A palette as RGBQUADs (blue, green, red, zero).
QByteArray dibPalette(std::span<const QRgb> colours);

// The rows bottom-up, each padded. `sample(x, y)` gives a palette index for 1, 4 and 8 bits
// and a QRgb for 24 and 32 bits; y counts from the top.
QByteArray dibRows(int width, int height, int bitsPerPixel,
                   const std::function<std::uint32_t(int, int)>& sample);

}  // namespace zumbilo::assets
