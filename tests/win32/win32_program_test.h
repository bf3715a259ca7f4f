#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "fakes.h"
#include "pixel_tables.h"
#include "platform/runtime/runtime.h"
#include "platform/win32/form_painter.h"
#include "platform/win32/form_window.h"
#include "platform/win32/win32_window_system.h"
#include "program_windows.h"
#include "virtual_clock.h"

// A runtime on the virtual clock, a scripted random source, recording fakes
// and real Win32 windows, with the program's application record.
struct Win32TestRuntime {
    testing_support::VirtualClock clock;
    testing_support::ScriptedRandom random;
    testing_support::FakeProcess process;
    testing_support::FakeAboutBox aboutBox;
    platform::win32::Win32WindowSystem windows;
    platform::Runtime runtime{{.clock = clock,
                               .random = random,
                               .process = process,
                               .aboutBox = aboutBox,
                               .windows = windows,
                               .app = {.Title = "Zumbilo", .Major = 3, .Minor = 5, .Revision = 4}}};
};

using platform::win32::Dib;

inline void expectPixels(const Dib& image, const std::vector<pixel_tables::Pixel>& pixels) {
    for (const pixel_tables::Pixel& p : pixels) {
        EXPECT_EQ(image.colourAt(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

inline std::vector<platform::Color> coloursIn(const Dib& image, const platform::Control& control) {
    const platform::PixelRect r = control.pixelRect();
    std::vector<platform::Color> colours;
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            colours.push_back(image.colourAt(x, y));
        }
    }
    return colours;
}

inline auto countIn(const Dib& image, const platform::Control& control, platform::Color colour) {
    return std::ranges::count(coloursIn(image, control), colour);
}

// The program from its start-up window on, with input sent as the window
// messages the system would send.
class Win32Program {
  public:
    static constexpr std::int64_t kHandOffMs = 1730;

    Win32Program() {
        rt.runtime.dispatch([this] { windows.showStartupWindow(); });
    }
    Win32Program(const Win32Program&) = delete;
    Win32Program& operator=(const Win32Program&) = delete;
    Win32Program(Win32Program&&) = delete;
    Win32Program& operator=(Win32Program&&) = delete;
    // Keys held for one program are not held for the next.
    ~Win32Program() { holdKeys({}); }

    startup::frmInicio& inicio() { return *windows.inicio; }
    startup::StartupWindowControls& s() { return inicio().c(); }
    game::frmPrincipal& principal() { return *windows.principal; }
    mainwindow::MainWindowControls& c() { return principal().c(); }

    void handOff() { rt.clock.advance(kHandOffMs); }
    void ticks(int n) { rt.clock.advance(100LL * n); }

    static HWND hwndOf(const platform::Form& form) {
        return platform::win32::windowOf(form)->handle();
    }
    static Dib drawn(const platform::Form& form) { return platform::win32::renderForm(form); }

    static LRESULT send(const platform::Form& form, UINT message, WPARAM wParam, int x, int y) {
        return SendMessageW(hwndOf(form), message, wParam, MAKELPARAM(x, y));
    }
    static void press(const platform::Control& control, UINT down, UINT up, WPARAM held) {
        const platform::PixelRect r = control.pixelRect();
        send(control.form(), down, held, r.x + r.width / 2, r.y + r.height / 2);
        send(control.form(), up, 0, r.x + r.width / 2, r.y + r.height / 2);
    }
    static void click(const platform::Control& control) {
        press(control, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    }
    void key(wchar_t code) { SendMessageW(hwndOf(principal()), WM_CHAR, code, 0); }

    // The keyboard state that GetKeyState reads for this thread.
    static void holdKeys(const std::vector<int>& keys) {
        std::array<BYTE, 256> state{};
        for (const int key : keys) {
            state.at(static_cast<std::size_t>(key)) = 0x80;
        }
        SetKeyboardState(state.data());
    }

    Win32TestRuntime rt;
    zumbilo::ProgramWindows windows{rt.runtime};
};

// The main window just handed over, its slide about to start.
class HandedOver : public Win32Program {
  public:
    HandedOver() { handOff(); }
};

class Win32ProgramTest : public ::testing::Test, protected Win32Program {};
class MainWindowTest : public ::testing::Test, protected HandedOver {};
