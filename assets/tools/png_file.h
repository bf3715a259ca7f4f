#pragma once

#include <QByteArray>
#include <QImage>

namespace zumbilo::assets {

// A complete PNG file of `image`, alpha kept.
QByteArray encodePng(const QImage& image);

}  // namespace zumbilo::assets
