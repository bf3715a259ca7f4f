#pragma once

#include <gtest/gtest.h>

#include "pointer.h"
#include "program_windows.h"
#include "test_runtime.h"

// Both windows wired to each other as the program wires them, on the
// virtual clock, started on the start-up window.
class ProgramTest : public ::testing::Test {
  protected:
    static constexpr std::int64_t kHandOffMs = 1730;
    static constexpr std::int64_t kHandsTickMs = 100;

    void SetUp() override {
        rt.runtime.dispatch([this] { windows.showStartupWindow(); });
    }

    startup::frmInicio& inicio() { return *windows.inicio; }
    game::frmPrincipal& principal() { return *windows.principal; }
    mainwindow::MainWindowControls& main() { return principal().c(); }

    void handOff() { rt.clock.advance(kHandOffMs); }
    void handsTicks(int n) { rt.clock.advance(kHandsTickMs * n); }

    void clickMain(const platform::Control& control) {
        testing_support::Pointer{principal()}.click(control);
    }
    void clickExit() { testing_support::Pointer{inicio()}.click(inicio().c().lblEsc); }

    // On the rim of the computer's panel, which its hand picture leaves
    // uncovered: reachable in every state.
    void restart() {
        const platform::PixelRect panel = main().lblReset[1].pixelRect();
        testing_support::Pointer{principal()}.clickAt(panel.x + 2, panel.y + panel.height / 2);
    }

    // INICIAR, then the given option picture.
    void startPlay(int figure) {
        clickMain(main().lblPlay[0]);
        clickMain(main().imgOpt[figure]);
    }

    bool mainShown() const { return windows.principal && windows.principal->loaded(); }

    testing_support::TestRuntime rt;
    zumbilo::ProgramWindows windows{rt.runtime};
};
