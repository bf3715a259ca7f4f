#pragma once

#include <QByteArray>
#include <QImage>

namespace zumbilo::assets {

// A complete 24-bit uncompressed BMP file of `image` (alpha is dropped).
QByteArray encodeBmp24(const QImage& image);

}  // namespace zumbilo::assets
