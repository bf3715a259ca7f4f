#include "platform/qt/ico_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <map>

namespace {

QByteArray logoIco() {
    QFile file(QStringLiteral(":/pictures/logo.ico"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt's icon plugin reads every entry; the full-colour ones are those with an
// alpha channel. The desktop is given exactly those, one per size.
TEST(IcoReader, readsEveryFullColourEntryAsQtsIconPluginDoes) {
    std::map<int, QImage> expected;
    QImageReader plugin(QStringLiteral(":/pictures/logo.ico"), "ico");
    for (int i = 0; i < plugin.imageCount(); ++i) {
        plugin.jumpToImage(i);
        const QImage image = plugin.read();
        if (image.hasAlphaChannel()) {
            expected[image.width()] = image.convertToFormat(QImage::Format_ARGB32);
        }
    }
    ASSERT_EQ(expected.size(), 6U);
    std::map<int, QImage> read;
    for (const QImage& image : platform::fullColourIcoImages(logoIco(), 256)) {
        read[image.width()] = image.convertToFormat(QImage::Format_ARGB32);
    }
    EXPECT_EQ(read, expected);
}

// Cut short (half-way through the 128-pixel bitmap), the entries still whole
// are read and none past the end; none wider than asked for.
TEST(IcoReader, aTruncatedFileGivesOnlyItsWholeEntriesUpToTheLargestAsked) {
    const QByteArray whole = logoIco();
    const struct {
        qsizetype length;
        int largest;
        std::size_t images;
    } cases[] = {{0, 256, 0},
                 {5, 256, 0},
                 {100, 256, 0},
                 {whole.size() / 2, 256, 4},
                 {whole.size(), 256, 6},
                 {whole.size(), 128, 5},
                 {whole.size(), 16, 1}};
    for (const auto& [length, largest, images] : cases) {
        EXPECT_EQ(platform::fullColourIcoImages(whole.first(length), largest).size(), images)
            << length << " " << largest;
    }
}

}  // namespace
