#include <vector>

#include "random_input.h"
#include "win32_program_test.h"

namespace {

// Shift and Ctrl as a mouse message carries them; Ctrl and Alt held on the
// keyboard, where the window reads them for keys.
WPARAM held(int buttons, int keys) {
    std::vector<int> down;
    if ((keys & platform::kCtrlMask) != 0) {
        down.insert(down.end(), {VK_CONTROL, VK_LCONTROL});
    }
    if ((keys & platform::kAltMask) != 0) {
        down.insert(down.end(), {VK_MENU, VK_LMENU});
    }
    Win32Program::holdKeys(down);
    return ((buttons & platform::kLeftButton) != 0 ? MK_LBUTTON : 0) |
           ((buttons & platform::kRightButton) != 0 ? MK_RBUTTON : 0) |
           ((buttons & platform::kMiddleButton) != 0 ? MK_MBUTTON : 0) |
           ((keys & platform::kShiftMask) != 0 ? MK_SHIFT : 0) |
           ((keys & platform::kCtrlMask) != 0 ? MK_CONTROL : 0);
}

UINT buttonMessage(int button, UINT left, UINT right, UINT middle) {
    return button == platform::kLeftButton    ? left
           : button == platform::kRightButton ? right
                                              : middle;
}

}  // namespace

// Window messages sent to the real windows; named outside the anonymous
// namespace, for the shared test's name.
struct Win32Input : Win32Program {
    static constexpr std::uint64_t kEvents = 5000;

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
    static void keyPress(const platform::Form& form, int code, int keys) {
        held(0, keys);
        SendMessageW(hwndOf(form), WM_CHAR, static_cast<WPARAM>(code), 0);
    }
    static void close(const platform::Form& form) { send(form, WM_CLOSE, 0, 0, 0); }
    // What the windows posted to themselves, painting among it.
    static void settle(const platform::Form& /*form*/) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
};

namespace random_input {
INSTANTIATE_TYPED_TEST_SUITE_P(RandomInput, RandomInput, Win32Input);
}  // namespace random_input
