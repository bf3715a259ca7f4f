#include "platform/picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPixmap>
#include <QResource>
#include <QString>
#include <map>

#include "platform/builtin_image.h"
#include "platform/ico_reader.h"
#include "platform/picture_data.h"

namespace platform {

namespace {

QIcon iconFromFile(const QByteArray& file) {
    QIcon icon;
    for (QImage& image : fullColourIcoImages(file)) {
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

std::shared_ptr<const PictureData> decode(const QString& path) {
    auto data = std::make_shared<PictureData>();
    // Unpacked once from the program, not copied again.
    QByteArray file = QResource(path).uncompressedData();
    // An icon file holds several sizes for the desktop to choose from; any
    // other picture is decoded once, as the image it is drawn from.
    const QByteArray format = QFileInfo(path).suffix().toLatin1();
    if (format == "ico") {
        data->icon = iconFromFile(file);
    } else {
        QBuffer buffer(&file);
        data->image = readBuiltInFormat(buffer, format);
    }
    return data;
}

}  // namespace

Picture Picture::fromResource(std::string_view name) {
    // Both windows carry the program's icon: a picture in use is decoded once
    // and shared.
    // NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
    static std::map<std::string, std::weak_ptr<const PictureData>, std::less<>> inUse;
    auto& shared = inUse[std::string(name)];
    std::shared_ptr<const PictureData> data = shared.lock();
    if (!data) {
        data = decode(QStringLiteral(":/pictures/") +
                      QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        shared = data;
    }
    return Picture(std::move(data));
}

}  // namespace platform
