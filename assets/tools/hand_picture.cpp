#include "hand_picture.h"

#include "svg_picture.h"

#include <QSvgRenderer>

#include <algorithm>

namespace zumbilo::assets {

namespace {

// Luminance at or below kInkLevel prints solid black, at or above kPaperLevel pure white.
constexpr int kInkLevel = 80;
constexpr int kPaperLevel = 235;

int stretchLevel(const int luminance) {
    const int scaled = (luminance - kInkLevel) * 255 / (kPaperLevel - kInkLevel);
    return std::clamp(scaled, 0, 255);
}

}  // namespace

QImage renderHand(QSvgRenderer& svg, const QSize size) {
    QImage image = renderOpaque(svg, size, Qt::white);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int level = stretchLevel(qGray(image.pixel(x, y)));
            image.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return image;
}

QImage mirroredHand(const QImage& hand) {
    return hand.mirrored(true, false);
}

}  // namespace zumbilo::assets
