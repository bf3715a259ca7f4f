#include "platform/picture.h"

#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QString>

#include "platform/builtin_image.h"
#include "platform/ico_reader.h"
#include "platform/picture_data.h"

namespace platform {

namespace {

QIcon iconFromFile(QFile& file) {
    QIcon icon;
    for (const QImage& image : fullColourIcoImages(file.readAll())) {
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

Picture Picture::fromResource(std::string_view name) {
    const QString path = QStringLiteral(":/pictures/") +
                         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    auto data = std::make_shared<PictureData>();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Picture(std::move(data));
    }
    // An icon file holds several sizes for the desktop to choose from; any
    // other picture is decoded once, as the image it is drawn from.
    const QByteArray format = QFileInfo(path).suffix().toLatin1();
    if (format == "ico") {
        data->icon = iconFromFile(file);
    } else {
        data->image = readBuiltInFormat(file, format);
    }
    return Picture(std::move(data));
}

}  // namespace platform
