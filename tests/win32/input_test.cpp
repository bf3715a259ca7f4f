#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/win32/application.h"
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

// The keypad's digits come as key messages, NumLock on, which the message
// loop turns into characters: the 5 in the keypad's middle column chooses
// the scissors.
TEST(KeyTest, aKeypadDigitAsTheKeyboardSendsItChoosesByItsColumn) {
    HandedOver program;
    std::array<BYTE, 256> state{};
    state[VK_NUMLOCK] = 0x01;  // toggled on
    SetKeyboardState(state.data());
    constexpr LPARAM kNumpad5 = 1 | (0x4C << 16);  // one press, the keypad 5's scan code
    MSG down{Win32Program::hwndOf(program.principal()), WM_KEYDOWN, VK_NUMPAD5, kNumpad5, 0, {}};
    TranslateMessage(&down);
    DispatchMessageW(&down);
    Win32Program::nextTurn();
    EXPECT_TRUE(program.c().Image1.Visible);
    EXPECT_EQ(program.c().Image1.Picture.get(), program.c().imgOpt[1].Picture.get());
}

using InputTest = MainWindowTest;

// A press captures the pointer. Taken away (a modal box, a switch of windows),
// the press ends without a click and a screen reader's press works again;
// let go anywhere, even outside the window, it clicks what it went down on.
TEST_F(InputTest, aPressHoldsThePointerUntilLetGoAnywhereOrTakenAway) {
    click(c().lblPlay[0]);
    const auto [x, y] = testing_support::centreOf(c().imgOpt[0]);
    send(principal(), WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    EXPECT_EQ(GetCapture(), hwndOf(principal()));
    EXPECT_EQ(c().imgOpt[0].BorderStyle.get(), platform::kFixedSingle);
    send(principal(), WM_CANCELMODE, 0, 0, 0);
    EXPECT_EQ(c().imgOpt[0].BorderStyle.get(), platform::kNoBorder);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(c().Image1.Visible);
    const platform::AccessibleTree tree = principal().accessibleTree();
    EXPECT_TRUE(principal().pressAccessible(tree.children.at(4).id));  // the paper
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[0].Picture.get());

    ticks(6);
    click(c().Image1);
    const platform::PixelRect rock = c().imgOpt[2].pixelRect();
    send(principal(), WM_LBUTTONDOWN, MK_LBUTTON, rock.x + 10, rock.y + 10);
    send(principal(), WM_MOUSEMOVE, MK_LBUTTON, -40, 300);
    EXPECT_FALSE(c().Image1.Visible);
    send(principal(), WM_LBUTTONUP, 0, -40, 300);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(c().Image1.Picture.get(), c().imgOpt[2].Picture.get());
}

// The tool tip, made when the pointer first reaches a control with one, goes
// when the pointer goes straight from one figure to the next; it asks for its
// text where the pointer is (a control's own, blanks kept, or none), and at
// 150 % still covers the whole client area.
TEST_F(InputTest, theToolTipFollowsThePointerFromFigureToFigure) {
    click(c().lblPlay[0]);
    HWND window = hwndOf(principal());
    const auto [paperX, paperY] = testing_support::centreOf(c().imgOpt[0]);
    send(principal(), WM_MOUSEMOVE, 0, paperX, paperY);
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr &&
           GetWindow(tip, GW_OWNER) != window) {
    }
    ASSERT_NE(tip, nullptr);
    static int pops = 0;
    static WNDPROC tipProcedure = nullptr;
    tipProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(  // NOLINT: the system's types
        tip, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND tool, UINT message, WPARAM w, LPARAM l) -> LRESULT {
            pops += message == TTM_POP ? 1 : 0;
            return CallWindowProcW(tipProcedure, tool, message, w, l);
        })));
    const auto [scissorsX, scissorsY] = testing_support::centreOf(c().imgOpt[1]);
    send(principal(), WM_MOUSEMOVE, 0, scissorsX, scissorsY);
    EXPECT_EQ(pops, 1);
    send(principal(), WM_MOUSEMOVE, 0, scissorsX + 1, scissorsY);
    EXPECT_EQ(pops, 1) << "the same figure's tip stays";

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

    moveToScale(principal(), 144);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window;
    tool.uId = 1;
    SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));  // NOLINT
    EXPECT_EQ(std::pair(tool.rect.right, tool.rect.bottom), std::pair(625L, 337L));
}

// Closing the main window of the real program, on the real clock and message
// loop, ends it with status 0; a message loop the system cannot run ends with 1.
TEST(ProgramTest, closingTheMainWindowEndsTheProgram) {
    platform::win32::Application application({.Title = "Zumbilo", .Major = 3, .Minor = 5});
    zumbilo::ProgramWindows windows(application.runtime());
    const int status = application.run([&windows] {
        windows.showMainWindow();
        PostMessageW(platform::win32::windowOf(*windows.principal)->handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(platform::win32::runMessageLoop(reinterpret_cast<HWND>(0x1234)), 1);  // NOLINT
}

}  // namespace
