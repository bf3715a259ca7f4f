#include "dib.h"

#include <gtest/gtest.h>

namespace zumbilo::assets {
namespace {

// Odd widths exercise the row padding that the square stored pictures hide.
TEST(Dib, RowsAreBottomUpAndPaddedToFourBytes) {
    const QByteArray rows =
        dibRows(3, 2, 24, [](const int x, const int y) { return qRgb(10 * x, 100 + y, 200); });
    ASSERT_EQ(rows.size(), 2 * 12);
    // First stored row is the image's bottom row (y = 1), pixels as blue, green, red.
    EXPECT_EQ(static_cast<unsigned char>(rows.at(0)), 200);
    EXPECT_EQ(static_cast<unsigned char>(rows.at(1)), 101);
    EXPECT_EQ(static_cast<unsigned char>(rows.at(6)), 200);
    EXPECT_EQ(static_cast<unsigned char>(rows.at(8)), 20);
    EXPECT_EQ(rows.mid(9, 3), QByteArray(3, '\0'));
    EXPECT_EQ(static_cast<unsigned char>(rows.at(13)), 100);
}

TEST(Dib, PackedIndicesPutTheLeftmostPixelInTheHighBits) {
    const QByteArray nibbles = dibRows(3, 1, 4, [](const int x, int) { return x + 1U; });
    EXPECT_EQ(nibbles, QByteArray::fromHex("12300000"));
    const QByteArray mask =
        dibRows(9, 1, 1, [](const int x, int) { return x == 0 || x == 8 ? 1U : 0U; });
    EXPECT_EQ(mask, QByteArray::fromHex("80800000"));
}

}  // namespace
}  // namespace zumbilo::assets
