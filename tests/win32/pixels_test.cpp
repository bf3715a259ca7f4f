#include <string>

#include "platform/win32/fonts.h"
#include "platform/win32/wide.h"
#include "win32_program_test.h"
#include "window_pixels.h"

// The program drawn into a memory bitmap; outside the anonymous namespace, for the tests' names.
struct Win32DrawnProgram : Win32Program {
    using Drawing = testing_support::Drawing;

    static Drawing drawingOf(const platform::win32::Dib& image) {
        return {image.width(), image.height(),
                [&image](int x, int y) { return image.colourAt(x, y); }};
    }
    static Drawing drawn(const platform::Form& form) { return drawingOf(printed(form)); }
    static Drawing drawnAtScaleTwo(const platform::Form& form) {
        return drawingOf(printed(form, 192));
    }
};

namespace window_pixels {
INSTANTIATE_TYPED_TEST_SUITE_P(MainWindowPixels, MainWindowPixels, Win32DrawnProgram);
INSTANTIATE_TYPED_TEST_SUITE_P(StartupPixels, StartupPixels, Win32DrawnProgram);
}  // namespace window_pixels

namespace {

using PixelsTest = MainWindowTest;

// Each face the layouts name is drawn by a face that is installed: its own,
// else the Linux build's stand-in; else, as for a face no system has, the
// desktop's, and the caption still shows.
TEST_F(PixelsTest, everyFaceIsDrawnByAnInstalledFaceAndACaptionAlwaysShows) {
    constexpr const char* kNoSuchFace = "Ninguna Fuente Así";
    const platform::win32::FontStore& fonts = rt.windows.fonts();
    const std::wstring desktopFace = fonts.faceFor(kNoSuchFace);
    EXPECT_NE(desktopFace, platform::win32::widen(kNoSuchFace));
    const platform::win32::ScreenDc screen;
    for (const char* name : {"Segoe Print", "Calibri", "Arial"}) {
        const std::wstring face = fonts.faceFor(name);
        const platform::win32::Selected selected(screen.get(), fonts.font(name, 11, false, false));
        std::array<wchar_t, LF_FACESIZE> drawnFace{};
        GetTextFaceW(screen.get(), LF_FACESIZE, drawnFace.data());
        EXPECT_TRUE(face == desktopFace || face == drawnFace.data()) << name;
    }
    platform::Font font = c().lblGame.Font;
    font.Name = kNoSuchFace;
    c().lblGame.Font = font;
    EXPECT_GT(Win32DrawnProgram::drawn(principal()).count(c().lblGame, pixel_tables::kBlack), 20);
}

// At 200 % a hand is drawn from its picture at the screen's size, never its
// small rendering with each pixel doubled: many two-by-two blocks hold two greys.
TEST_F(PixelsTest, atTwiceTheScaleAHandIsDrawnAtTheScreensSizeNotPixelDoubled) {
    key('7');
    const platform::win32::Dib image = printed(principal(), 192);
    const platform::PixelRect hand = platform::Scale(192).toScreen(c().Image1.pixelRect());
    int mixedBlocks = 0;
    for (int y = hand.y; y + 1 < hand.y + hand.height; y += 2) {
        for (int x = hand.x; x + 1 < hand.x + hand.width; x += 2) {
            const platform::Color corner = image.colourAt(x, y);
            mixedBlocks += image.colourAt(x + 1, y) != corner ||
                                   image.colourAt(x, y + 1) != corner ||
                                   image.colourAt(x + 1, y + 1) != corner
                               ? 1
                               : 0;
        }
    }
    EXPECT_GT(mixedBlocks, 500);
}

}  // namespace
