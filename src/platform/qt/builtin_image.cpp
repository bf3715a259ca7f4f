#include "platform/qt/builtin_image.h"

#include <QImageReader>

namespace platform {

QImage readBuiltInFormat(QIODevice& device, const QByteArray& format) {
    QImageReader reader(&device, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace platform
