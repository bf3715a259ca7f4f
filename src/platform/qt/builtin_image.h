#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>

namespace platform {

// Reads an image in a format Qt reads by itself (BMP, PNG). Even told the
// format, Qt's image reader would otherwise load every image plugin to ask
// whether it reads that format too.
QImage readBuiltInFormat(QIODevice& device, const QByteArray& format);

}  // namespace platform
