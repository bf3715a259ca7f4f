#include "palette.h"

#include <limits>

namespace zumbilo::assets {

namespace {

constexpr QRgb kLogoRed = qRgb(237, 28, 36);

QRgb mix(const QRgb from, const QRgb to, const int toParts, const int parts) {
    const auto blend = [&](const int a, const int b) {
        return (a * (parts - toParts) + b * toParts + parts / 2) / parts;
    };
    return qRgb(blend(qRed(from), qRed(to)), blend(qGreen(from), qGreen(to)),
                blend(qBlue(from), qBlue(to)));
}

int squaredDistance(const QRgb a, const QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

}  // namespace

std::uint32_t Palette::nearest(const QRgb colour) const {
    std::uint32_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::uint32_t i = 0; i < colours_.size(); ++i) {
        const int distance = squaredDistance(colour, colours_[i]);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

Palette Palette::vga16() {
    return Palette({qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0),
                    qRgb(0, 0, 128), qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                    qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
                    qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)});
}

Palette Palette::logo256() {
    std::vector<QRgb> colours;
    constexpr int kCubeSteps = 6;
    constexpr int kCubeStride = 51;
    for (int r = 0; r < kCubeSteps; ++r) {
        for (int g = 0; g < kCubeSteps; ++g) {
            for (int b = 0; b < kCubeSteps; ++b) {
                colours.push_back(qRgb(r * kCubeStride, g * kCubeStride, b * kCubeStride));
            }
        }
    }
    // Anti-aliased outlines are greys; the cube alone would band them badly.
    for (int grey = 8; grey < 255; grey += 8) {
        colours.push_back(qRgb(grey, grey, grey));
    }
    colours.push_back(qRgb(250, 250, 250));
    // The red and its edges towards white and black.
    colours.push_back(kLogoRed);
    for (int parts = 1; parts <= 4; ++parts) {
        colours.push_back(mix(kLogoRed, qRgb(255, 255, 255), parts, 5));
    }
    for (int parts = 1; parts <= 3; ++parts) {
        colours.push_back(mix(kLogoRed, qRgb(0, 0, 0), parts, 4));
    }
    return Palette(std::move(colours));
}

}  // namespace zumbilo::assets
