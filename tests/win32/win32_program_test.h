#pragma once

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/win32/form_window.h"
#include "platform/win32/win32_window_system.h"
#include "pointer.h"
#include "program_on.h"

// The program from its start-up window on, with input sent as the window
// messages the system would send.
class Win32Program : public testing_support::ProgramOn<platform::win32::Win32WindowSystem> {
  public:
    Win32Program() = default;
    Win32Program(const Win32Program&) = delete;
    Win32Program& operator=(const Win32Program&) = delete;
    Win32Program(Win32Program&&) = delete;
    Win32Program& operator=(Win32Program&&) = delete;
    // Keys held for one program are not held for the next.
    ~Win32Program() { holdKeys({}); }

    static HWND hwndOf(const platform::Form& form) {
        return platform::win32::windowOf(form)->handle();
    }

    static LRESULT send(const platform::Form& form, UINT message, WPARAM wParam, int x, int y) {
        return SendMessageW(hwndOf(form), message, wParam, MAKELPARAM(x, y));
    }
    static void press(const platform::Control& control, UINT down, UINT up, WPARAM held) {
        const auto [x, y] = testing_support::centreOf(control);
        send(control.form(), down, held, x, y);
        send(control.form(), up, 0, x, y);
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
};

// The main window just handed over, its slide about to start.
class HandedOver : public Win32Program {
  public:
    HandedOver() { handOff(); }
};

class Win32ProgramTest : public ::testing::Test, protected Win32Program {};
class MainWindowTest : public ::testing::Test, protected HandedOver {};
