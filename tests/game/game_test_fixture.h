#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "game/frm_principal.h"
#include "pointer.h"
#include "test_runtime.h"

// The main window loaded on the virtual clock, with the restart counted
// instead of showing the start-up window.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rt.runtime.dispatch([this] { form.Show(); });
        // The window system tells the frame once the window is shown.
        QCoreApplication::processEvents();
    }

    mainwindow::MainWindowControls& c() { return form.c(); }

    // Ticks of the hands timer, 100 ms each.
    void ticks(int n) { rt.clock.advance(100LL * n); }

    void key(int code) { lastKeyResult = form.keyPress(code); }

    // As a restart does: the window loaded anew, its variables kept.
    void reload() {
        rt.runtime.dispatch([this] {
            form.Unload();
            form.Show();
        });
    }

    testing_support::TestRuntime rt;
    int restarts = 0;
    int endedDuringRestart = 0;
    game::frmPrincipal form{rt.runtime, [this] {
                                ++restarts;
                                endedDuringRestart += rt.process.allUnloadedCalls;
                            }};
    testing_support::Pointer pointer{form};
    int lastKeyResult = -1;
};
