#include <QImage>
#include <QSet>
#include <algorithm>

#include "platform/qt/form_painter.h"
#include "program_test.h"

namespace {

class StartupPixelsTest : public ProgramTest {
  protected:
    QImage drawn() { return platform::renderForm(inicio()); }

    // The black frame, in front of the bands where they meet the window's edges.
    static void expectFrameWhereTheBandsEnd(const QImage& image) {
        expectPixels(image, pixel_tables::kStartupFrameWhereTheBandsEnd);
    }

    // The darkest grey level within a control's rectangle.
    int darkestIn(const platform::Control& control) {
        int darkest = 255;
        for (const QColor& colour : coloursIn(drawn(), control)) {
            darkest = std::min(darkest, qGray(colour.rgb()));
        }
        return darkest;
    }
};

// The one-pixel band seeds lie on the edges, under the black frame; the
// title is white on white, the "x" black. Carlito stands in for Calibri with
// its metrics: the title sizes itself to the 630 twips reserved for its line.
TEST_F(StartupPixelsTest, atLoadTheFrameHidesTheBandSeedsAndTheTitleIsWhiteOnWhite) {
    const QImage image = drawn();
    expectFrameWhereTheBandsEnd(image);
    expectPixels(image, pixel_tables::kStartupAtLoad);
    EXPECT_EQ(darkestIn(s().lblWord), 255);
    EXPECT_LT(darkestIn(s().lblEsc), 64);
    EXPECT_EQ(s().lblWord.Height.get(), 630);
    EXPECT_GT(s().lblWord.Width.get(), 1200);
    EXPECT_LT(s().lblWord.Width.get(), 2700);
}

// At the end the bands cross under the darker square, each with an outline
// of its own red, and the frame stays in front where they meet the edges.
TEST_F(StartupPixelsTest, atTheEndTheBandsCrossUnderTheSquareInsideTheFrame) {
    sequenceTicks(41);
    const QImage image = drawn();
    expectFrameWhereTheBandsEnd(image);
    expectPixels(image, pixel_tables::kStartupBandsAndSquare);
    EXPECT_EQ(darkestIn(s().lblWord), 0);
}

// The 241-pixel logo fills its 121-pixel square, its black border on the
// square's edge, scaled smoothly: blends of neighbouring pixels that the
// picture itself does not hold.
TEST_F(StartupPixelsTest, logoFillsItsSquareScaledSmoothly) {
    ASSERT_EQ(s().Image1.pixelRect(), (platform::PixelRect{80, 32, 121, 121}));
    const QImage image = drawn();
    expectPixels(image, pixel_tables::kStartupAroundTheLogo);
    EXPECT_LT(qGray(image.pixel(80, 32)), 128);
    EXPECT_LT(qGray(image.pixel(200, 152)), 128);
    const QImage logo(QStringLiteral(":/pictures/logo.bmp"));
    QSet<QRgb> own;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            own.insert(logo.pixel(x, y));
        }
    }
    const auto blends = std::ranges::count_if(
        coloursIn(image, s().Image1), [&](const QColor& c) { return !own.contains(c.rgb()); });
    EXPECT_GT(blends, 200);
}

}  // namespace
