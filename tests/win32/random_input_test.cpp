#include "random_input.h"
#include "win32_program_test.h"

// Window messages sent to the real windows; outside the anonymous namespace, for the test's name.
struct Win32Input : Win32Program {
    static constexpr std::uint64_t kEvents = 5000;

    static void keyPress(const platform::Form& form, int code, int keys) {
        held(0, keys);
        SendMessageW(hwndOf(form), WM_CHAR, static_cast<WPARAM>(code), 0);
    }
    static void close(const platform::Form& form) { send(form, WM_CLOSE, 0, 0, 0); }
    static void settle(const platform::Form& /*form*/) { nextTurn(); }
};

namespace random_input {
INSTANTIATE_TYPED_TEST_SUITE_P(RandomInput, RandomInput, Win32Input);
}  // namespace random_input
