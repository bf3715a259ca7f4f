#include <array>
#include <string>

#include "platform/win32/wide.h"
#include "win32_program_test.h"

namespace {

RECT outerOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

SIZE clientSizeOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// Where a frame of this size is centred on the work area of the monitor
// under the pointer.
POINT centred(const platform::WindowSystem& windows, const RECT& outer) {
    const platform::PixelRect area = windows.screenArea();
    return {area.x + (area.width - (outer.right - outer.left)) / 2,
            area.y + (area.height - (outer.bottom - outer.top)) / 2};
}

using PlacementTest = Win32ProgramTest;

// The start-up window: no frame at all, its client area the whole window.
TEST_F(PlacementTest, startupWindowIsABorderlessPopupCentredOnTheWorkArea) {
    auto* const window = hwndOf(inicio());
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), static_cast<DWORD>(WS_POPUP));
    const SIZE client = clientSizeOf(window);
    EXPECT_EQ(client.cx, 521);
    EXPECT_EQ(client.cy, 297);
    const RECT outer = outerOf(window);
    EXPECT_EQ(outer.left, centred(rt.windows, outer).x);
    EXPECT_EQ(outer.top, centred(rt.windows, outer).y);
}

// The main window: a title bar with its caption and icon that closes and
// minimises, no resizing; centred by its whole frame, then sliding six steps
// of 4 pixels up and one of 8 down, tick by tick.
TEST_F(PlacementTest, mainWindowIsCentredByItsFrameThenSlidesStepByStep) {
    handOff();
    auto* const window = hwndOf(principal());
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    std::array<wchar_t, 32> caption{};
    GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()));
    EXPECT_EQ(platform::win32::narrow(caption.data()), "ZUMBILO");
    UpdateWindow(window);  // the icons come with the first frame
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(clientSizeOf(window).cx, 417);
    EXPECT_EQ(clientSizeOf(window).cy, 225);

    const RECT outer = outerOf(window);
    const POINT place = centred(rt.windows, outer);
    EXPECT_EQ(outer.left, place.x);
    EXPECT_EQ(outer.top, place.y);
    for (const int offset : {-4, -8, -12, -16, -20, -24, -16, -16}) {
        rt.clock.advance(20);
        EXPECT_EQ(outerOf(window).top, place.y + offset);
        EXPECT_EQ(outerOf(window).left, place.x);
    }
    EXPECT_EQ(principal().Top.get(), platform::toTwips(place.y - 16));
}

// Where the player moves the window is where the later steps start from; a
// move that is not the player's (a late report of an earlier step) is not.
TEST_F(PlacementTest, theSlideGoesOnFromWhereThePlayerMovedTheWindowOnly) {
    handOff();
    rt.clock.advance(20);
    auto* const window = hwndOf(principal());
    const RECT before = outerOf(window);
    const auto moveTo = [window](int x, int y) {
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    moveTo(before.left - 30, before.top + 4);  // late: the window's place before the first step
    rt.clock.advance(20);
    EXPECT_EQ(outerOf(window).left, before.left);
    EXPECT_EQ(outerOf(window).top, before.top - 4);

    SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
    moveTo(before.left + 100, before.top + 50);
    SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
    rt.clock.advance(20);
    EXPECT_EQ(outerOf(window).left, before.left + 100);
    EXPECT_EQ(outerOf(window).top, before.top + 50 - 4);
}

// Dragged onto a monitor scaled to 150 %, the window grows by half and a
// click lands on the control drawn under it.
TEST_F(PlacementTest, atOneAndAHalfScaleTheWindowGrowsAndClicksLandOnTheirControls) {
    handOff();
    click(c().lblPlay[0]);
    auto* const window = hwndOf(principal());
    RECT suggested = outerOf(window);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): as the system sends it
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(clientSizeOf(window).cx, 625);
    EXPECT_EQ(clientSizeOf(window).cy, 337);
    const platform::PixelRect rock = c().imgOpt[2].pixelRect();
    const int x = (rock.x + rock.width / 2) * 3 / 2;
    const int y = (rock.y + rock.height / 2) * 3 / 2;
    send(principal(), WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    send(principal(), WM_LBUTTONUP, 0, x, y);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());
}

}  // namespace
