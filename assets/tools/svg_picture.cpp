#include "svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

#include <stdexcept>

namespace zumbilo::assets {

std::unique_ptr<QSvgRenderer> loadSvg(const QString& path) {
    auto svg = std::make_unique<QSvgRenderer>(path);
    if (!svg->isValid()) {
        throw std::runtime_error("cannot read SVG " + path.toStdString());
    }
    return svg;
}

QImage renderOpaque(QSvgRenderer& svg, const QSize size, const QColor& background) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

}  // namespace zumbilo::assets
