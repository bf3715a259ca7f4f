#pragma once

#include <cstdint>

#include "pointer.h"
#include "program_windows.h"
#include "test_runtime.h"

namespace testing_support {

// Both windows wired as the program wires them, on the virtual clock and the
// windows of a window system, from the start-up window on.
template <class WindowSystem>
struct ProgramOn {
    static constexpr std::int64_t kHandOffMs = 1730;

    ProgramOn() {
        rt.runtime.dispatch([this] { windows.showStartupWindow(); });
    }

    startup::frmInicio& inicio() { return *windows.inicio; }
    startup::StartupWindowControls& s() { return inicio().c(); }
    game::frmPrincipal& principal() { return *windows.principal; }
    mainwindow::MainWindowControls& c() { return principal().c(); }

    bool ended() const {
        return rt.process.ended || rt.process.allUnloadedCalls > 0 || !rt.process.failures.empty();
    }
    bool mainShown() const { return windows.principal && windows.principal->loaded(); }

    void handOff() { rt.clock.advance(kHandOffMs); }
    // Ticks of the hands timer.
    void ticks(int n) { rt.clock.advance(100LL * n); }
    // What the key handler leaves of the key: 0 where it swallows it.
    int key(int code) { return principal().keyPress(code); }

    // Unloaded and loaded in one handler, as a restart does.
    void reload(platform::Form& form) {
        rt.runtime.dispatch([&form] {
            form.Unload();
            form.Show();
        });
    }
    // Pointer input as a window system hands it to the forms.
    static void mouseMove(platform::Form& form, int x, int y, int buttons, int keys) {
        form.mouseMove(x, y, buttons, keys);
    }
    static void mouseDown(platform::Form& form, int x, int y, int button, int keys) {
        form.mouseDown(x, y, button, keys);
    }
    static void mouseUp(platform::Form& form, int x, int y, int button, int keys) {
        form.mouseUp(x, y, button, keys);
    }
    static void click(const platform::Control& control) { testing_support::click(control); }

    // On the rim of the computer's panel, which its hand leaves uncovered.
    void restart() {
        const platform::PixelRect panel = c().lblReset[1].pixelRect();
        clickAt(principal(), panel.x + 2, panel.y + panel.height / 2);
    }

    RuntimeOn<WindowSystem> rt;
    zumbilo::ProgramWindows windows{rt.runtime};
};

}  // namespace testing_support
