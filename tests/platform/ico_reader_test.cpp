#include "platform/qt/ico_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <map>
#include <utility>

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

// Cut off inside an entry, the file is read up to the last whole entry and not
// a byte further. Its four entries: three more than 16 pixels wide whose bytes
// are a 1 x 1 bitmap, and one 1 pixel wide pointing at that bitmap, whose size
// and place lie past every cut.
TEST(IcoReader, aFileCutInsideAnEntryReadsNoPartOfItNorPastTheEnd) {
    QByteArray ico(70, '\0');
    for (const auto& [at, value] : {std::pair{2, 1},
                                    {4, 4},
                                    {6, 40},
                                    {10, 1},
                                    {14, 2},
                                    {18, 1},
                                    {20, 32},
                                    {54, 1},
                                    {62, 48},
                                    {66, 6}}) {
        ico[at] = static_cast<char>(value);
    }
    ASSERT_EQ(platform::fullColourIcoImages(ico, 16).size(), 1U);
    for (qsizetype cut = 55; cut < ico.size(); ++cut) {
        const auto cutOff = QByteArray::fromRawData(ico.constData(), cut);
        EXPECT_TRUE(platform::fullColourIcoImages(cutOff, 16).isEmpty()) << cut;
    }
}

}  // namespace
