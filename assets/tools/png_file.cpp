#include "png_file.h"

#include <QBuffer>

namespace zumbilo::assets {

QByteArray encodePng(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

}  // namespace zumbilo::assets
