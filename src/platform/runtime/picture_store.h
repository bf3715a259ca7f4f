#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <tuple>

#include "platform/runtime/bitmap.h"
#include "platform/runtime/picture.h"

namespace platform {

// The pictures as every window system draws them: each decoded once from the
// bytes the window system keeps it in, flipped where it is mirrored, and
// scaled smoothly once for each size it is drawn at.
class PictureStore {
  public:
    // The stored file of a picture by its name; none if there is no such picture.
    using Files = std::function<std::span<const std::byte>(const std::string& name)>;

    explicit PictureStore(Files files) : files_(std::move(files)) {}

    // Empty where the program holds no such picture.
    const Bitmap& at(const Picture& picture, int width, int height) const;

  private:
    const Bitmap& decoded(const Picture& picture) const;

    Files files_;
    mutable std::map<Picture, Bitmap> decoded_;
    mutable std::map<std::tuple<Picture, int, int>, Bitmap> scaled_;
};

}  // namespace platform
