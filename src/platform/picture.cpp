#include "platform/picture.h"

#include <QString>

#include "platform/picture_data.h"

namespace platform {

Picture Picture::fromResource(std::string_view name) {
    const QString path = QStringLiteral(":/pictures/") +
                         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    auto data = std::make_shared<PictureData>();
    data->icon = QIcon(path);
    data->image = QImage(path);
    if (data->image.isNull()) {
        data->image = data->icon.pixmap(256).toImage();
    }
    return Picture(std::move(data));
}

}  // namespace platform
