#pragma once

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/win32/dib.h"
#include "platform/win32/form_window.h"
#include "platform/win32/window_system.h"
#include "pointer.h"
#include "program_on.h"

// The program from its start-up window on, its input sent as the system's window messages.
class Win32Program : public testing_support::ProgramOn<platform::win32::Win32WindowSystem> {
  public:
    // Keys held for one program are not held for the next.
    Win32Program() { holdKeys({}); }

    static HWND hwndOf(const platform::Form& form) {
        return platform::win32::windowOf(form)->handle();
    }

    // A loaded form's client area as its window draws it, on a monitor of
    // that dots per inch.
    static platform::win32::Dib printed(const platform::Form& form, int dpi = 96) {
        if (platform::win32::windowOf(form)->scale().dpi() != dpi) {
            moveToScale(form, dpi);
        }
        RECT client{};
        GetClientRect(hwndOf(form), &client);
        platform::win32::Dib image(client.right, client.bottom);
        const platform::win32::OwnedDc dc(CreateCompatibleDC(nullptr));
        {
            const platform::win32::Selected selected(dc.get(), image.handle());
            // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): as the system sends it
            SendMessageW(hwndOf(form), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()),
                         PRF_CLIENT);
        }
        GdiFlush();
        return image;
    }

    static LRESULT send(const platform::Form& form, UINT message, WPARAM wParam, int x, int y) {
        return SendMessageW(hwndOf(form), message, wParam, MAKELPARAM(x, y));
    }
    static void press(const platform::Control& control, UINT down, UINT up, WPARAM buttons) {
        const auto [x, y] = testing_support::centreOf(control);
        send(control.form(), down, buttons, x, y);
        send(control.form(), up, 0, x, y);
    }
    static void click(const platform::Control& control) {
        press(control, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    }
    void key(wchar_t code) { SendMessageW(hwndOf(principal()), WM_CHAR, code, 0); }
    // Told by the system that the window's monitor is of that scale now.
    static void moveToScale(const platform::Form& form, int dpi) {
        RECT suggested{};
        GetWindowRect(hwndOf(form), &suggested);
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): as the system sends it
        SendMessageW(hwndOf(form), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    // What the windows posted to themselves, painting among it.
    static void nextTurn() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            DispatchMessageW(&message);
        }
    }

    // The keyboard state that GetKeyState reads for this thread.
    static void holdKeys(const std::vector<int>& keys) {
        std::array<BYTE, 256> state{};
        for (const int key : keys) {
            state.at(static_cast<std::size_t>(key)) = 0x80;
        }
        SetKeyboardState(state.data());
    }

    // Shift and Ctrl as a mouse message carries them; Ctrl and Alt held, as keys read them.
    static WPARAM held(int buttons, int keys) {
        std::vector<int> down;
        if ((keys & platform::kCtrlMask) != 0) {
            down.insert(down.end(), {VK_CONTROL, VK_LCONTROL});
        }
        if ((keys & platform::kAltMask) != 0) {
            down.insert(down.end(), {VK_MENU, VK_LMENU});
        }
        holdKeys(down);
        return ((buttons & platform::kLeftButton) != 0 ? MK_LBUTTON : 0) |
               ((buttons & platform::kRightButton) != 0 ? MK_RBUTTON : 0) |
               ((buttons & platform::kMiddleButton) != 0 ? MK_MBUTTON : 0) |
               ((keys & platform::kShiftMask) != 0 ? MK_SHIFT : 0) |
               ((keys & platform::kCtrlMask) != 0 ? MK_CONTROL : 0);
    }
    static UINT buttonMessage(int button, UINT left, UINT right, UINT middle) {
        return button == platform::kLeftButton    ? left
               : button == platform::kRightButton ? right
                                                  : middle;
    }
    static void mouseMove(const platform::Form& form, int x, int y, int buttons, int keys) {
        send(form, WM_MOUSEMOVE, held(buttons, keys), x, y);
    }
    static void mouseDown(const platform::Form& form, int x, int y, int button, int keys) {
        send(form, buttonMessage(button, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN),
             held(button, keys), x, y);
    }
    static void mouseUp(const platform::Form& form, int x, int y, int button, int keys) {
        send(form, buttonMessage(button, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP), held(0, keys),
             x, y);
    }
};

// The main window just handed over, its slide about to start.
class HandedOver : public Win32Program {
  public:
    HandedOver() { handOff(); }
};

class MainWindowTest : public ::testing::Test, protected HandedOver {};
