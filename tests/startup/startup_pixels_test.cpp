#include <QImage>

#include "platform/form_painter.h"
#include "startup_test_fixture.h"

namespace {

using platform::Color;
using platform::RGB;

constexpr auto kWhite = RGB(255, 255, 255);
constexpr auto kBlack = RGB(0, 0, 0);
constexpr auto kBandRed = RGB(240, 28, 36);
constexpr auto kCrossingRed = RGB(180, 14, 18);

// Client pixels: the window is 521 x 297; the vertical band's column is
// x 32..64, the horizontal band's row y 216..248.
constexpr int kColumnX = 48;
constexpr int kRowY = 232;

Color at(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// The darkest grey level within a control's rectangle.
int darkestIn(const QImage& image, const platform::Control& control) {
    const platform::PixelRect r = control.pixelRect();
    int darkest = 255;
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        }
    }
    return darkest;
}

class StartupPixelsTest : public StartupWindowTest {
  protected:
    QImage render() const { return platform::renderForm(form); }
};

TEST_F(StartupPixelsTest, atLoadTheFrameHidesTheBandSeedsAndTheTitleIsWhiteOnWhite) {
    const QImage image = render();
    ASSERT_EQ(image.size(), QSize(521, 297));
    // The one-pixel seeds lie on the edges, under the frame.
    EXPECT_EQ(at(image, kColumnX, 0), kBlack);
    EXPECT_EQ(at(image, 520, kRowY), kBlack);
    EXPECT_EQ(at(image, 0, kRowY), kBlack);
    EXPECT_EQ(at(image, kColumnX, 296), kBlack);
    EXPECT_EQ(at(image, kColumnX, 1), kWhite);
    EXPECT_EQ(at(image, 519, kRowY), kWhite);
    EXPECT_EQ(at(image, kColumnX, kRowY), kWhite);

    EXPECT_EQ(darkestIn(image, c().lblWord), 255);
    EXPECT_LT(darkestIn(image, c().lblEsc), 64);
}

// Carlito stands in for Calibri with the same metrics: the title's line is
// the 630 twips the layout reserves for it.
TEST_F(StartupPixelsTest, titleSizesToItsCaptionFromAFixedCorner) {
    EXPECT_EQ(c().lblWord.Left.get(), 1200);
    EXPECT_EQ(c().lblWord.Top.get(), 2400);
    EXPECT_EQ(c().lblWord.Height.get(), 630);
    EXPECT_GT(c().lblWord.Width.get(), 1200);
    EXPECT_LT(c().lblWord.Width.get(), 2700);
}

TEST_F(StartupPixelsTest, logoFillsItsSquare) {
    const QImage image = render();
    const platform::PixelRect r = c().Image1.pixelRect();
    ASSERT_EQ(r, (platform::PixelRect{80, 32, 121, 121}));
    // The picture's black border lands on the square's own edge pixels.
    for (const auto& [x, y] : {std::pair{r.x, r.y}, std::pair{r.x + 120, r.y + 120}}) {
        EXPECT_LT(qGray(image.pixel(x, y)), 128) << x << "," << y;
    }
    EXPECT_EQ(at(image, r.x - 1, r.y), kWhite);
    EXPECT_EQ(at(image, r.x + 121, r.y + 120), kWhite);
}

TEST_F(StartupPixelsTest, atTheEndBandsCrossUnderTheSquareInsideTheFrameWithTheTitleBlack) {
    ticks(41);
    const QImage image = render();
    EXPECT_EQ(at(image, kColumnX, 100), kBandRed);
    EXPECT_EQ(at(image, 300, kRowY), kBandRed);
    EXPECT_EQ(at(image, kColumnX, kRowY), kCrossingRed);
    EXPECT_EQ(at(image, 32, 216), kCrossingRed);
    EXPECT_EQ(at(image, 64, 248), kCrossingRed);
    EXPECT_EQ(at(image, 31, kRowY), kBandRed);
    EXPECT_EQ(at(image, kColumnX, 249), kBandRed);

    // The frame stays in front where the bands run into the edges.
    EXPECT_EQ(at(image, kColumnX, 0), kBlack);
    EXPECT_EQ(at(image, kColumnX, 296), kBlack);
    EXPECT_EQ(at(image, 0, kRowY), kBlack);
    EXPECT_EQ(at(image, 520, kRowY), kBlack);

    EXPECT_EQ(darkestIn(image, c().lblWord), 0);
    EXPECT_EQ(at(image, 65, 100), kWhite);
}

TEST_F(StartupPixelsTest, greyBoxBehindTheExitLabelOnlyWhilePressed) {
    const auto [x, y] = testing_support::Pointer::centreOf(c().lblEsc);
    const platform::PixelRect r = c().lblEsc.pixelRect();
    form.mouseDown(x, y, platform::kLeftButton, 0);
    EXPECT_EQ(at(render(), r.x, r.y), RGB(224, 224, 224));
    EXPECT_EQ(at(render(), r.x + r.width - 1, r.y + r.height - 1), RGB(224, 224, 224));
    EXPECT_EQ(at(render(), r.x - 1, r.y), kWhite);

    form.mouseUp(x, y, platform::kLeftButton, 0);
    EXPECT_EQ(at(render(), r.x, r.y), kWhite);
}

}  // namespace
