#pragma once

#include <cstdint>

#include "program_windows.h"
#include "test_runtime.h"

namespace testing_support {

// Both windows wired as the program wires them, on the virtual clock and the
// real windows of a window system, from the start-up window on.
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

    void handOff() { rt.clock.advance(kHandOffMs); }
    // Ticks of the hands timer.
    void ticks(int n) { rt.clock.advance(100LL * n); }

    RuntimeOn<WindowSystem> rt;
    zumbilo::ProgramWindows windows{rt.runtime};
};

}  // namespace testing_support
