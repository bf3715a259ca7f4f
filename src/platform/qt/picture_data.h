#pragma once

#include <QIcon>
#include <QImage>

namespace platform {

// What a picture holds: an image to draw, or for an icon file the icon.
struct PictureData {
    QImage image;
    QIcon icon;
};

}  // namespace platform
