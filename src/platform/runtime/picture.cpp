#include "platform/runtime/picture.h"

#include <QString>

#include "platform/qt/picture_data.h"

namespace platform {

Picture Picture::fromResource(std::string_view name) {
    const QString path = QStringLiteral(":/pictures/") +
                         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    auto data = std::make_shared<PictureData>();
    // An icon file holds several sizes for the desktop to choose from; any
    // other picture is decoded once, as the image it is drawn from.
    if (path.endsWith(QStringLiteral(".ico"))) {
        data->icon = QIcon(path);
    } else {
        data->image = QImage(path);
    }
    return Picture(std::move(data));
}

}  // namespace platform
