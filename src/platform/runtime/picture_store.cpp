#include "platform/runtime/picture_store.h"

namespace platform {

const Bitmap& PictureStore::decoded(const Picture& picture) const {
    auto known = decoded_.find(picture);
    if (known == decoded_.end()) {
        Bitmap stored = decodeBmp(files_(picture.resource()));
        known =
            decoded_.emplace(picture, picture.isMirrored() ? mirrored(stored) : std::move(stored))
                .first;
    }
    return known->second;
}

const Bitmap& PictureStore::at(const Picture& picture, int width, int height) const {
    const auto key = std::tuple(picture, width, height);
    auto known = scaled_.find(key);
    if (known == scaled_.end()) {
        known = scaled_.emplace(key, scaledSmoothly(decoded(picture), width, height)).first;
    }
    return known->second;
}

}  // namespace platform
