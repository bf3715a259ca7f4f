#include "platform/win32/about_box.h"
#include "win32_program_test.h"

namespace {

// What the shell's box, owned by the main window, shows as its icon: found
// from within the box's modal loop, which is then closed.
struct ShownIcon {
    static inline HWND owner = nullptr;
    static inline int side = 0;

    static BOOL CALLBACK measure(HWND child, LPARAM /*unused*/) {
        const auto icon =
            reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));  // NOLINT
        ICONINFO info{};
        if (icon != nullptr && GetIconInfo(icon, &info) != 0) {
            BITMAP bitmap{};
            GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap,
                       &bitmap);
            side = bitmap.bmWidth;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        return TRUE;
    }
    static void CALLBACK look(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
        HWND box = nullptr;
        while ((box = FindWindowExW(nullptr, box, nullptr, nullptr)) != nullptr &&
               GetWindow(box, GW_OWNER) != owner) {
        }
        if (box != nullptr) {
            KillTimer(nullptr, timer);
            EnumChildWindows(box, measure, 0);
            PostMessageW(box, WM_CLOSE, 0, 0);
        }
    }
};

using AboutBoxTest = MainWindowTest;

// On a monitor at 200 % the shell's box shows the game's icon at that scale's size.
TEST_F(AboutBoxTest, theShellsBoxShowsTheGamesIconAtTheOwnersScale) {
    moveToScale(principal(), 192);
    ShownIcon::owner = hwndOf(principal());
    ShownIcon::side = 0;
    SetTimer(nullptr, 0, 50, ShownIcon::look);
    platform::win32::ShellAboutBox(rt.windows.pictures())
        .show(principal(), "Zumbilo", "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5",
              principal().Icon());
    EXPECT_EQ(ShownIcon::side, GetSystemMetricsForDpi(SM_CXICON, 192));
}

}  // namespace
