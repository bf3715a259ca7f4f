// Writes the pictures of a Windows .ico file into a freedesktop icon theme
// folder, one PNG per size: THEME-DIR/<N>x<N>/apps/ICON-NAME.png. Where the
// file holds a size at several colour depths, the deepest picture is taken:
// only the 32-bit ones have a real alpha channel, the paletted ones a 1-bit mask.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QStringList>

#include <cstdlib>
#include <iostream>
#include <map>

namespace {

[[noreturn]] void fail(const QString& message) {
    std::cerr << "zumbilo-icon-theme: " << message.toStdString() << '\n';
    std::exit(EXIT_FAILURE);
}

struct Picture {
    int index;
    int bitsPerPixel;
};

// Edge length -> the deepest square picture of that size.
std::map<int, Picture> deepestPictureBySize(QImageReader& reader) {
    std::map<int, Picture> bySize;
    for (int index = 0; index < reader.imageCount(); ++index) {
        reader.jumpToImage(index);
        const QSize size = reader.size();
        if (size.width() != size.height()) {
            fail(QStringLiteral("picture %1 is not square").arg(index));
        }
        const int bitsPerPixel = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
        const auto [kept, isNew] = bySize.try_emplace(size.width(), Picture{index, bitsPerPixel});
        if (!isNew && kept->second.bitsPerPixel < bitsPerPixel) {
            kept->second = Picture{index, bitsPerPixel};
        }
    }
    return bySize;
}

}  // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::cerr << "usage: zumbilo-icon-theme ICON.ico THEME-DIR ICON-NAME\n";
        return EXIT_FAILURE;
    }
    const QString& iconName = arguments[3];
    const QDir themeDir(arguments[2]);

    QImageReader reader(arguments[1], "ico");
    const std::map<int, Picture> pictures = deepestPictureBySize(reader);
    if (pictures.empty()) {
        fail(arguments[1] + ": " + reader.errorString());
    }
    for (const auto& [edge, picture] : pictures) {
        reader.jumpToImage(picture.index);
        const QImage image = reader.read();
        if (image.isNull()) {
            fail(QStringLiteral("picture %1: %2").arg(picture.index).arg(reader.errorString()));
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(edge);
        const QString path = themeDir.filePath(folder + '/' + iconName + ".png");
        if (!themeDir.mkpath(folder) || !image.save(path, "png")) {
            fail("cannot write " + path);
        }
    }
    return EXIT_SUCCESS;
}
