#include <QImage>

#include "game/game_test_fixture.h"
#include "platform/form_painter.h"

namespace {

class LayoutPixelsTest : public MainWindowTest {
  protected:
    QImage drawn() { return platform::renderForm(form); }

    // Pixels of the given colour inside a control's rectangle.
    static int countIn(const QImage& image, const platform::Control& control, const QColor& color) {
        const platform::PixelRect r = control.pixelRect();
        int count = 0;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                count += image.pixelColor(x, y) == color ? 1 : 0;
            }
        }
        return count;
    }
};

const QColor kWindow(200, 50, 50);
const QColor kPanel(240, 28, 36);
const QColor kFrame(64, 0, 0);
const QColor kStatus(250, 250, 250);
const QColor kTextButton(128, 0, 0);

TEST_F(LayoutPixelsTest, welcomeShowsStatusStripFramedPanelsAndTheirCaptions) {
    const QImage image = drawn();
    EXPECT_EQ(image.size(), QSize(417, 225));
    EXPECT_EQ(image.pixelColor(3, 3), kWindow);
    EXPECT_EQ(image.pixelColor(200, 100), kWindow);  // the gap between the panels

    // Status strip: Shape3's outline in front of the opaque status label.
    EXPECT_EQ(image.pixelColor(8, 20), kFrame);
    EXPECT_EQ(image.pixelColor(408, 20), kFrame);
    EXPECT_EQ(image.pixelColor(200, 8), kFrame);
    EXPECT_EQ(image.pixelColor(200, 40), kFrame);
    EXPECT_EQ(image.pixelColor(9, 20), kStatus);
    EXPECT_EQ(image.pixelColor(409, 20), kWindow);

    // Both panels, red inside an inside-solid dark frame of 169 pixels.
    for (const int left : {8, 240}) {
        EXPECT_EQ(image.pixelColor(left, 120), kFrame);
        EXPECT_EQ(image.pixelColor(left + 168, 120), kFrame);
        EXPECT_EQ(image.pixelColor(left + 84, 48), kFrame);
        EXPECT_EQ(image.pixelColor(left + 84, 216), kFrame);
        EXPECT_EQ(image.pixelColor(left + 1, 60), kPanel);
        EXPECT_EQ(image.pixelColor(left + 169, 120), kWindow);
    }
    EXPECT_GT(countIn(image, c().lblPlay[0], kTextButton), 20);
    EXPECT_GT(countIn(image, c().lblReset[0], kTextButton), 20);
    EXPECT_GT(countIn(image, c().lblGame, QColor(0, 0, 0)), 20);
    EXPECT_EQ(countIn(image, c().imgOpt[0], QColor(255, 255, 255)), 0);  // still hidden
}

TEST_F(LayoutPixelsTest, shakingShowsBothHandsFillingTheirRectanglesInFrontOfThePanels) {
    pointer.click(c().lblPlay[0]);
    pointer.click(c().imgOpt[1]);
    const QImage image = drawn();
    for (const platform::Image* hand : {&c().Image1, &c().Image2}) {
        const platform::PixelRect r = hand->pixelRect();
        EXPECT_EQ(r.width, 153);
        int whites = 0;
        int blacks = 0;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                const QColor p = image.pixelColor(x, y);
                ASSERT_TRUE(p.red() == p.green() && p.green() == p.blue()) << x << "," << y;
                whites += p == Qt::white ? 1 : 0;
                blacks += p == Qt::black ? 1 : 0;
            }
        }
        EXPECT_GT(whites, r.width * r.height * 7 / 10);
        EXPECT_GT(blacks, r.width * r.height / 50);
        // The 120-twip rim of the panel stays red around the hand.
        EXPECT_EQ(image.pixelColor(r.x - 1, r.y + 70), kPanel);
        EXPECT_EQ(image.pixelColor(r.x + r.width, r.y + 70), kPanel);
    }
    EXPECT_GT(countIn(image, c().lblVS, QColor(64, 0, 0)), 20);
    EXPECT_EQ(image.pixelColor(200, 40), kFrame);  // the status strip's frame stays in front
}

// Hovering a figure fills its option shape solid under the mask rule.
TEST_F(LayoutPixelsTest, hoveredOptionPictureTurnsGreyWhereWhiteAndStaysBlackWhereBlack) {
    pointer.click(c().lblPlay[0]);
    c().shpOpt1.Visible = false;
    const QImage plain = drawn();
    c().shpOpt1.Visible = true;
    pointer.moveTo(c().imgOpt[0]);
    const QImage hovered = drawn();

    const platform::PixelRect r = c().imgOpt[0].pixelRect();
    int greyed = 0;
    for (int y = r.y + 1; y < r.y + r.height - 1; ++y) {
        for (int x = r.x + 1; x < r.x + r.width - 1; ++x) {
            const QColor before = plain.pixelColor(x, y);
            const QColor after = hovered.pixelColor(x, y);
            if (before == Qt::white) {
                EXPECT_EQ(after, QColor(192, 192, 192));
                ++greyed;
            } else if (before == Qt::black) {
                EXPECT_EQ(after, Qt::black);
            }
        }
    }
    EXPECT_GT(greyed, r.width * r.height / 2);
    int outline = 0;
    for (int x = r.x; x < r.x + r.width; ++x) {
        outline += hovered.pixelColor(x, r.y) == QColor(64, 0, 0) ? 1 : 0;
    }
    EXPECT_GT(outline, r.width * 8 / 10);
    // The neighbouring picture keeps its white.
    const platform::PixelRect other = c().imgOpt[1].pixelRect();
    EXPECT_EQ(hovered.pixelColor(other.x + 2, other.y + 2),
              plain.pixelColor(other.x + 2, other.y + 2));
}

TEST_F(LayoutPixelsTest, hoveredTextButtonIsDrawnInTheDarkerRed) {
    EXPECT_EQ(countIn(drawn(), c().lblPlay[0], QColor(64, 0, 0)), 0);
    pointer.moveTo(c().lblPlay[0]);
    const QImage image = drawn();
    EXPECT_GT(countIn(image, c().lblPlay[0], QColor(64, 0, 0)), 20);
    EXPECT_EQ(countIn(image, c().lblPlay[0], kTextButton), 0);
}

}  // namespace
