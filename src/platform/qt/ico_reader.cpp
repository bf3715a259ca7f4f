#include "platform/qt/ico_reader.h"

#include <QBuffer>
#include <QByteArrayView>
#include <cstring>
#include <type_traits>

#include "platform/qt/builtin_image.h"

namespace platform {

namespace {

constexpr qsizetype kHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr qsizetype kBitmapHeaderSize = 40;
constexpr int kFullColourBits = 32;
constexpr int kLargestWidth = 256;
constexpr QByteArrayView kPngSignature("\x89PNG\r\n\x1a\n");

// Byte by byte, through at(): through constData() GCC sees the one-byte
// storage of an empty array, and with the sanitizers on warns of every read
// past it.
template <typename T>
T little(const QByteArray& bytes, qsizetype at) {
    std::make_unsigned_t<T> value = 0;
    for (auto i = static_cast<qsizetype>(sizeof(T)); i-- > 0;) {
        value = static_cast<std::make_unsigned_t<T>>(value << 8U) |
                static_cast<unsigned char>(bytes.at(at + i));
    }
    return static_cast<T>(value);
}

// A 32-bit bitmap without its file header: rows bottom-up in the byte order
// of ARGB32, twice as high as the picture, the AND mask (unused, the alpha
// channel says it all) taking the other half.
QImage fullColourBitmap(const QByteArray& dib) {
    if (dib.size() < kBitmapHeaderSize || little<quint16>(dib, 14) != kFullColourBits) {
        return {};
    }
    const auto width = little<qint32>(dib, 4);
    const qint32 height = little<qint32>(dib, 8) / 2;
    const qsizetype rowBytes = qsizetype{width} * 4;
    if (width <= 0 || height <= 0 || (dib.size() - kBitmapHeaderSize) / rowBytes < height) {
        return {};
    }
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.scanLine(height - 1 - y),
                    QByteArrayView(dib).sliced(kBitmapHeaderSize + rowBytes * y, rowBytes).data(),
                    static_cast<std::size_t>(rowBytes));
    }
    return image;
}

QImage png(QByteArray data) {
    QBuffer buffer(&data);
    return readBuiltInFormat(buffer, "png");
}

}  // namespace

QList<QImage> fullColourIcoImages(const QByteArray& file, int largest) {
    QList<QImage> images;
    if (file.size() < kHeaderSize) {
        return images;
    }
    const auto count = qsizetype{little<quint16>(file, 4)};
    for (qsizetype i = 0; i < count && kHeaderSize + (i + 1) * kEntrySize <= file.size(); ++i) {
        const qsizetype entry = kHeaderSize + i * kEntrySize;
        // A width of 0 stands for 256 pixels.
        const int width = static_cast<unsigned char>(file.at(entry)) == 0
                              ? kLargestWidth
                              : static_cast<unsigned char>(file.at(entry));
        if (width > largest) {
            continue;
        }
        const auto size = qsizetype{little<quint32>(file, entry + 8)};
        const auto offset = qsizetype{little<quint32>(file, entry + 12)};
        if (offset > file.size() || size > file.size() - offset) {
            continue;
        }
        const QByteArray data = file.sliced(offset, size);
        QImage image = data.startsWith(kPngSignature) ? png(data) : fullColourBitmap(data);
        if (!image.isNull()) {
            images << std::move(image);
        }
    }
    return images;
}

}  // namespace platform
