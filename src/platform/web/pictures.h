#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "platform/runtime/picture_store.h"

namespace platform::web {

// The stored file of a picture compiled into the program by the build
// (embed_pictures.cmake); empty when there is no such picture.
std::span<const std::byte> storedPicture(const std::string& name);

// What the forms draw, as the runtime makes it from the stored files.
class Pictures {
  public:
    Pictures() : images_(storedPicture) {}

    // Empty when the program holds no such picture.
    const Bitmap& image(const Picture& picture, int width, int height) const {
        return images_.at(picture, width, height);
    }

  private:
    PictureStore images_;
};

}  // namespace platform::web
