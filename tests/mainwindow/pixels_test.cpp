#include <QCoreApplication>
#include <QImage>
#include <QPaintEvent>
#include <algorithm>

#include "platform/qt/form_painter.h"
#include "platform/qt/form_window.h"
#include "program_test.h"

namespace {

const QColor kWindow(200, 50, 50);
const QColor kPanel(240, 28, 36);
const QColor kFrame(64, 0, 0);
const QColor kTextButton(128, 0, 0);

// Collects what the window is asked to repaint.
struct PaintRecorder final : QObject {
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion painted;
};

class PixelsTest : public MainWindowTest {
  protected:
    QImage drawn(double scale = 1.0) { return platform::renderForm(principal(), scale); }

    static auto countIn(const QImage& image, const platform::Control& control,
                        const QColor& colour) {
        return std::ranges::count(coloursIn(image, control), colour);
    }
};

// The status strip and the two framed panels; the captions in their colours,
// the counters' grey never shown.
TEST_F(PixelsTest, welcomeShowsTheStatusStripAndTwoFramedPanelsWithTheirCaptions) {
    const QImage image = drawn();
    expectPixels(image, pixel_tables::kWelcome);
    EXPECT_GT(countIn(image, c().lblWin, kBlack), 20);
    EXPECT_EQ(countIn(image, c().lblWin, QColor(224, 224, 224)), 0);
    EXPECT_GT(countIn(image, c().lblGame, kBlack), 20);
    EXPECT_GT(countIn(image, c().lblPlay[0], kTextButton), 20);
    EXPECT_GT(countIn(image, c().lblReset[0], kTextButton), 20);
    EXPECT_EQ(countIn(image, c().imgOpt[0], kWhite), 0);  // still hidden
}

// The 170-pixel paper and the 180-pixel rock both fill the hands' 153-pixel
// squares exactly, black on white, in front of the panels' red rims; a
// pressed hand shows a one-pixel black border inside its square.
TEST_F(PixelsTest, handsFillTheirSquaresInFrontOfThePanelsAndAPressBordersThem) {
    rt.random.script({0.1F});  // the rock
    key('7');
    ticks(6);
    const auto [x, y] = centreOf(c().Image1);
    principal().mouseDown(x, y, platform::kLeftButton, 0);
    const QImage image = drawn();
    for (const platform::Image* hand : {&c().Image1, &c().Image2}) {
        const platform::PixelRect r = hand->pixelRect();
        ASSERT_EQ(r.width, 153);
        const bool pressed = hand == &c().Image1;
        // Two opposite corners of the picture, and the pixels just inside them.
        for (const auto& [corner, inside] :
             {std::pair{QPoint(r.x, r.y), QPoint(r.x + 1, r.y + 1)},
              std::pair{QPoint(r.x + 152, r.y + 152), QPoint(r.x + 151, r.y + 151)}}) {
            EXPECT_EQ(image.pixelColor(corner), pressed ? kBlack : kWhite);
            EXPECT_EQ(image.pixelColor(inside), kWhite);
        }
        EXPECT_EQ(image.pixelColor(r.x - 1, r.y + 70), kPanel);
        EXPECT_EQ(image.pixelColor(r.x + r.width, r.y + 70), kPanel);
        EXPECT_GT(countIn(image, *hand, kWhite), r.width * r.height * 7 / 10);
        EXPECT_GT(countIn(image, *hand, kBlack), r.width * r.height / 50);
    }
    // Each hand shows its own figure, inside the pressed one's border.
    const auto inside = [&image](const platform::Image& hand) {
        const platform::PixelRect r = hand.pixelRect();
        return image.copy(r.x + 1, r.y + 1, r.width - 2, r.height - 2);
    };
    EXPECT_NE(inside(c().Image1), inside(c().Image2));
}

// Hovering a figure fills its option shape solid under the mask rule: the
// picture's white turns grey, its black stays black, its edge dark red.
TEST_F(PixelsTest, hoveredOptionPictureTurnsGreyWhereWhiteAndStaysBlackWhereBlack) {
    click(c().lblPlay[0]);
    const QImage plain = drawn();
    moveTo(c().imgOpt[1]);
    const QImage hovered = drawn();

    const platform::PixelRect r = c().imgOpt[1].pixelRect();
    int greyed = 0;
    for (int y = r.y + 1; y < r.y + r.height - 1; ++y) {
        for (int x = r.x + 1; x < r.x + r.width - 1; ++x) {
            const QColor before = plain.pixelColor(x, y);
            EXPECT_EQ(hovered.pixelColor(x, y),
                      QColor(before.red() & 192, before.green() & 192, before.blue() & 192));
            greyed += before == kWhite ? 1 : 0;
        }
    }
    EXPECT_GT(greyed, r.width * r.height / 2);
    EXPECT_EQ(plain.pixelColor(r.x + 30, r.y), QColor(64, 0, 0));
    EXPECT_EQ(plain.pixelColor(r.x + 30, r.y - 1), kPanel);
    // The rock's shape draws over its own picture, the scissors' neighbour.
    const platform::PixelRect rock = c().imgOpt[2].pixelRect();
    EXPECT_EQ(plain.pixelColor(rock.x + 30, rock.y), QColor(64, 0, 0));
    EXPECT_EQ(plain.pixelColor(rock.x + 30, rock.y + 1), kWhite);
}

// At twice the resolution the window draws at its logical places, with
// outlines one logical pixel wide.
TEST_F(PixelsTest, atScaleTwoOutlinesStayOneLogicalPixelWide) {
    EXPECT_EQ(drawn(2.0).size(), QSize(834, 450));
    expectPixels(drawn(2.0), pixel_tables::kWelcomeAtScaleTwo);
}

// A hands tick repaints the computer's hand and nothing else; writing a
// property the value it already has repaints nothing at all.
TEST_F(PixelsTest, onlyWhatChangesIsRepainted) {
    rt.clock.advance(200);  // let the slide finish
    PaintRecorder recorder;
    windowOf(principal())->installEventFilter(&recorder);
    key('8');
    QCoreApplication::processEvents();
    recorder.painted = QRegion();
    ticks(1);
    QCoreApplication::processEvents();
    const platform::PixelRect hand = c().Image2.pixelRect();
    EXPECT_FALSE(recorder.painted.isEmpty());
    EXPECT_TRUE(QRegion(hand.x - 1, hand.y - 1, hand.width + 2, hand.height + 2)
                    .contains(recorder.painted.boundingRect()));

    recorder.painted = QRegion();
    c().lblGame.Caption = "";
    c().lblPlay[1].BackColor = platform::RGB(240, 28, 36);
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.painted.isEmpty());
}

}  // namespace
