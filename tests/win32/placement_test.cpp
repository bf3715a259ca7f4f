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

// A move the window did not ask for (the player's drag) is where the later
// steps start from.
TEST_F(PlacementTest, theSlideGoesOnFromWhereThePlayerMovedTheWindow) {
    handOff();
    rt.clock.advance(20);
    auto* const window = hwndOf(principal());
    const RECT before = outerOf(window);
    SetWindowPos(window, nullptr, before.left + 100, before.top + 50, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    rt.clock.advance(20);
    EXPECT_EQ(outerOf(window).left, before.left + 100);
    EXPECT_EQ(outerOf(window).top, before.top + 50 - 4);
}

}  // namespace
