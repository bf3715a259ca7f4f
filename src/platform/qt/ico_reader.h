#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace platform {

// The full-colour images of an .ico file: its 32-bit bitmaps and its PNGs,
// one for each size. Read without Qt's image plugins, all of which its icon
// plugin would load to tell what a PNG inside is. Anything malformed is left
// out.
QList<QImage> fullColourIcoImages(const QByteArray& file);

}  // namespace platform
