#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "drawing.h"
#include "pixel_tables.h"

// The pixel tests that every window system passes alike, each instantiating
// them with its own program on the virtual clock: see the two pixels_test.cpp.
namespace window_pixels {

using pixel_tables::kBlack;
using pixel_tables::kPanel;
using pixel_tables::kWhite;
using testing_support::darkestIn;
using testing_support::Drawing;
using testing_support::expectPixels;
using testing_support::greyOf;

template <class Program>
class MainWindowPixels : public ::testing::Test, protected Program {
  protected:
    MainWindowPixels() { this->handOff(); }
};
TYPED_TEST_SUITE_P(MainWindowPixels);

// The status strip and the two framed panels; the captions in their colours,
// the counters' grey never shown.
TYPED_TEST_P(MainWindowPixels, welcomeShowsTheStatusStripAndTwoFramedPanelsWithTheirCaptions) {
    const auto& c = this->c();
    const Drawing image = this->drawn(this->principal());
    expectPixels(image, pixel_tables::kWelcome);
    EXPECT_GT(image.count(c.lblWin, kBlack), 20);
    EXPECT_EQ(image.count(c.lblWin, platform::RGB(224, 224, 224)), 0);
    EXPECT_GT(image.count(c.lblGame, kBlack), 20);
    EXPECT_GT(image.count(c.lblPlay[0], platform::RGB(128, 0, 0)), 20);
    EXPECT_GT(image.count(c.lblReset[0], platform::RGB(128, 0, 0)), 20);
    EXPECT_EQ(image.count(c.imgOpt[0], kWhite), 0);  // still hidden
}

TYPED_TEST_P(MainWindowPixels, atScaleTwoOutlinesStayOneLogicalPixelWide) {
    const Drawing image = this->drawnAtScaleTwo(this->principal());
    EXPECT_EQ(image.width(), 834);
    EXPECT_EQ(image.height(), 450);
    expectPixels(image, pixel_tables::kWelcomeAtScaleTwo);
}

// The 170-pixel paper and the 180-pixel rock both fill the hands' 153-pixel
// squares, over the panels' red rims; a pressed hand has a one-pixel black
// border inside its square. In a draw the computer's hand is the player's mirrored.
TYPED_TEST_P(MainWindowPixels, handsFillTheirSquaresInFrontOfThePanelsAndAPressBordersThem) {
    const auto& c = this->c();
    this->rt.random.script({0.1F});  // the rock, as the player's
    this->key('9');
    this->ticks(6);
    const platform::PixelRect mine = c.Image1.pixelRect();
    this->mouseDown(this->principal(), mine.x + 70, mine.y + 70, platform::kLeftButton, 0);
    const Drawing image = this->drawn(this->principal());
    for (const platform::Image* hand : {&c.Image1, &c.Image2}) {
        const platform::PixelRect r = hand->pixelRect();
        ASSERT_EQ(r.width, 153);
        const platform::Color corner = hand == &c.Image1 ? kBlack : kWhite;
        expectPixels(image, {{r.x, r.y, corner},
                             {r.x + 1, r.y + 1, kWhite},
                             {r.x + 152, r.y + 152, corner},
                             {r.x + 151, r.y + 151, kWhite},
                             {r.x - 1, r.y + 70, kPanel},
                             {r.x + r.width, r.y + 70, kPanel}});
        EXPECT_GT(image.count(*hand, kWhite), r.width * r.height * 7 / 10);
        EXPECT_GT(image.count(*hand, kBlack), r.width * r.height / 50);
    }
    // The computer's hand is the player's mirrored, inside the pressed one's
    // border, but for the scaling's rounding.
    const platform::PixelRect theirs = c.Image2.pixelRect();
    int unlike = 0;
    for (int y = mine.y + 1; y < mine.y + mine.height - 1; ++y) {
        for (int x = mine.x + 1; x < mine.x + mine.width - 1; ++x) {
            const platform::Color mirrored =
                image.at(theirs.x + mine.x + mine.width - 1 - x, theirs.y + y - mine.y);
            unlike += std::abs(greyOf(image.at(x, y)) - greyOf(mirrored)) > 64 ? 1 : 0;
        }
    }
    EXPECT_EQ(unlike, 0);
}

// A hovered figure's white turns grey, its black stays black, its edge dark red.
TYPED_TEST_P(MainWindowPixels, hoveredOptionPictureTurnsGreyWhereWhiteAndStaysBlackWhereBlack) {
    const auto& c = this->c();
    this->click(c.lblPlay[0]);
    const Drawing plain = this->drawn(this->principal());
    const platform::PixelRect r = c.imgOpt[1].pixelRect();
    this->mouseMove(this->principal(), r.x + r.width / 2, r.y + r.height / 2, 0, 0);
    const Drawing hovered = this->drawn(this->principal());

    int greyed = 0;
    for (int y = r.y + 1; y < r.y + r.height - 1; ++y) {
        for (int x = r.x + 1; x < r.x + r.width - 1; ++x) {
            const platform::Color before = plain.at(x, y);
            EXPECT_EQ(hovered.at(x, y), before & platform::RGB(192, 192, 192));
            greyed += before == kWhite ? 1 : 0;
        }
    }
    EXPECT_GT(greyed, r.width * r.height / 2);
    // The rock's shape draws over its own picture, the scissors' neighbour.
    const platform::PixelRect rock = c.imgOpt[2].pixelRect();
    expectPixels(plain, {{r.x + 30, r.y, pixel_tables::kFrame},
                         {r.x + 30, r.y - 1, kPanel},
                         {rock.x + 30, rock.y, pixel_tables::kFrame},
                         {rock.x + 30, rock.y + 1, kWhite}});
}

REGISTER_TYPED_TEST_SUITE_P(MainWindowPixels,
                            welcomeShowsTheStatusStripAndTwoFramedPanelsWithTheirCaptions,
                            atScaleTwoOutlinesStayOneLogicalPixelWide,
                            handsFillTheirSquaresInFrontOfThePanelsAndAPressBordersThem,
                            hoveredOptionPictureTurnsGreyWhereWhiteAndStaysBlackWhereBlack);

template <class Program>
class StartupPixels : public ::testing::Test, protected Program {};
TYPED_TEST_SUITE_P(StartupPixels);

// The band seeds lie under the frame; the title white on white, the "x"
// black, and in Calibri's metrics (or Carlito's) the title fits the 630 twips
// of its line.
TYPED_TEST_P(StartupPixels, atLoadTheFrameHidesTheBandSeedsAndTheTitleIsWhiteOnWhite) {
    const auto& s = this->s();
    const Drawing image = this->drawn(this->inicio());
    expectPixels(image, pixel_tables::kStartupFrameWhereTheBandsEnd);
    expectPixels(image, pixel_tables::kStartupAtLoad);
    EXPECT_EQ(darkestIn(image, s.lblWord), 255);
    EXPECT_LT(darkestIn(image, s.lblEsc), 64);
    EXPECT_EQ(s.lblWord.Height.get(), 630);
    EXPECT_GT(s.lblWord.Width.get(), 1200);
    EXPECT_LT(s.lblWord.Width.get(), 2700);
}

TYPED_TEST_P(StartupPixels, atTheEndTheBandsCrossUnderTheSquareInsideTheFrame) {
    this->rt.clock.advance(30LL * 41);
    const Drawing image = this->drawn(this->inicio());
    expectPixels(image, pixel_tables::kStartupFrameWhereTheBandsEnd);
    expectPixels(image, pixel_tables::kStartupBandsAndSquare);
    EXPECT_EQ(darkestIn(image, this->s().lblWord), 0);
}

// The 241-pixel logo fills its 121-pixel square, its black border on the
// square's edge, scaled smoothly: blends that the picture itself does not hold.
TYPED_TEST_P(StartupPixels, logoFillsItsSquareScaledSmoothly) {
    const platform::Image& logo = this->s().Image1;
    ASSERT_EQ(logo.pixelRect(), (platform::PixelRect{80, 32, 121, 121}));
    const Drawing image = this->drawn(this->inicio());
    expectPixels(image, pixel_tables::kStartupAroundTheLogo);
    EXPECT_LT(greyOf(image.at(80, 32)), 128);
    EXPECT_LT(greyOf(image.at(200, 152)), 128);
    std::set<platform::Color> own;
    for (const std::uint32_t pixel :
         this->rt.windows.pictures().image(logo.Picture, 241, 241).pixels) {
        own.insert(platform::RGB(static_cast<int>((pixel >> 16U) & 0xFFU),
                                 static_cast<int>((pixel >> 8U) & 0xFFU),
                                 static_cast<int>(pixel & 0xFFU)));
    }
    const auto blends = std::ranges::count_if(
        image.within(logo), [&own](platform::Color c) { return !own.contains(c); });
    EXPECT_GT(blends, 100);
}

REGISTER_TYPED_TEST_SUITE_P(StartupPixels, atLoadTheFrameHidesTheBandSeedsAndTheTitleIsWhiteOnWhite,
                            atTheEndTheBandsCrossUnderTheSquareInsideTheFrame,
                            logoFillsItsSquareScaledSmoothly);

}  // namespace window_pixels
