#include "hand_picture.h"

#include "svg_picture.h"

#include <QSvgRenderer>

#include <algorithm>
#include <cstdlib>

namespace zumbilo::assets {

namespace {

// Luminance at or below kInkLevel prints solid black, at or above kPaperLevel pure white.
constexpr int kInkLevel = 100;
constexpr int kPaperLevel = 235;

int stretchLevel(const int luminance) {
    const int scaled = (luminance - kInkLevel) * 255 / (kPaperLevel - kInkLevel);
    return std::clamp(scaled, 0, 255);
}

}  // namespace

QImage renderHand(QSvgRenderer& svg, const QSize size) {
    const QImage drawn = renderOpaque(svg, size, Qt::white);
    const int width = drawn.width();
    const int height = drawn.height();
    // A 3x3 binomial blur of the luminance widens the anti-aliased edge to the soft grey
    // band of an ink drawing; pixels beyond the picture's edge count as their neighbours.
    const auto luminance = [&drawn, width, height](const int x, const int y) {
        return qGray(drawn.pixel(std::clamp(x, 0, width - 1), std::clamp(y, 0, height - 1)));
    };
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    sum += luminance(x + dx, y + dy) * (2 - std::abs(dx)) * (2 - std::abs(dy));
                }
            }
            const int level = stretchLevel((sum + 8) / 16);
            image.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return image;
}

}  // namespace zumbilo::assets
