#include "platform/qt/picture_store.h"

namespace platform {

namespace {

template <class Decoded>
const Decoded& decodedOnce(std::map<std::string, Decoded>& decoded, const Picture& picture) {
    auto known = decoded.find(picture.resource());
    if (known == decoded.end()) {
        const QString path =
            QStringLiteral(":/pictures/") + QString::fromStdString(picture.resource());
        known = decoded.emplace(picture.resource(), Decoded(path)).first;
    }
    return known->second;
}

}  // namespace

const QImage& PictureStore::image(const Picture& picture) const {
    return decodedOnce(images_, picture);
}

const QIcon& PictureStore::icon(const Picture& picture) const {
    return decodedOnce(icons_, picture);
}

}  // namespace platform
