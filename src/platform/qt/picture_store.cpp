#include "platform/qt/picture_store.h"

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
    return readBuiltInFormat(
        buffer, QFileInfo(QString::fromStdString(picture.resource())).suffix().toLatin1());
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
const Decoded& decodedOnce(std::map<std::string, Decoded>& decoded, const Picture& picture,
                           Decoded (*decode)(const Picture&)) {
    auto known = decoded.find(picture.resource());
    if (known == decoded.end()) {
        known = decoded.emplace(picture.resource(), decode(picture)).first;
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
