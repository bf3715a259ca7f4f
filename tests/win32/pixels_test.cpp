#include <set>
#include <string>

#include "platform/runtime/mouse.h"
#include "platform/win32/font_store.h"
#include "platform/win32/picture_store.h"
#include "platform/win32/wide.h"
#include "win32_program_test.h"

namespace {

using pixel_tables::kBlack;
using pixel_tables::kPanel;
using pixel_tables::kWhite;
constexpr platform::Color kTextButton = platform::RGB(128, 0, 0);

int grey(platform::Color c) {
    return (platform::redOf(c) + platform::greenOf(c) + platform::blueOf(c)) / 3;
}

using PixelsTest = MainWindowTest;

// The status strip and the two framed panels at the same points as on Linux;
// the captions in their colours, the counters' grey never shown.
TEST_F(PixelsTest, welcomeShowsTheStatusStripAndTwoFramedPanelsWithTheirCaptions) {
    const Dib image = drawn(principal());
    expectPixels(image, pixel_tables::kWelcome);
    EXPECT_GT(countIn(image, c().lblWin, kBlack), 20);
    EXPECT_EQ(countIn(image, c().lblWin, platform::RGB(224, 224, 224)), 0);
    EXPECT_GT(countIn(image, c().lblGame, kBlack), 20);
    EXPECT_GT(countIn(image, c().lblPlay[0], kTextButton), 20);
    EXPECT_GT(countIn(image, c().lblReset[0], kTextButton), 20);
    EXPECT_EQ(countIn(image, c().imgOpt[0], kWhite), 0);  // still hidden
}

// On a display scaled to 200 % the window draws at its logical places, with
// outlines one logical pixel wide.
TEST_F(PixelsTest, atScaleTwoOutlinesStayOneLogicalPixelWide) {
    const Dib image = platform::win32::renderForm(principal(), platform::win32::DpiScale(192));
    EXPECT_EQ(image.width(), 834);
    EXPECT_EQ(image.height(), 450);
    expectPixels(image, pixel_tables::kWelcomeAtScaleTwo);
}

// The 170-pixel paper and the 180-pixel rock both fill the hands' 153-pixel
// squares, black on white, in front of the panels' red rims; a pressed hand
// shows a one-pixel black border inside its square.
TEST_F(PixelsTest, handsFillTheirSquaresInFrontOfThePanelsAndAPressBordersThem) {
    rt.random.script({0.1F});  // the rock
    key(L'7');
    ticks(6);
    const platform::PixelRect mine = c().Image1.pixelRect();
    send(principal(), WM_LBUTTONDOWN, MK_LBUTTON, mine.x + 70, mine.y + 70);
    const Dib image = drawn(principal());
    for (const platform::Image* hand : {&c().Image1, &c().Image2}) {
        const platform::PixelRect r = hand->pixelRect();
        ASSERT_EQ(r.width, 153);
        const platform::Color corner = hand == &c().Image1 ? kBlack : kWhite;
        expectPixels(image, {{r.x, r.y, corner},
                             {r.x + 1, r.y + 1, kWhite},
                             {r.x + 152, r.y + 152, corner},
                             {r.x + 151, r.y + 151, kWhite},
                             {r.x - 1, r.y + 70, kPanel},
                             {r.x + r.width, r.y + 70, kPanel}});
        EXPECT_GT(countIn(image, *hand, kWhite), r.width * r.height * 7 / 10);
        EXPECT_GT(countIn(image, *hand, kBlack), r.width * r.height / 50);
    }
    // Each hand shows its own figure.
    EXPECT_NE(coloursIn(image, c().Image1), coloursIn(image, c().Image2));
}

// Hovering a figure fills its option shape solid under the mask rule: the
// picture's white turns grey, its black stays black, its edge dark red.
TEST_F(PixelsTest, hoveredOptionPictureTurnsGreyWhereWhiteAndStaysBlackWhereBlack) {
    click(c().lblPlay[0]);
    const Dib plain = drawn(principal());
    const platform::PixelRect r = c().imgOpt[1].pixelRect();
    send(principal(), WM_MOUSEMOVE, 0, r.x + r.width / 2, r.y + r.height / 2);
    const Dib hovered = drawn(principal());

    int greyed = 0;
    for (int y = r.y + 1; y < r.y + r.height - 1; ++y) {
        for (int x = r.x + 1; x < r.x + r.width - 1; ++x) {
            const platform::Color before = plain.colourAt(x, y);
            EXPECT_EQ(hovered.colourAt(x, y), before & platform::RGB(192, 192, 192));
            greyed += before == kWhite ? 1 : 0;
        }
    }
    EXPECT_GT(greyed, r.width * r.height / 2);
    // The rock's shape draws over its own picture, the scissors' neighbour.
    const platform::PixelRect rock = c().imgOpt[2].pixelRect();
    expectPixels(plain, {{r.x + 30, r.y, pixel_tables::kFrame},
                         {r.x + 30, r.y - 1, kPanel},
                         {rock.x + 30, rock.y, pixel_tables::kFrame},
                         {rock.x + 30, rock.y + 1, kWhite}});
}

// Each face the layouts name is drawn by a face that is installed: its own,
// else the Linux build's stand-in; else, as for a face no system has, the
// desktop's, and the caption still shows.
TEST_F(PixelsTest, everyFaceIsDrawnByAnInstalledFaceAndACaptionAlwaysShows) {
    constexpr const char* kNoSuchFace = "Ninguna Fuente Así";
    const platform::win32::FontStore& fonts = platform::win32::windowOf(principal())->fonts();
    const std::wstring desktopFace = fonts.faceFor(kNoSuchFace);
    EXPECT_NE(desktopFace, platform::win32::widen(kNoSuchFace));
    const platform::win32::ScreenDc screen;
    for (const char* name : {"Segoe Print", "Calibri", "Arial"}) {
        const std::wstring face = fonts.faceFor(name);
        const platform::win32::Selected selected(screen.get(), fonts.font({.Name = name}));
        std::array<wchar_t, LF_FACESIZE> drawnFace{};
        GetTextFaceW(screen.get(), LF_FACESIZE, drawnFace.data());
        EXPECT_TRUE(face == desktopFace || face == drawnFace.data()) << name;
    }
    platform::Font font = c().lblGame.Font;
    font.Name = kNoSuchFace;
    c().lblGame.Font = font;
    EXPECT_GT(countIn(drawn(principal()), c().lblGame, kBlack), 20);
}

// A hands tick repaints the computer's hand and nothing else; writing a
// property the value it already has, or moving the window, repaints nothing.
TEST_F(PixelsTest, onlyWhatChangesIsRepainted) {
    rt.clock.advance(200);  // let the slide finish
    key(L'8');
    auto* const window = hwndOf(principal());
    ValidateRect(window, nullptr);
    ticks(1);
    RECT painted{};
    ASSERT_TRUE(GetUpdateRect(window, &painted, FALSE));
    const platform::PixelRect hand = c().Image2.pixelRect();
    EXPECT_GE(painted.left, hand.x - 1);
    EXPECT_GE(painted.top, hand.y - 1);
    EXPECT_LE(painted.right, hand.x + hand.width + 1);
    EXPECT_LE(painted.bottom, hand.y + hand.height + 1);

    ValidateRect(window, nullptr);
    c().lblGame.Caption = "";
    c().lblPlay[1].BackColor = platform::RGB(240, 28, 36);
    principal().Top = principal().Top - 60;
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
}

class StartupPixelsTest : public Win32ProgramTest {
  protected:
    int darkestIn(const platform::Control& control) {
        int darkest = 255;
        for (const platform::Color colour : coloursIn(drawn(inicio()), control)) {
            darkest = std::min(darkest, grey(colour));
        }
        return darkest;
    }
};

// The band seeds lie under the black frame; the title is white on white,
// the "x" black.
TEST_F(StartupPixelsTest, atLoadTheFrameHidesTheBandSeedsAndTheTitleIsWhiteOnWhite) {
    const Dib image = drawn(inicio());
    expectPixels(image, pixel_tables::kStartupFrameWhereTheBandsEnd);
    expectPixels(image, pixel_tables::kStartupAtLoad);
    EXPECT_EQ(darkestIn(s().lblWord), 255);
    EXPECT_LT(darkestIn(s().lblEsc), 64);
    EXPECT_EQ(s().lblWord.Height.get(), 630);
    EXPECT_GT(s().lblWord.Width.get(), 1200);
    EXPECT_LT(s().lblWord.Width.get(), 2700);
}

TEST_F(StartupPixelsTest, atTheEndTheBandsCrossUnderTheSquareInsideTheFrame) {
    rt.clock.advance(30LL * 41);
    const Dib image = drawn(inicio());
    expectPixels(image, pixel_tables::kStartupFrameWhereTheBandsEnd);
    expectPixels(image, pixel_tables::kStartupBandsAndSquare);
    EXPECT_EQ(darkestIn(s().lblWord), 0);
}

// The 241-pixel logo fills its 121-pixel square, its black border on the
// square's edge, scaled smoothly: blends that the picture itself does not hold.
TEST_F(StartupPixelsTest, logoFillsItsSquareScaledSmoothly) {
    ASSERT_EQ(s().Image1.pixelRect(), (platform::PixelRect{80, 32, 121, 121}));
    const Dib image = drawn(inicio());
    expectPixels(image, pixel_tables::kStartupAroundTheLogo);
    EXPECT_LT(grey(image.colourAt(80, 32)), 128);
    EXPECT_LT(grey(image.colourAt(200, 152)), 128);
    const Dib& logo = rt.windows.pictures().image(s().Image1.Picture, 241, 241);
    std::set<platform::Color> own;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            own.insert(logo.colourAt(x, y));
        }
    }
    const auto blends = std::ranges::count_if(
        coloursIn(image, s().Image1), [&own](platform::Color c) { return !own.contains(c); });
    EXPECT_GT(blends, 100);
}

}  // namespace
