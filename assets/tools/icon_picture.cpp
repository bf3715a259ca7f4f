#include "icon_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <array>

namespace zumbilo::assets {

namespace {

const QColor kTileColour(250, 250, 250);
const QColor kOutlineColour(150, 150, 150);

// The logo's own one-pixel frame is cropped away: the tile's outline replaces it.
constexpr double kLogoSide = 241.0;
constexpr double kFrameCrop = 2.0;

}  // namespace

QImage renderIconTile(QSvgRenderer& logo, const int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const double side = size;
    const QRectF tile(0.5, 0.5, side - 1.0, side - 1.0);
    const double radius = side * 0.16;
    QPainterPath outline;
    outline.addRoundedRect(tile, radius, radius);
    painter.setPen(QPen(kOutlineColour, 1.0));
    painter.setBrush(kTileColour);
    painter.drawPath(outline);

    const double margin = std::max(1.0, side * 0.07);
    const QRectF logoArea(margin, margin, side - 2.0 * margin, side - 2.0 * margin);
    // The renderer maps the view box onto the area but does not clip what lies outside it.
    painter.setClipRect(logoArea);
    logo.setViewBox(
        QRectF(kFrameCrop, kFrameCrop, kLogoSide - 2.0 * kFrameCrop, kLogoSide - 2.0 * kFrameCrop));
    logo.render(&painter, logoArea);
    logo.setViewBox(QRectF(0.0, 0.0, kLogoSide, kLogoSide));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::vector<IconImage> renderIconImages(QSvgRenderer& logo) {
    struct Entry {
        int size;
        IconEncoding encoding;
    };
    constexpr std::array kEntries{
        Entry{16, IconEncoding::Colours16},  Entry{32, IconEncoding::Colours16},
        Entry{16, IconEncoding::Colours256}, Entry{32, IconEncoding::Colours256},
        Entry{48, IconEncoding::Colours256}, Entry{16, IconEncoding::Argb32},
        Entry{32, IconEncoding::Argb32},     Entry{48, IconEncoding::Argb32},
        Entry{96, IconEncoding::Argb32},     Entry{128, IconEncoding::Argb32},
        Entry{256, IconEncoding::Png},
    };
    std::vector<IconImage> images;
    images.reserve(kEntries.size());
    for (const Entry& entry : kEntries) {
        images.push_back({renderIconTile(logo, entry.size), entry.encoding});
    }
    return images;
}

}  // namespace zumbilo::assets
