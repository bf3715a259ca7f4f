#include "platform/qt/ico_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <initializer_list>
#include <map>
#include <tuple>

namespace {

QByteArray logoIco() {
    QFile file(QStringLiteral(":/pictures/logo.ico"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Exactly the entries with an alpha channel, one per size, as Qt's plugin reads them.
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

// Cut short, the entries still whole are read; none wider than asked for.
TEST(IcoReader, aTruncatedFileGivesOnlyItsWholeEntriesUpToTheLargestAsked) {
    const QByteArray whole = logoIco();
    const qsizetype all = whole.size();
    // The length kept, the largest size asked for, the images read.
    const std::initializer_list<std::tuple<qsizetype, int, std::size_t>> cases{
        {0, 256, 0}, {5, 256, 0}, {100, 256, 0}, {all / 2, 256, 4}, {all, 128, 5}, {all, 16, 1}};
    for (const auto& [length, largest, images] : cases) {
        EXPECT_EQ(platform::fullColourIcoImages(whole.first(length), largest).size(), images)
            << length << " " << largest;
    }
}

// Cut inside an entry, nothing of it nor past the end is read. The fourth entry
// points at a 1 x 1 bitmap that the first three (too wide to be read) hold; its
// size and place lie past every cut.
TEST(IcoReader, aFileCutInsideAnEntryReadsNoPartOfItNorPastTheEnd) {
    const QByteArray ico = QByteArray::fromHex(
        "000001000400"                                                      // four entries
        "28000000010000000200000001002000"                                  // 40 pixels wide
        "0000000000000000000000000000000000000000000000000000000000000000"  // 256 pixels, twice
        "01000000000000003000000006000000");  // 1 pixel wide, 48 bytes at 6
    ASSERT_EQ(platform::fullColourIcoImages(ico, 16).size(), 1U);
    for (qsizetype cut = 55; cut < ico.size(); ++cut) {
        const auto cutOff = QByteArray::fromRawData(ico.constData(), cut);
        EXPECT_TRUE(platform::fullColourIcoImages(cutOff, 16).isEmpty()) << cut;
    }
}

}  // namespace
