#include "random_input.h"
#include "platform/runtime/drawing.h"
#include "program_test.h"

// Input handed to the forms as every window system hands it, each window
// drawn and read as a screen reader would now and then; named outside the
// anonymous namespace, for the shared test's name.
struct RuntimeInput : ProgramRun {
    static constexpr std::uint64_t kEvents = 200000;

    static void keyPress(platform::Form& form, int code, int keys) {
        form.keyTyped({.character = static_cast<char32_t>(code),
                       .ctrl = (keys & platform::kCtrlMask) != 0,
                       .alt = (keys & platform::kAltMask) != 0});
    }
    static void close(platform::Form& form) { form.closeRequested(); }
    static void settle(platform::Form& form) {
        if (form.loaded()) {
            platform::drawForm(form, platform::Scale(), {0, 0, 521, 297});
            form.accessibleTree();
        }
    }
};

namespace random_input {
INSTANTIATE_TYPED_TEST_SUITE_P(RandomInput, RandomInput, RuntimeInput);
}  // namespace random_input
