#include "stored_file.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace zumbilo::assets::testing {
namespace {

struct Bitmap {
    const char* name;
    int side;
};

// Keeps test listings readable: the file name instead of the struct's bytes.
void PrintTo(const Bitmap& bitmap, std::ostream* out) {
    *out << bitmap.name;
}

class StoredBitmap : public ::testing::TestWithParam<Bitmap> {};

TEST_P(StoredBitmap, IsAnUncompressedBottomUp24BitBmpOfItsSize) {
    const auto [name, side] = GetParam();
    const QByteArray bytes = readStored(QString::fromLatin1(name));
    ASSERT_GE(bytes.size(), 54);
    const auto rowBytes = static_cast<std::uint32_t>((side * 3 + 3) / 4 * 4);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(le32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
    EXPECT_EQ(le32(bytes, 10), 54U);  // pixels right after the two headers
    EXPECT_EQ(le32(bytes, 14), 40U);
    EXPECT_EQ(le32(bytes, 18), static_cast<std::uint32_t>(side));
    EXPECT_EQ(le32(bytes, 22), static_cast<std::uint32_t>(side));  // positive: bottom-up
    EXPECT_EQ(le16(bytes, 28), 24U);
    EXPECT_EQ(le32(bytes, 30), 0U);  // uncompressed
    EXPECT_EQ(static_cast<std::uint32_t>(bytes.size()), 54 + rowBytes * side);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, StoredBitmap,
    ::testing::Values(Bitmap{"hand_paper.bmp", 170}, Bitmap{"hand_scissors.bmp", 180},
                      Bitmap{"hand_rock.bmp", 180}, Bitmap{"hand_paper_mirrored.bmp", 170},
                      Bitmap{"hand_scissors_mirrored.bmp", 180},
                      Bitmap{"hand_rock_mirrored.bmp", 180}, Bitmap{"logo.bmp", 241}),
    [](const auto& info) {
        const QString name = QString::fromLatin1(info.param.name);
        return name.left(name.indexOf('.')).toStdString();
    });

double percentOf(const int count, const QImage& image) {
    return 100.0 * count / (image.width() * image.height());
}

bool hasInk(const QImage& image, const int x) {
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) != qRgb(255, 255, 255)) {
            return true;
        }
    }
    return false;
}

class HandDrawing : public ::testing::TestWithParam<const char*> {
  protected:
    QImage player() const { return QImage(storedPath(GetParam() + QStringLiteral(".bmp"))); }
    QImage computer() const {
        return QImage(storedPath(GetParam() + QStringLiteral("_mirrored.bmp")));
    }
};

TEST_P(HandDrawing, IsBlackLineArtOnPureWhiteInGreysOnly) {
    const QImage hand = player();
    ASSERT_FALSE(hand.isNull());
    int white = 0;
    int black = 0;
    int coloured = 0;
    for (int y = 0; y < hand.height(); ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            const QRgb pixel = hand.pixel(x, y);
            coloured += qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel) ? 1 : 0;
            white += pixel == qRgb(255, 255, 255) ? 1 : 0;
            black += pixel == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(coloured, 0);
    EXPECT_GE(percentOf(white, hand), 85.0);
    EXPECT_LE(percentOf(white, hand), 87.0);
    EXPECT_GE(percentOf(black, hand), 5.5);
    EXPECT_LE(percentOf(black, hand), 7.5);
}

// The two sides' hands face each other across the window.
TEST_P(HandDrawing, PlayerEntersFromTheLeftAndComputerIsItsExactMirror) {
    const QImage hand = player();
    ASSERT_FALSE(hand.isNull());
    EXPECT_TRUE(hasInk(hand, 0));
    EXPECT_FALSE(hasInk(hand, hand.width() - 1));
    EXPECT_EQ(computer(), hand.mirrored(true, false));
}

INSTANTIATE_TEST_SUITE_P(Hands, HandDrawing,
                         ::testing::Values("hand_paper", "hand_scissors", "hand_rock"),
                         [](const auto& info) { return std::string(info.param); });

int squaredDistance(const QRgb a, const QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

TEST(Logo, IsMostlyNearWhiteThenRedThenBlack) {
    const QImage logo(storedPath(QStringLiteral("logo.bmp")));
    ASSERT_FALSE(logo.isNull());
    // Anti-aliased edges count towards whichever of the three they are closest to.
    const std::array palette{qRgb(250, 250, 250), qRgb(237, 28, 36), qRgb(0, 0, 0)};
    std::array<int, 3> counts{};
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            std::size_t best = 0;
            for (std::size_t i = 1; i < palette.size(); ++i) {
                if (squaredDistance(logo.pixel(x, y), palette[i]) <
                    squaredDistance(logo.pixel(x, y), palette[best])) {
                    best = i;
                }
            }
            ++counts[best];
        }
    }
    EXPECT_NEAR(percentOf(counts[0], logo), 65.0, 3.0);
    EXPECT_NEAR(percentOf(counts[1], logo), 19.0, 3.0);
    EXPECT_NEAR(percentOf(counts[2], logo), 15.0, 3.0);
}

TEST(Logo, HasAOnePixelBlackFrameOnANearWhiteBackground) {
    const QImage logo(storedPath(QStringLiteral("logo.bmp")));
    ASSERT_FALSE(logo.isNull());
    const int last = logo.width() - 1;
    for (const QPoint frame : {QPoint(0, 0), QPoint(last, 120), QPoint(120, last)}) {
        EXPECT_EQ(logo.pixel(frame), qRgb(0, 0, 0));
    }
    for (const QPoint inside : {QPoint(1, 1), QPoint(last - 1, last - 1)}) {
        EXPECT_EQ(logo.pixel(inside), qRgb(250, 250, 250));
    }
}

}  // namespace
}  // namespace zumbilo::assets::testing
