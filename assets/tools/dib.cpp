#include "dib.h"

#include "little_endian.h"

namespace zumbilo::assets {

std::uint32_t dibRowBytes(const int width, const int bitsPerPixel) {
    const auto bits = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel);
    return (bits + 31U) / 32U * 4U;
}

QByteArray dibInfoHeader(const int width, const int height, const int bitsPerPixel,
                         const std::uint32_t imageBytes, const std::uint32_t paletteColours) {
    QByteArray out;
    appendLe32(out, kInfoHeaderSize);
    appendLe32(out, static_cast<std::uint32_t>(width));
    appendLe32(out, static_cast<std::uint32_t>(height));
    appendLe16(out, 1);  // planes
    appendLe16(out, static_cast<std::uint16_t>(bitsPerPixel));
    appendLe32(out, 0);  // BI_RGB
    appendLe32(out, imageBytes);
    appendLe32(out, 0);  // no physical resolution: viewers use the screen's
    appendLe32(out, 0);
    appendLe32(out, paletteColours);
    appendLe32(out, 0);  // all colours important
    return out;
}

QByteArray dibPalette(const std::span<const QRgb> colours) {
    QByteArray out;
    for (const QRgb colour : colours) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    return out;
}

namespace {

void appendPixel(QByteArray& row, const int bitsPerPixel, const int x, const std::uint32_t value) {
    switch (bitsPerPixel) {
        case 24:
        case 32:
            row.append(static_cast<char>(qBlue(value)));
            row.append(static_cast<char>(qGreen(value)));
            row.append(static_cast<char>(qRed(value)));
            if (bitsPerPixel == 32) {
                row.append(static_cast<char>(qAlpha(value)));
            }
            return;
        default: {
            // Packed indices, leftmost pixel in the high bits of each byte.
            const int perByte = 8 / bitsPerPixel;
            const int slot = x % perByte;
            if (slot == 0) {
                row.append('\0');
            }
            const auto shift = static_cast<unsigned>((perByte - 1 - slot) * bitsPerPixel);
            row.back() =
                static_cast<char>(static_cast<unsigned char>(row.back()) | (value << shift));
        }
    }
}

}  // namespace

QByteArray dibRows(const int width, const int height, const int bitsPerPixel,
                   const std::function<std::uint32_t(int, int)>& sample) {
    const auto rowBytes = static_cast<qsizetype>(dibRowBytes(width, bitsPerPixel));
    QByteArray out;
    out.reserve(rowBytes * height);
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row;
        row.reserve(rowBytes);
        for (int x = 0; x < width; ++x) {
            appendPixel(row, bitsPerPixel, x, sample(x, y));
        }
        row.append(QByteArray(rowBytes - row.size(), '\0'));
        out.append(row);
    }
    return out;
}

}  // namespace zumbilo::assets
