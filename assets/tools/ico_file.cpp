#include "ico_file.h"

#include "dib.h"
#include "little_endian.h"
#include "palette.h"
#include "png_file.h"

namespace zumbilo::assets {

namespace {

constexpr std::uint32_t kDirHeaderSize = 6;
constexpr std::uint32_t kDirEntrySize = 16;
constexpr int kOpaqueFrom = 128;

struct EncodedImage {
    QByteArray bytes;
    int bitsPerPixel;
    int paletteColours;
};

bool isTransparent(const QImage& argb, const int x, const int y) {
    return qAlpha(argb.pixel(x, y)) < kOpaqueFrom;
}

// Windows draws the colour bitmap where the mask bit is clear and leaves the screen where
// it is set; the mask is stored even for 32-bit images because old readers expect it.
QByteArray andMask(const QImage& argb) {
    return dibRows(argb.width(), argb.height(), 1, [&argb](const int x, const int y) {
        return isTransparent(argb, x, y) ? 1U : 0U;
    });
}

EncodedImage encodePaletted(const QImage& argb, const Palette& palette, const int bitsPerPixel) {
    const std::uint32_t black = palette.nearest(qRgb(0, 0, 0));
    const QByteArray colour =
        dibRows(argb.width(), argb.height(), bitsPerPixel, [&](const int x, const int y) {
            return isTransparent(argb, x, y) ? black : palette.nearest(argb.pixel(x, y));
        });
    const QByteArray mask = andMask(argb);
    const auto colours = static_cast<std::uint32_t>(palette.colours().size());
    QByteArray out =
        dibInfoHeader(argb.width(), 2 * argb.height(), bitsPerPixel,
                      static_cast<std::uint32_t>(colour.size() + mask.size()), colours);
    out.append(dibPalette(palette.colours()));
    out.append(colour);
    out.append(mask);
    return {out, bitsPerPixel, static_cast<int>(colours)};
}

EncodedImage encodeArgb(const QImage& argb) {
    constexpr int kBits = 32;
    const QByteArray colour =
        dibRows(argb.width(), argb.height(), kBits,
                [&argb](const int x, const int y) { return argb.pixel(x, y); });
    const QByteArray mask = andMask(argb);
    QByteArray out = dibInfoHeader(argb.width(), 2 * argb.height(), kBits,
                                   static_cast<std::uint32_t>(colour.size() + mask.size()), 0);
    out.append(colour);
    out.append(mask);
    return {out, kBits, 0};
}

EncodedImage encode(const IconImage& icon) {
    const QImage argb = icon.image.convertToFormat(QImage::Format_ARGB32);
    switch (icon.encoding) {
        case IconEncoding::Colours16:
            return encodePaletted(argb, Palette::vga16(), 4);
        case IconEncoding::Colours256:
            return encodePaletted(argb, Palette::logo256(), 8);
        case IconEncoding::Argb32:
            return encodeArgb(argb);
        case IconEncoding::Png:
            return {encodePng(argb), 32, 0};
    }
    return {};
}

// Sizes up to 255 are stored as they are; 256 is written as 0.
char dimension(const int pixels) {
    return static_cast<char>(pixels & 0xFF);
}

}  // namespace

QByteArray encodeIco(const std::vector<IconImage>& images) {
    std::vector<EncodedImage> encoded;
    encoded.reserve(images.size());
    for (const IconImage& icon : images) {
        encoded.push_back(encode(icon));
    }

    QByteArray directory;
    appendLe16(directory, 0);  // reserved
    appendLe16(directory, 1);  // icon, not cursor
    appendLe16(directory, static_cast<std::uint16_t>(images.size()));
    auto offset = kDirHeaderSize + kDirEntrySize * static_cast<std::uint32_t>(images.size());
    QByteArray data;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const EncodedImage& image = encoded[i];
        directory.append(dimension(images[i].image.width()));
        directory.append(dimension(images[i].image.height()));
        // Colour count is only meaningful below 256 colours.
        directory.append(static_cast<char>(image.paletteColours < 256 ? image.paletteColours : 0));
        directory.append('\0');
        appendLe16(directory, 1);  // planes
        appendLe16(directory, static_cast<std::uint16_t>(image.bitsPerPixel));
        appendLe32(directory, static_cast<std::uint32_t>(image.bytes.size()));
        appendLe32(directory, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
        data.append(image.bytes);
    }
    return directory + data;
}

}  // namespace zumbilo::assets
