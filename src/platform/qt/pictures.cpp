#include "platform/qt/pictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPixmap>
#include <QResource>

#include "platform/qt/builtin_image.h"
#include "platform/qt/ico_reader.h"

namespace platform {

namespace {

// Unpacked once from the program, not copied again.
QByteArray contentsOf(const Picture& picture) {
    return QResource(QStringLiteral(":/pictures/") + QString::fromStdString(picture.resource()))
        .uncompressedData();
}

QImage decodeImage(const Picture& picture) {
    QByteArray file = contentsOf(picture);
    QBuffer buffer(&file);
    const QImage image = readBuiltInFormat(
        buffer, QFileInfo(QString::fromStdString(picture.resource())).suffix().toLatin1());
    return picture.isMirrored() ? image.mirrored(true, false) : image;
}

QIcon decodeIcon(const Picture& picture) {
    // Taskbars and window switchers show a window's icon at 16 to 128 pixels.
    // The largest size, four times the memory of all the others, is for
    // launchers, which take it from the installed icon theme.
    constexpr int kLargestShown = 128;
    QIcon icon;
    for (QImage& image : fullColourIcoImages(contentsOf(picture), kLargestShown)) {
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

template <class Decoded>
const Decoded& decodedOnce(std::map<Picture, Decoded>& decoded, const Picture& picture,
                           Decoded (*decode)(const Picture&)) {
    auto known = decoded.find(picture);
    if (known == decoded.end()) {
        known = decoded.emplace(picture, decode(picture)).first;
    }
    return known->second;
}

}  // namespace

const QImage& PictureStore::image(const Picture& picture) const {
    return decodedOnce(images_, picture, decodeImage);
}

const QIcon& PictureStore::icon(const Picture& picture) const {
    return decodedOnce(icons_, picture, decodeIcon);
}

}  // namespace platform
