#include "picture_paths.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace zumbilo::pictures {
namespace {

// Linking zumbilo_pictures alone must make the resources available: no files, no init call.
TEST(EmbeddedPictures, EveryHandLoadsAndTheComputersMirrorThePlayers) {
    for (const auto& [hand, side] :
         {std::pair{Hand::Paper, 170}, {Hand::Scissors, 180}, {Hand::Rock, 180}}) {
        const QImage player(handPath(hand, Side::Player));
        const QImage computer(handPath(hand, Side::Computer));
        EXPECT_EQ(player.size(), QSize(side, side)) << handPath(hand, Side::Player).toStdString();
        EXPECT_EQ(computer, player.mirrored(true, false));
    }
}

TEST(EmbeddedPictures, LogoAndWindowIconLoad) {
    EXPECT_EQ(QImage(logoPath()).size(), QSize(241, 241));
    EXPECT_EQ(QImageReader(iconPath()).imageCount(), 11);
    const QIcon icon(iconPath());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

}  // namespace
}  // namespace zumbilo::pictures
