#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace platform {

// The full-colour images of an .ico file up to the largest width asked for:
// its 32-bit bitmaps and its PNGs, one for each size. Read without Qt's image
// plugins, all of which its icon plugin would load to tell what a PNG inside
// is. Anything malformed is left out.
QList<QImage> fullColourIcoImages(const QByteArray& file, int largest);

}  // namespace platform
