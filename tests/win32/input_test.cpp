#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "win32_program_test.h"

namespace {

// Any of the three buttons clicks; a mouse's back and forward buttons do not.
TEST(ButtonTest, everyButtonButBackAndForwardClicks) {
    for (const auto& [down, up, held, clicks] :
         std::initializer_list<std::tuple<UINT, UINT, WPARAM, bool>>{
             {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true},
             {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true},
             {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, true},
             {WM_XBUTTONDOWN, WM_XBUTTONUP, MK_XBUTTON1, false}}) {
        SCOPED_TRACE(down);
        HandedOver program;
        program.press(program.c().lblPlay[0], down, up, held);
        EXPECT_EQ(program.c().imgOpt[0].Visible.get(), clicks);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

// A digit chooses a figure, unless Ctrl, Alt or the Windows key makes it a
// shortcut; AltGr (the right Alt with the left Ctrl) types characters.
TEST(KeyTest, digitChoosesAFigureUnlessItIsAShortcut) {
    for (const auto& [held, chooses] : std::initializer_list<std::pair<std::vector<int>, bool>>{
             {{}, true},
             {{VK_CONTROL, VK_LCONTROL}, false},
             {{VK_MENU, VK_LMENU}, false},
             {{VK_LWIN}, false},
             {{VK_CONTROL, VK_LCONTROL, VK_MENU, VK_RMENU}, true}}) {  // AltGr
        SCOPED_TRACE(::testing::PrintToString(held));
        HandedOver program;
        program.click(program.c().lblPlay[0]);
        Win32Program::holdKeys(held);
        program.key(L'8');
        EXPECT_EQ(program.c().tmrHands.Enabled.get(), chooses);
        EXPECT_EQ(program.c().Image1.Visible.get(), chooses);
    }
}

using InputTest = MainWindowTest;

// A press captures the pointer; a release anywhere frees it and clicks what was pressed.
TEST_F(InputTest, releaseOutsideTheWindowClicksWhatWasPressedAndFreesThePointer) {
    click(c().lblPlay[0]);
    const platform::PixelRect rock = c().imgOpt[2].pixelRect();
    send(principal(), WM_LBUTTONDOWN, MK_LBUTTON, rock.x + 10, rock.y + 10);
    EXPECT_EQ(GetCapture(), hwndOf(principal()));
    send(principal(), WM_MOUSEMOVE, MK_LBUTTON, -40, 300);
    EXPECT_FALSE(c().Image1.Visible);
    send(principal(), WM_LBUTTONUP, 0, -40, 300);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(c().Image1.Visible);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());
}

// A key that comes while the About box is open waits until it is closed.
TEST_F(InputTest, aKeyDuringTheAboutBoxWaitsForIt) {
    click(c().lblPlay[0]);
    bool choseWhileOpen = true;
    rt.aboutBox.whileOpen = [&] {
        key(L'8');
        choseWhileOpen = c().tmrHands.Enabled;
    };
    click(c().cmdAbout);
    ASSERT_EQ(rt.aboutBox.shown.size(), 1U);
    EXPECT_FALSE(choseWhileOpen);
    EXPECT_TRUE(c().tmrHands.Enabled);
}

// The tool tip, made when the pointer first reaches a control with one, asks
// for its text where the pointer is: a control's own, blanks kept, or none.
TEST_F(InputTest, toolTipShowsTheTextOfTheControlUnderThePointer) {
    click(c().lblPlay[0]);
    const auto [x, y] = testing_support::centreOf(c().imgOpt[1]);
    send(principal(), WM_MOUSEMOVE, 0, x, y);
    HWND window = hwndOf(principal());
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr &&
           GetWindow(tip, GW_OWNER) != window) {
    }
    ASSERT_NE(tip, nullptr);
    for (const auto& [control, text] :
         {std::pair<const platform::Control*, std::wstring>{&c().imgOpt[1], L" TIJERAS "},
          {&c().lblGame, L""}}) {
        const platform::PixelRect r = control->pixelRect();
        POINT pointer{r.x + r.width / 2, r.y + r.height / 2};
        ClientToScreen(window, &pointer);
        SetCursorPos(pointer.x, pointer.y);
        NMTTDISPINFOW asked{};
        asked.hdr.hwndFrom = tip;
        asked.hdr.code = TTN_GETDISPINFOW;
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): as the tip sends it
        SendMessageW(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&asked));
        EXPECT_EQ(std::wstring(asked.lpszText != nullptr ? asked.lpszText : L""), text);
    }
}

// Closing the main window unloads it, and with the last form the program ends.
TEST_F(InputTest, closingTheLastWindowEndsTheProgram) {
    send(principal(), WM_CLOSE, 0, 0, 0);
    EXPECT_FALSE(principal().loaded());
    EXPECT_EQ(rt.process.allUnloadedCalls, 1);
}

}  // namespace
