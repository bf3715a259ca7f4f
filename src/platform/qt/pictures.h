#pragma once

#include <QIcon>
#include <QImage>
#include <map>
#include <string>

#include "platform/runtime/picture.h"

namespace platform {

// The pictures embedded in the program, each decoded once, when it is
// first drawn: an icon file as the icon, with its several sizes for the
// desktop to choose from; any other picture as the image it is drawn from,
// flipped where the picture is mirrored.
class PictureStore {
  public:
    const QImage& image(const Picture& picture) const;
    const QIcon& icon(const Picture& picture) const;

  private:
    mutable std::map<Picture, QImage> images_;
    mutable std::map<Picture, QIcon> icons_;
};

}  // namespace platform
