#include <QImage>
#include <QPixmap>

#include "game/game_test_fixture.h"
#include "platform/form_window.h"

namespace {

// Run at every Qt scale factor the suite is registered with (1, 1.5, 2):
// the window keeps its logical size and places, outlines stay one logical
// pixel wide, and pictures are drawn smoothly at the device resolution.
class HiDpiTest : public MainWindowTest {
  protected:
    QImage grabbed() { return form.window()->grab().toImage(); }
    double ratio() { return form.window()->devicePixelRatioF(); }
    QColor atLogical(const QImage& image, double x, double y) {
        return image.pixelColor(static_cast<int>(x * ratio()), static_cast<int>(y * ratio()));
    }
};

TEST_F(HiDpiTest, windowKeepsItsLogicalSizeAndDrawsAtTheDeviceResolution) {
    EXPECT_EQ(form.window()->size(), QSize(417, 225));
    const QImage image = grabbed();
    EXPECT_EQ(image.width(), qRound(417 * ratio()));
    EXPECT_EQ(image.height(), qRound(225 * ratio()));
}

TEST_F(HiDpiTest, framesStayOneLogicalPixelAtTheirPlaces) {
    const QImage image = grabbed();
    const QColor frame(64, 0, 0);
    // Points well inside logical pixels, so that fractional scales do not
    // land on a shared device pixel.
    EXPECT_EQ(atLogical(image, 8.3, 120), frame);
    EXPECT_EQ(atLogical(image, 176.3, 120), frame);
    EXPECT_EQ(atLogical(image, 9.7, 120), QColor(240, 28, 36));
    EXPECT_EQ(atLogical(image, 7.5, 120), QColor(200, 50, 50));
    EXPECT_EQ(atLogical(image, 177.7, 120), QColor(200, 50, 50));
    if (ratio() == 2.0) {
        EXPECT_EQ(image.pixelColor(17, 240), frame);
        EXPECT_EQ(image.pixelColor(18, 240), QColor(240, 28, 36));
    }
}

TEST_F(HiDpiTest, handPicturesAreScaledSmoothly) {
    pointer.click(c().lblPlay[0]);
    pointer.click(c().imgOpt[0]);
    const QImage image = grabbed();
    const platform::PixelRect r = c().Image1.pixelRect();
    int greys = 0;
    for (int y = static_cast<int>(r.y * ratio()); y < static_cast<int>((r.y + r.height) * ratio());
         ++y) {
        for (int x = static_cast<int>(r.x * ratio());
             x < static_cast<int>((r.x + r.width) * ratio()); ++x) {
            const QColor p = image.pixelColor(x, y);
            ASSERT_EQ(p.red(), p.blue());
            greys += p.red() > 40 && p.red() < 215 ? 1 : 0;
        }
    }
    EXPECT_GT(greys, 200);  // anti-aliased edges, not blocky black and white
}

}  // namespace
