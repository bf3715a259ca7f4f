#include "asset_catalogue.h"

#include "bmp_file.h"
#include "hand_picture.h"
#include "icon_picture.h"
#include "png_file.h"
#include "svg_picture.h"

#include <QDir>
#include <QFile>
#include <QSvgRenderer>

#include <array>
#include <stdexcept>

namespace zumbilo::assets {

namespace {

struct HandSource {
    const char* name;
    int side;
};

constexpr std::array kHands{HandSource{"hand_paper", 170}, HandSource{"hand_scissors", 180},
                            HandSource{"hand_rock", 180}};
constexpr int kLogoSide = 241;
// The browser's icons: the window icon's sizes, and the 192 and 512 pixels that
// installing a site asks for.
constexpr std::array kWebIconSides{16, 32, 48, 96, 128, 192, 256, 512};
const QColor kLogoBackground(250, 250, 250);

}  // namespace

std::vector<GeneratedFile> renderAssets(const QString& sourceDir) {
    const QDir sources(sourceDir);
    std::vector<GeneratedFile> files;
    for (const HandSource& hand : kHands) {
        const QString name = QString::fromLatin1(hand.name);
        const auto svg = loadSvg(sources.filePath(name + ".svg"));
        const QImage picture = renderHand(*svg, QSize(hand.side, hand.side));
        files.push_back({name + ".bmp", encodeBmp24(picture)});
    }
    const auto logo = loadSvg(sources.filePath("logo.svg"));
    files.push_back({"logo.bmp", encodeBmp24(renderOpaque(*logo, QSize(kLogoSide, kLogoSide),
                                                          kLogoBackground))});
    files.push_back({"logo.ico", encodeIco(renderIconImages(*logo))});
    for (const int side : kWebIconSides) {
        files.push_back(
            {QStringLiteral("icon_%1.png").arg(side), encodePng(renderIconTile(*logo, side))});
    }
    return files;
}

void writeAssets(const std::vector<GeneratedFile>& files, const QString& outDir) {
    const QDir out(outDir);
    for (const GeneratedFile& file : files) {
        QFile target(out.filePath(file.name));
        if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            target.write(file.bytes) != file.bytes.size()) {
            throw std::runtime_error("cannot write " + target.fileName().toStdString());
        }
    }
}

}  // namespace zumbilo::assets
