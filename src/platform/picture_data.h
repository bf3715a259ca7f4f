#pragma once

#include <QIcon>
#include <QImage>

namespace platform {

struct PictureData {
    QImage image;
    QIcon icon;
};

}  // namespace platform
