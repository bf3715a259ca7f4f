#pragma once

#include <QByteArray>
#include <QIcon>
#include <map>
#include <string>

#include "platform/runtime/picture_store.h"

namespace platform {

// The pictures embedded in the program: what the forms draw, as the runtime
// makes it from the stored files, and an icon file as the desktop's icon, its
// several sizes decoded when first asked for.
class Pictures {
  public:
    Pictures();

    const Bitmap& image(const Picture& picture, int width, int height) const {
        return images_.at(picture, width, height);
    }
    const QIcon& icon(const Picture& picture) const;

  private:
    // Unpacked once from the program, then kept.
    mutable std::map<std::string, QByteArray> files_;
    PictureStore images_;
    mutable std::map<Picture, QIcon> icons_;
};

}  // namespace platform
