#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace zumbilo::assets {

// How one image of an icon file is stored.
enum class IconEncoding {
    Colours16,   // 4 bits per pixel, VGA palette, transparency from the AND mask
    Colours256,  // 8 bits per pixel, fixed palette, transparency from the AND mask
    Argb32,      // 32-bit DIB with alpha
    Png,         // 32-bit PNG, for the large sizes
};

struct IconImage {
    QImage image;  // square, at most 256 pixels
    IconEncoding encoding;
};

// A complete .ico file holding `images` in the given order.
QByteArray encodeIco(const std::vector<IconImage>& images);

}  // namespace zumbilo::assets
