#include "bmp_file.h"

#include "dib.h"
#include "little_endian.h"

namespace zumbilo::assets {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr int kBitsPerPixel = 24;

}  // namespace

QByteArray encodeBmp24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QByteArray pixels = dibRows(rgb.width(), rgb.height(), kBitsPerPixel,
                                      [&rgb](const int x, const int y) { return rgb.pixel(x, y); });
    const QByteArray info = dibInfoHeader(rgb.width(), rgb.height(), kBitsPerPixel,
                                          static_cast<std::uint32_t>(pixels.size()), 0);

    const auto pixelOffset = kFileHeaderSize + static_cast<std::uint32_t>(info.size());
    QByteArray out("BM");
    appendLe32(out, pixelOffset + static_cast<std::uint32_t>(pixels.size()));
    appendLe32(out, 0);  // reserved
    appendLe32(out, pixelOffset);
    out.append(info);
    out.append(pixels);
    return out;
}

}  // namespace zumbilo::assets
