#include "stored_file.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <array>

namespace zumbilo::assets::testing {
namespace {

struct IconEntry {
    int side;
    int bitsPerPixel;
};

constexpr std::array kEntries{
    IconEntry{16, 4},  IconEntry{32, 4},   IconEntry{16, 8},   IconEntry{32, 8},
    IconEntry{48, 8},  IconEntry{16, 32},  IconEntry{32, 32},  IconEntry{48, 32},
    IconEntry{96, 32}, IconEntry{128, 32}, IconEntry{256, 32},
};

std::uint32_t maskedDibBytes(const IconEntry& entry) {
    const auto side = static_cast<std::uint32_t>(entry.side);
    const auto bits = static_cast<std::uint32_t>(entry.bitsPerPixel);
    const std::uint32_t palette = bits <= 8 ? 4U << bits : 0;
    const std::uint32_t colourRow = (side * bits + 31) / 32 * 4;
    const std::uint32_t maskRow = (side + 31) / 32 * 4;
    return 40 + palette + (colourRow + maskRow) * side;
}

TEST(StoredIcon, DirectoryHoldsElevenImagesAtTheirSizesAndDepths) {
    const QByteArray ico = readStored(QStringLiteral("logo.ico"));
    ASSERT_GE(ico.size(), 6 + 16 * static_cast<qsizetype>(kEntries.size()));
    EXPECT_EQ(le16(ico, 0), 0U);
    EXPECT_EQ(le16(ico, 2), 1U);  // an icon, not a cursor
    ASSERT_EQ(le16(ico, 4), kEntries.size());

    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        SCOPED_TRACE(i);
        const IconEntry& expected = kEntries[i];
        const qsizetype entry = 6 + 16 * static_cast<qsizetype>(i);
        const auto side = static_cast<std::uint8_t>(expected.side);  // 256 is stored as 0
        EXPECT_EQ(static_cast<std::uint8_t>(ico.at(entry)), side);
        EXPECT_EQ(static_cast<std::uint8_t>(ico.at(entry + 1)), side);
        EXPECT_EQ(static_cast<std::uint8_t>(ico.at(entry + 2)),
                  expected.bitsPerPixel == 4 ? 16 : 0);
        EXPECT_EQ(le16(ico, entry + 4), 1U);
        EXPECT_EQ(le16(ico, entry + 6), static_cast<std::uint32_t>(expected.bitsPerPixel));
        const std::uint32_t size = le32(ico, entry + 8);
        const std::uint32_t offset = le32(ico, entry + 12);
        ASSERT_LE(offset + size, static_cast<std::uint32_t>(ico.size()));

        const QByteArray image = ico.mid(offset, size);
        if (expected.side == 256) {
            EXPECT_TRUE(image.startsWith("\x89PNG\r\n\x1a\n"));
            EXPECT_EQ(QImage::fromData(image, "PNG").size(), QSize(256, 256));
            continue;
        }
        EXPECT_EQ(size, maskedDibBytes(expected));
        EXPECT_EQ(le32(image, 0), 40U);
        EXPECT_EQ(le32(image, 4), static_cast<std::uint32_t>(expected.side));
        EXPECT_EQ(le32(image, 8), static_cast<std::uint32_t>(2 * expected.side));
        EXPECT_EQ(le16(image, 14), static_cast<std::uint32_t>(expected.bitsPerPixel));
    }
}

bool isLogoRed(const QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// Read back the way the desktop would: the mask (or alpha) must cut the rounded tile out,
// and the palettes must keep the logo's red red.
TEST(StoredIcon, EveryImageShowsARedLogoOnAnOpaqueTileWithTransparentCorners) {
    QImageReader reader(storedPath(QStringLiteral("logo.ico")));
    ASSERT_EQ(reader.imageCount(), static_cast<int>(kEntries.size()));
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(reader.jumpToImage(static_cast<int>(i)));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        const int side = kEntries[i].side;
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(side - 1, side - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(side / 2, side / 2)), 255);
        int red = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                red += isLogoRed(image.pixel(x, y)) ? 1 : 0;
            }
        }
        EXPECT_GT(red, side * side / 20);
    }
}

}  // namespace
}  // namespace zumbilo::assets::testing
