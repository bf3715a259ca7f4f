#include <utility>

#include "win32_program_test.h"

namespace {

RECT outerOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

std::pair<long, long> placeOf(HWND window) {
    const RECT r = outerOf(window);
    return {r.left, r.top};
}

// A move the window did not ask for, as Wine makes one when the X server reports where it is.
void moveTo(HWND window, long x, long y) {
    SetWindowPos(window, nullptr, static_cast<int>(x), static_cast<int>(y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

using PlacementTest = MainWindowTest;

// The main window's title bar, with its icons, closes and minimises, no resizing; centred by its
// whole frame, then sliding six steps of 4 pixels up and one of 8 down, tick by tick. (Its caption
// and size, and the borderless start-up window, are seen on a real desktop by wine_session.sh.)
TEST_F(PlacementTest, mainWindowIsCentredByItsFrameThenSlidesStepByStep) {
    auto* const window = hwndOf(principal());
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    UpdateWindow(window);  // the icons come with the first frame
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);

    const platform::PixelRect area = rt.windows.screenArea();  // the work area under the pointer
    const RECT outer = outerOf(window);
    const long x = area.x + (area.width - (outer.right - outer.left)) / 2;
    const long y = area.y + (area.height - (outer.bottom - outer.top)) / 2;
    EXPECT_EQ(placeOf(window), std::pair(x, y));
    for (const int offset : {-4, -8, -12, -16, -20, -24, -16, -16}) {
        rt.clock.advance(20);
        EXPECT_EQ(placeOf(window), std::pair(x, y + offset));
    }
    EXPECT_EQ(principal().Top.get(), platform::toTwips(static_cast<int>(y) - 16));

    // A late report of an earlier step sends it back to rest; a place never asked for stays.
    moveTo(window, x, y - 24);
    EXPECT_EQ(placeOf(window), std::pair(x, y - 16));
    moveTo(window, x + 100, y);
    EXPECT_EQ(placeOf(window), std::pair(x + 100, y));
}

// Dragged onto a monitor scaled to 150 %, the window grows by half, to the
// size it told the system beforehand, and a click lands on the control drawn
// under it.
TEST_F(PlacementTest, atOneAndAHalfScaleTheWindowGrowsAndClicksLandOnTheirControls) {
    click(c().lblPlay[0]);
    auto* const window = hwndOf(principal());
    SIZE told{};
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): as the system sends it
    EXPECT_TRUE(SendMessageW(window, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&told)));
    RECT frame{};
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                             FALSE, 0, 144);
    EXPECT_EQ(std::pair(told.cx - (frame.right - frame.left), told.cy - (frame.bottom - frame.top)),
              std::pair(625L, 337L));
    moveToScale(principal(), 144);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(625L, 337L));
    const platform::PixelRect rock = c().imgOpt[2].pixelRect();
    const int x = (rock.x + rock.width / 2) * 3 / 2;
    const int y = (rock.y + rock.height / 2) * 3 / 2;
    send(principal(), WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    send(principal(), WM_LBUTTONUP, 0, x, y);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());
}

// At 125 % a move that is not the player's changes nothing of the form's place,
// where the next step goes on from; a window the player put where no form pixel
// falls stays there, and each step moves it by the same five pixels.
TEST_F(PlacementTest, atAQuarterMoreTheSlideStepsEvenlyFromWhereThePlayerPutTheWindow) {
    moveToScale(principal(), 120);
    rt.clock.advance(20);
    auto* const window = hwndOf(principal());
    const auto [left, top] = placeOf(window);
    moveTo(window, left - 30, top + 5);
    rt.clock.advance(20);
    EXPECT_EQ(placeOf(window), std::pair(left, top - 5));

    SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
    moveTo(window, 101, 201);
    SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
    for (const int offset : {-5, -10, -15, -20, -10}) {
        rt.clock.advance(20);
        EXPECT_EQ(placeOf(window), std::pair(101L, 201L + offset));
    }
}

}  // namespace
