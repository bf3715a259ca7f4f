#include <ostream>
#include <string>
#include <vector>

#include "win32_program_test.h"

namespace {

struct ButtonCase {
    const char* name;
    UINT down;
    UINT up;
    WPARAM held;
    bool clicks;
};

void PrintTo(const ButtonCase& c, std::ostream* out) {
    *out << c.name;
}

class ButtonTest : public MainWindowTest, public ::testing::WithParamInterface<ButtonCase> {};

// Any of the three buttons clicks; a mouse's back and forward buttons do not.
TEST_P(ButtonTest, clickOnIniciarStartsThePlay) {
    press(c().lblPlay[0], GetParam().down, GetParam().up, GetParam().held);
    EXPECT_EQ(c().imgOpt[0].Visible.get(), GetParam().clicks);
    EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonTest,
    ::testing::Values(ButtonCase{"left", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true},
                      ButtonCase{"right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true},
                      ButtonCase{"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, true},
                      ButtonCase{"back", WM_XBUTTONDOWN, WM_XBUTTONUP, MK_XBUTTON1, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    std::vector<int> held;
    bool chooses;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class KeyTest : public MainWindowTest, public ::testing::WithParamInterface<KeyCase> {};

// A digit chooses a figure, unless Ctrl, Alt or the Windows key makes it a
// shortcut; AltGr (the right Alt with the left Ctrl) types characters.
TEST_P(KeyTest, digitChoosesAFigureUnlessItIsAShortcut) {
    click(c().lblPlay[0]);
    holdKeys(GetParam().held);
    key(L'8');
    EXPECT_EQ(c().tmrHands.Enabled.get(), GetParam().chooses);
    EXPECT_EQ(c().Image1.Visible.get(), GetParam().chooses);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    ::testing::Values(KeyCase{"plain", {}, true}, KeyCase{"ctrl", {VK_CONTROL, VK_LCONTROL}, false},
                      KeyCase{"alt", {VK_MENU, VK_LMENU}, false},
                      KeyCase{"windows", {VK_LWIN}, false},
                      KeyCase{"altgr", {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_RMENU}, true}),
    [](const auto& info) { return std::string(info.param.name); });

using InputTest = MainWindowTest;

// A press captures the pointer; the release, wherever it comes, lets it go
// and clicks what was pressed.
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

// Closing the main window unloads it, and with the last form the program ends.
TEST_F(InputTest, closingTheLastWindowEndsTheProgram) {
    send(principal(), WM_CLOSE, 0, 0, 0);
    EXPECT_FALSE(principal().loaded());
    EXPECT_EQ(rt.process.allUnloadedCalls, 1);
}

}  // namespace
